// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/ReportSettings.h"

#include "model/LibraryFolder.h"

#include <QSettings>
#include <QUrl>

namespace quirepress::detail {

namespace {

const QString screenKey = QStringLiteral("Screen");
const QString printerKey = QStringLiteral("Printer");
const QString fileKey = QStringLiteral("File");
const QString emailKey = QStringLiteral("Email");
const QString pdfKey = QStringLiteral("PDF");
const QString fileTypeKey = QStringLiteral("FileType");
const QString fileNameKey = QStringLiteral("FileName");

const QString chosen = QStringLiteral("True");
const QString notChosen = QStringLiteral("False");

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quirepress"),
                     QStringLiteral("Quirepress"));
}

// The store is a text file that people and other programs edit too: "1"
// and "-1" mean true as well as "True" in any letter case. Whatever is not
// recognisably true is not chosen.
bool isChosen(const QString& flag)
{
    return flag == QLatin1String("1") || flag == QLatin1String("-1")
        || flag.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

} // namespace

// A report name is a path. QSettings reads both slashes and backslashes in
// a group name as separators, which would nest the group and make
// "C:\r\a.rdn" and "C:/r/a.rdn" share one.
ReportSettings::ReportSettings(const QString& reportName)
    : group_(QString::fromLatin1(QUrl::toPercentEncoding(reportName)))
{}

OutputChoice ReportSettings::readChoice() const
{
    OutputChoice choice;
    if (isChosen(value(screenKey, QStringLiteral("1"))))
        choice.kind = OutputKind::Screen;
    else if (isChosen(value(printerKey, QStringLiteral("0"))))
        choice.kind = OutputKind::Printer;
    else if (isChosen(value(fileKey, QStringLiteral("0"))))
        choice.kind = OutputKind::File;
    else if (isChosen(value(emailKey, QStringLiteral("0"))))
        choice.kind = OutputKind::Email;
    else if (isChosen(value(pdfKey, QStringLiteral("0"))))
        choice.kind = OutputKind::Pdf;
    choice.fileType = value(fileTypeKey, QStringLiteral("Text"));
    return choice;
}

void ReportSettings::writeChoice(const OutputChoice& choice)
{
    setValue(screenKey, choice.kind == OutputKind::Screen ? chosen : notChosen);
    setValue(printerKey, choice.kind == OutputKind::Printer ? chosen : notChosen);
    setValue(fileKey, choice.kind == OutputKind::File ? chosen : notChosen);
    setValue(emailKey, choice.kind == OutputKind::Email ? chosen : notChosen);
    setValue(pdfKey, choice.kind == OutputKind::Pdf ? chosen : notChosen);
    setValue(fileTypeKey, choice.fileType);
}

QString ReportSettings::readFileName(const QString& extension) const
{
    return value(fileNameKey, libraryFolder() + QStringLiteral("/report.") + extension);
}

void ReportSettings::writeFileName(const QString& path) { setValue(fileNameKey, path); }

QString ReportSettings::value(const QString& key, const QString& fallback) const
{
    if (group_.isEmpty())
        return fallback;
    QSettings settings = store();
    settings.beginGroup(group_);
    return settings.value(key, fallback).toString();
}

void ReportSettings::setValue(const QString& key, const QString& value)
{
    if (group_.isEmpty())
        return;
    QSettings settings = store();
    settings.beginGroup(group_);
    settings.setValue(key, value);
}

} // namespace quirepress::detail
