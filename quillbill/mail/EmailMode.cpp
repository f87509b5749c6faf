// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "mail/EmailMode.h"

#include "app/DocumentLanguage.h"

#include <QCoreApplication>
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
    return isInvoice() ? QCoreApplication::translate("quillbill::EmailMode", "Email This Invoice...")
                       : QCoreApplication::translate("quillbill::EmailMode", "Email Your Comments...");
}

QString EmailMode::attachmentLine() const
{
    //: %1 is the name of the file sent with the e-mail.
    return isInvoice() ? QCoreApplication::translate("quillbill::EmailMode", "File Attached: %1")
                             .arg(QFileInfo(attachmentFile_).fileName())
                       : QString();
}

QString EmailMode::subject(const DocumentLanguage& documents) const
{
    //: The subject of the e-mail that sends an invoice to a customer.
    return isInvoice() ? documents.translate("quillbill::Document", "Copy Of Invoice...")
                       : QCoreApplication::translate("quillbill::EmailMode", "Quillbill Comments...");
}

} // namespace quillbill
