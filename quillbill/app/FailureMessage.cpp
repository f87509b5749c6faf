// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "app/FailureMessage.h"

#include "records/DatabaseError.h"

#include <quirepress/Error.h>

#include <QApplication>
#include <QCoreApplication>

namespace quillbill {

namespace {

// A document is read from the database, and a busy, read-only or full one
// stops it being made; nothing of the user's was lost.
QString documentFailureMessage(const DatabaseError& error)
{
    switch (error.cause()) {
    case DatabaseError::Cause::Busy:
        return QCoreApplication::translate("quillbill::FailureMessage",
                                           "Another program is using the database, so the document was not made. "
                                           "Please try again in a moment.");
    case DatabaseError::Cause::ReadOnly:
        return QCoreApplication::translate(
            "quillbill::FailureMessage",
            "The database cannot be changed: the file or its folder is read-only, so the "
            "document was not made.");
    case DatabaseError::Cause::DiskFull:
        return QCoreApplication::translate("quillbill::FailureMessage",
                                           "The disk that holds the database is full, so the document was not made. "
                                           "Please make room on it and try again.");
    case DatabaseError::Cause::ConnectionLost:
        return QCoreApplication::translate(
            "quillbill::FailureMessage",
            "The connection to the database server was lost, so the document was not made. "
            "Please try again: the program connects again first.");
    case DatabaseError::Cause::Other:
        break;
    }
    return error.message();
}

} // namespace

QString failureText(std::exception_ptr failure, UndoneWork undone)
{
    try {
        std::rethrow_exception(failure);
    } catch (const quirepress::Error& error) {
        //: A report engine error: %1 is its number, %2 its description.
        return QCoreApplication::translate("quillbill::FailureMessage", "%1 - %2")
            .arg(error.number())
            .arg(error.description());
    } catch (const DatabaseError& error) {
        if (undone == UndoneWork::Document)
            return documentFailureMessage(error);
        return saveFailureMessage(error, error.message());
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QCoreApplication::translate("quillbill::FailureMessage",
                                           "The work stopped on an error of unknown kind.");
    }
}

bool runShowingFailure(MessageBoxes& messages, const QString& title, const std::function<void()>& work,
                       UndoneWork undone)
{
    QString text;
    try {
        work();
        return true;
    } catch (...) {
        text = failureText(std::current_exception(), undone);
    }
    // Shown outside the handler, so that whatever the box lets run (events
    // of other windows) is not inside a catch block.
    messages.warn(QApplication::activeWindow(), text, title);
    return false;
}

} // namespace quillbill
