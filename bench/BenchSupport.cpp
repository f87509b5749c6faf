// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "BenchSupport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <time.h>

namespace bench {

void addText(quirepress::Section& section, const QString& name, int32_t left, const QString& value,
             quirepress::Justifications justification)
{
    QString used = name;
    auto field = section.AddField(used);
    field->setFieldLeft(left);
    field->setFieldTop(0);
    field->setFieldWidth(2000);
    field->setValue(value);
    field->setJustification(justification);
}

std::shared_ptr<quirepress::Section> addInvoiceLine(quirepress::Report& report, int32_t height)
{
    QString name = QStringLiteral("Detail");
    auto section = report.AddSection(name);
    section->setHeight(height);
    section->setWidth(12000);
    addText(*section, QStringLiteral("Customer"), 0, QStringLiteral("Harbourside Joinery Ltd"));
    addText(*section, QStringLiteral("Invoice"), 2400, QStringLiteral("INV-004217"));
    addText(*section, QStringLiteral("Date"), 4800, QStringLiteral("14/03/2024"));
    addText(*section, QStringLiteral("Amount"), 7200, QStringLiteral("1,284.50"), quirepress::cJustificationRight);
    return section;
}

QString outputPath(const QString& name) { return QDir::temp().filePath(name); }

double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double processMemory(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() * 1024;
    return 0;
}

} // namespace bench
