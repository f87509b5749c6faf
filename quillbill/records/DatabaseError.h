// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <stdexcept>

namespace quillbill {

// A failure of the database: the file cannot be opened, or a statement was
// refused. The message is written for the person at the keyboard.
class DatabaseError : public std::runtime_error {
public:
    // The causes a user can do something about; everything else is Other.
    enum class Cause { Other, Busy, ReadOnly, DiskFull, ConnectionLost };

    explicit DatabaseError(const QString& message, Cause cause = Cause::Other)
        : std::runtime_error(message.toStdString()), message_(message), cause_(cause)
    {}

    const QString& message() const { return message_; }
    Cause cause() const { return cause_; }

private:
    QString message_;
    Cause cause_;
};

// What a window says when a save was refused: the reason when it is one the
// user can act on (another program holds the file, the file cannot be written,
// the disk is full, the server's connection was lost), otherwise `otherwise`. The record rules are checked by
// the database itself, so most refusals are about the entered data.
QString saveFailureMessage(const DatabaseError& error, const QString& otherwise);

} // namespace quillbill
