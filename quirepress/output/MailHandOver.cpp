// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/MailHandOver.h"

#include "output/DetachedProgram.h"

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextDocument>

namespace quirepress::detail {

namespace {

const QString program = QStringLiteral("xdg-email");

[[noreturn]] void noMailClient()
{
    throw Error(10000, QStringLiteral("Quirepress-SendEmail"),
                QCoreApplication::translate("quirepress::detail::MailHandOver",
                                            "Unable to send the report by email because no mail program (xdg-email) "
                                            "could be started."));
}

// The HTML document beside the message, under a name of its own: the mail
// program reads it after this returns, while another message with the same
// subject may already be on its way.
QString writeAttachment(const QString& html, const QString& temporaryFolder)
{
    QTemporaryFile file(QDir(temporaryFolder).filePath(QStringLiteral("report-XXXXXX.html")));
    file.setAutoRemove(false);
    if (!file.open() || file.write(QByteArrayLiteral("\xEF\xBB\xBF") + html.toUtf8()) < 0 || !file.flush()) {
        const QString failed = file.fileName().isEmpty() ? temporaryFolder : file.fileName();
        const QString reason = file.errorString();
        file.remove();
        throw Error(75, QStringLiteral("Quirepress-SendEmail"),
                    //: %1 is the file (or its folder) that could not be written, %2 the system's reason
                    QCoreApplication::translate("quirepress::detail::MailHandOver", "Path/File access error: %1: %2")
                        .arg(failed, reason));
    }
    return file.fileName();
}

} // namespace

QString mailSubject(const QString& reportName, const QString& emailSubject)
{
    if (!emailSubject.isEmpty())
        return emailSubject;
    QString subject = reportName;
    subject.remove(QStringLiteral(".rdn"));
    const qsizetype separator = std::max(subject.lastIndexOf(u'/'), subject.lastIndexOf(u'\\'));
    return separator >= 0 ? subject.mid(separator + 1) : subject;
}

void SendEmail(const MailMessage& message, const QString& temporaryFolder)
{
    // Looked for before the attachment is written, which would otherwise be
    // left behind for nothing.
    const QString client = QStandardPaths::findExecutable(program);
    if (client.isEmpty())
        noMailClient();
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), message.subject};
    if (!message.htmlBody.isEmpty()) {
        QTextDocument rendered;
        rendered.setHtml(message.htmlBody);
        arguments << QStringLiteral("--body") << rendered.toPlainText() << QStringLiteral("--attach")
                  << writeAttachment(message.htmlBody, temporaryFolder);
    } else {
        arguments << QStringLiteral("--body") << message.plainBody;
    }
    if (!message.recipient.isEmpty())
        arguments << message.recipient;
    if (!startDetachedProgram(client, arguments))
        noMailClient();
}

} // namespace quirepress::detail
