// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/MessageBoxes.h"

#include <QString>

#include <exception>
#include <functional>

namespace quillbill {

// What a failed piece of work left undone, which a database that was busy,
// read-only or full is said to have stopped.
enum class UndoneWork {
    Saving, // "... so nothing was saved"
    Document, // "... so the document was not made"
};

// What the user is told about a failure: a report engine error as "number -
// description", a database error as its message for the user, any other
// exception as its text.
QString failureText(std::exception_ptr failure, UndoneWork undone = UndoneWork::Saving);

// Runs `work`; when it throws, shows what it threw in one OK box titled
// `title` and returns false. Buttons use it instead of a catch block each.
bool runShowingFailure(MessageBoxes& messages, const QString& title, const std::function<void()>& work,
                       UndoneWork undone = UndoneWork::Saving);

// runShowingFailure for the work of making a document (the invoice, a
// report): its failures say that the document was not made.
inline bool runShowingDocumentFailure(MessageBoxes& messages, const QString& title, const std::function<void()>& work)
{
    return runShowingFailure(messages, title, work, UndoneWork::Document);
}

} // namespace quillbill
