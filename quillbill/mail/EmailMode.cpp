#include "mail/EmailMode.h"

#include <QDir>
#include <QFileInfo>

namespace quillbill {

EmailMode::EmailMode(const QString& attachmentPath, const QString& programFolder)
{
    const QString path = attachmentPath.trimmed();
    if (!path.isEmpty())
        attachmentFile_ = QDir::cleanPath(QDir(programFolder).absoluteFilePath(path));
}

QString EmailMode::caption() const
{
    return isInvoice() ? QStringLiteral("Email This Invoice...") : QStringLiteral("Email Your Comments...");
}

QString EmailMode::attachmentLine() const
{
    return isInvoice() ? QStringLiteral("File Attached: ") + QFileInfo(attachmentFile_).fileName() : QString();
}

QString EmailMode::subject() const
{
    return isInvoice() ? QStringLiteral("Copy Of Invoice...") : QStringLiteral("Quillbill Comments...");
}

} // namespace quillbill
