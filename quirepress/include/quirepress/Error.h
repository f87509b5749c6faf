// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Export.h>

#include <QString>

#include <exception>
#include <string>

namespace quirepress {

// What every failure of the report engine throws: a number, the place it
// came from and a description, as the engine's callers report them.
//
// Numbers with a fixed meaning: 5 invalid argument, 6 overflow, 9 out of
// range, 13 type mismatch, 53 file not found, 75 a file that cannot be
// written, 401 a window cannot be shown modeless over a modal caller, 32755
// the user cancelled a file dialog, 10000 no mail client.
class QUIREPRESS_EXPORT Error : public std::exception {
public:
    Error(int number, QString source, QString description);

    int number() const noexcept { return number_; }
    const QString& source() const noexcept { return source_; }
    const QString& description() const noexcept { return description_; }

    const char* what() const noexcept override;

private:
    int number_;
    QString source_;
    QString description_;
    std::string what_;
};

} // namespace quirepress
