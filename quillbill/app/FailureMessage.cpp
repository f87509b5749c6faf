#include "app/FailureMessage.h"

#include "records/DatabaseError.h"

#include <quirepress/Error.h>

#include <QApplication>
#include <QObject>

namespace quillbill {

QString failureText(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const quirepress::Error& error) {
        return QStringLiteral("%1 - %2").arg(error.number()).arg(error.description());
    } catch (const DatabaseError& error) {
        return saveFailureMessage(error, error.message());
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QObject::tr("The work stopped on an error of unknown kind.");
    }
}

bool runShowingFailure(MessageBoxes& messages, const QString& title, const std::function<void()>& work)
{
    QString text;
    try {
        work();
        return true;
    } catch (...) {
        text = failureText(std::current_exception());
    }
    // Shown outside the handler, so that whatever the box lets run (events
    // of other windows) is not inside a catch block.
    messages.warn(QApplication::activeWindow(), text, title);
    return false;
}

} // namespace quillbill
