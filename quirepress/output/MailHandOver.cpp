#include "output/MailHandOver.h"

#include <quirepress/Error.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>

namespace quirepress::detail {

namespace {

const QString program = QStringLiteral("xdg-email");

[[noreturn]] void noMailClient()
{
    throw Error(10000, QStringLiteral("Quirepress-SendEmail"),
                QStringLiteral("Unable to send the report by email because no mail program (xdg-email) could be "
                               "started."));
}

// The HTML document beside the message, named after its subject.
QString writeAttachment(const QString& html, const QString& subject, const QString& temporaryFolder)
{
    QString name = subject;
    name.replace(QRegularExpression(QStringLiteral("[^\\w .-]")), QStringLiteral("_"));
    if (name.trimmed().isEmpty())
        name = QStringLiteral("report");
    const QString path = QDir(temporaryFolder).filePath(name + QStringLiteral(".html"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(QByteArrayLiteral("\xEF\xBB\xBF") + html.toUtf8()) < 0 || !file.flush())
        throw Error(75, QStringLiteral("Quirepress-SendEmail"),
                    QStringLiteral("Path/File access error: %1: %2").arg(path, file.errorString()));
    return path;
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
    if (QStandardPaths::findExecutable(program).isEmpty())
        noMailClient();
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), message.subject};
    if (!message.htmlBody.isEmpty()) {
        QTextDocument rendered;
        rendered.setHtml(message.htmlBody);
        arguments << QStringLiteral("--body") << rendered.toPlainText() << QStringLiteral("--attach")
                  << writeAttachment(message.htmlBody, message.subject, temporaryFolder);
    } else {
        arguments << QStringLiteral("--body") << message.plainBody;
    }
    if (!message.recipient.isEmpty())
        arguments << message.recipient;
    if (!QProcess::startDetached(program, arguments))
        noMailClient();
}

} // namespace quirepress::detail
