// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "output/SectionLines.h"
#include "output/WholeFile.h"

#include <QString>

#include <cstring>
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
    // once, and one that cannot be written whole is taken off again; after
    // cancel() a line goes nowhere. Inline: a run writes every line through
    // it, nearly always only into the buffer.
    void writeLine(std::string_view line, std::string_view suffix = {})
    {
        char* at = buffer_.extend(line.size() + suffix.size() + 2);
        if (!line.empty())
            at = static_cast<char*>(std::memcpy(at, line.data(), line.size())) + line.size();
        if (!suffix.empty())
            at = static_cast<char*>(std::memcpy(at, suffix.data(), suffix.size())) + suffix.size();
        at[0] = '\r';
        at[1] = '\n';
        if (state_ != State::Writing || buffer_.size() >= bufferSize)
            afterLine();
    }
    // Writes out what is buffered and puts the file in place.
    void close();
    // Drops the file being written; a file of its name from before stays.
    void cancel();

private:
    // Handed to the file in pieces of about this size.
    static constexpr size_t bufferSize = 64 * 1024;

    // What a line written leads to besides the buffer: a full buffer goes to
    // the file, a line after close() to the file in place.
    void afterLine();
    void drain();
    void appendToFileInPlace();

    enum class State { Writing, InPlace, Dropped };
    WholeFile file_;
    State state_ = State::Writing;
    LineBytes buffer_;
};

} // namespace quirepress::detail
