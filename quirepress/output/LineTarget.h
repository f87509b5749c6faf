// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "output/OutputFile.h"
#include "output/SectionLines.h"

#include <quirepress/Enums.h>

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quirepress::detail {

// Where the lines of a run without pages go: the output file, or the body
// of the e-mail message.
class LineTarget {
public:
    // For the targets 3 to 8; `emailBody` receives the lines of the e-mail
    // forms, in UTF-8 as a file would, and must outlive the target. Error 75
    // when the output file cannot be made.
    LineTarget(OutputOptions target, const QString& outputFilename, std::string& emailBody);

    LineFormat format() const { return format_; }

    // Lines as they are: the document head and tail of HTML.
    void writeLines(const QStringList& lines);
    // The lines of a section, each followed by its row end.
    void writeSection(const SectionLines& section);
    // Writes out and closes the file; an e-mail body stays as it is.
    void finish();
    // Drops the file being written, leaving any file of its name from
    // before; an e-mail body stays as it is.
    void cancel();

private:
    void writeLine(std::string_view line, std::string_view suffix);

    LineFormat format_;
    std::optional<OutputFile> file_;
    std::string& emailBody_;
};

// The line form of a target without pages; Text for the others.
LineFormat lineFormatOf(OutputOptions target);
// True for the targets that have pages: the screen, the printer and the PDF
// file.
bool hasPages(OutputOptions target);
// True for the file targets 3 to 5, whose files hold lines.
bool isFileTarget(OutputOptions target);
// True for the e-mail targets 6 to 8.
bool isEmailTarget(OutputOptions target);

} // namespace quirepress::detail
