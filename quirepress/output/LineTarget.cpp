// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/LineTarget.h"

namespace quirepress::detail {

LineFormat lineFormatOf(OutputOptions target)
{
    switch (target) {
    case cOutputToHTMLFile:
    case cOutputToEmailHTML:
        return LineFormat::Html;
    case cOutputToCSVFile:
    case cOutputToEmailCSV:
        return LineFormat::Csv;
    default:
        return LineFormat::Text;
    }
}

bool hasPages(OutputOptions target)
{
    return target == cOutputToScreen || target == cOutputToPrinter || target == cOutputToPDFFile;
}

bool isFileTarget(OutputOptions target)
{
    return target == cOutputToTextFile || target == cOutputToHTMLFile || target == cOutputToCSVFile;
}

bool isEmailTarget(OutputOptions target)
{
    return target == cOutputToEmailText || target == cOutputToEmailHTML || target == cOutputToEmailCSV;
}

LineTarget::LineTarget(OutputOptions target, const QString& outputFilename, QString& emailBody)
    : format_(lineFormatOf(target)), emailBody_(emailBody)
{
    if (!isEmailTarget(target))
        file_.emplace(outputFilename, format_ != LineFormat::Text);
}

void LineTarget::writeLine(QStringView line, QStringView suffix)
{
    if (file_) {
        file_->writeLine(line, suffix);
        return;
    }
    emailBody_ += line;
    emailBody_ += suffix;
    emailBody_ += QLatin1StringView("\r\n");
}

void LineTarget::writeLines(const QStringList& lines)
{
    for (const QString& line : lines)
        writeLine(line, {});
}

void LineTarget::writeSection(const SectionLines& section)
{
    for (const QString& line : section.lines())
        writeLine(line, section.rowEnd());
}

void LineTarget::finish()
{
    if (file_)
        file_->close();
}

void LineTarget::cancel()
{
    if (file_)
        file_->cancel();
}

} // namespace quirepress::detail
