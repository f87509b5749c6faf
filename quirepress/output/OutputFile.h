// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "output/SectionLines.h"
#include "output/WholeFile.h"

#include <QString>

#include <string>
#include <string_view>

namespace quirepress::detail {

// The file a text, HTML or CSV run writes, its lines of UTF-8 gathered in a
// buffer of its own, each ended by carriage return and line feed. It is a
// WholeFile: made when the run starts, in place of a file of its name only
// once close() succeeds, and gone without a trace when the run is cancelled
// or fails. A failure to make or to write it is an Error (75) that names the
// file and the cause, never lost.
class OutputFile {
public:
    // Makes the file; Error 75 when it cannot be made. `byteOrderMark`: the
    // file starts with the UTF-8 byte-order mark, by which browsers and
    // spreadsheets know the encoding.
    OutputFile(const QString& path, bool byteOrderMark);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Appends `line` followed by `suffix`, both UTF-8, as one line. After
    // close() each call adds the line at the end of the file in place at
    // once; one that cannot be written whole is taken back off again. After a failure the
    // failure again; after cancel() nothing.
    void writeLine(std::string_view line, std::string_view suffix = {});
    // Writes out what is buffered and puts the file in place.
    void close();
    // Drops the file being written; a file of its name from before stays.
    void cancel();

private:
    void drain();
    void appendToFileInPlace();

    enum class State { Writing, InPlace, Dropped };
    WholeFile file_;
    State state_ = State::Writing;
    LineBytes buffer_;
};

} // namespace quirepress::detail
