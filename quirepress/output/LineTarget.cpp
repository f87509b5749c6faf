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

LineTarget::LineTarget(OutputOptions target, const QString& outputFilename, std::string& emailBody)
    : format_(lineFormatOf(target)), emailBody_(emailBody)
{
    if (!isEmailTarget(target))
        file_.emplace(outputFilename, format_ != LineFormat::Text);
}

void LineTarget::writeLine(std::string_view line, std::string_view suffix)
{
    if (file_) {
        file_->writeLine(line, suffix);
        return;
    }
    emailBody_ += line;
    emailBody_ += suffix;
    emailBody_ += "\r\n";
}

void LineTarget::writeLines(const QStringList& lines)
{
    LineBytes bytes;
    for (const QString& line : lines) {
        bytes.clear();
        appendUtf8(bytes, line);
        writeLine(bytes.view(), {});
    }
}

void LineTarget::writeSection(const SectionLines& section)
{
    const std::string_view rowEnd = section.rowEnd();
    for (const LineBytes& line : section.lines())
        writeLine(line.view(), rowEnd);
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
