// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/WrappedText.h"

#include "invoicing/LayoutSections.h"

#include <utility>

namespace quillbill {

QStringList linesIn(quirepress::Report& report, const std::shared_ptr<quirepress::Field>& field, QString text)
{
    QStringList lines;
    QString rest;
    for (;;) {
        // SplitLine leaves at least one character on the line, so the rest
        // shrinks with every line and a word wider than the field is broken.
        report.SplitLine(field, text, rest);
        lines.append(text);
        if (rest.isEmpty())
            return lines;
        text = std::exchange(rest, QString());
    }
}

WrappedColumn::WrappedColumn(quirepress::Report& report, const QString& rowSection, const QString& fieldName,
                             const QString& lineSection)
    : report_(report),
      field_(report.Section(rowSection)->Field(fieldName)),
      lineSection_(sectionIfAny(report, lineSection)),
      lineField_(lineSection_ ? lineSection_->Field(fieldName) : field_)
{
    if (!lineSection_)
        lineSection_ = report.Section(rowSection);
}

void WrappedColumn::printFurtherLines(const QStringList& lines) const
{
    for (qsizetype line = 1; line < lines.size(); ++line) {
        lineSection_->Clear();
        lineField_->setValue(lines[line]);
        report_.PrintSection(lineSection_->SectionName());
    }
}

} // namespace quillbill
