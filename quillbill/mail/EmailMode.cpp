#include "mail/EmailMode.h"

namespace quillbill {

EmailMode::EmailMode(const QString& attachmentPath, const QString& programFolder)
    : attachmentPath_(attachmentPath), programFolder_(programFolder)
{}

QString EmailMode::caption() const
{
    return isInvoice() ? QStringLiteral("Email This Invoice...") : QStringLiteral("Email Your Comments...");
}

QString EmailMode::attachmentLine() const
{
    return isInvoice() ? QStringLiteral("File Attached: ") + attachmentPath_.trimmed() : QString();
}

QString EmailMode::subject() const
{
    return isInvoice() ? QStringLiteral("Copy Of Invoice...") : QStringLiteral("Quillbill Comments...");
}

QString EmailMode::attachmentFile() const
{
    if (!isInvoice())
        return {};
    // The path is kept with its leading separator ("/Invoice.html"); one
    // without it still names a file inside the program folder.
    const bool separated = attachmentPath_.startsWith(u'/');
    return programFolder_ + (separated ? QString() : QStringLiteral("/")) + attachmentPath_;
}

} // namespace quillbill
