#include "mail/SendMail.h"

#include "common/OptionsStore.h"
#include "mail/MimeMessage.h"
#include "mail/SmtpTransfer.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QPointer>
#include <QUrl>
#include <QUuid>

#include <atomic>
#include <optional>
#include <thread>

namespace quillbill {

namespace {

const QString senderKey = QStringLiteral("Mail Sender");
const QString recipientKey = QStringLiteral("Mail Recipient");

struct Server {
    QString url;
    QString name;
    QString problem;
};

Server resolveServer(const QString& text)
{
    const QString trimmed = text.trimmed();
    const QString withScheme = trimmed.contains(QLatin1String("://")) ? trimmed : QStringLiteral("smtp://") + trimmed;
    const QUrl url(withScheme, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return {{}, {}, SendMail::tr("The mail server \"%1\" is not a valid server name.").arg(trimmed)};
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("smtp") && scheme != QLatin1String("smtps"))
        return {{},
                {},
                SendMail::tr("The mail server \"%1\" must be given as smtp://host:port or smtps://host:port.")
                    .arg(trimmed)};
    // Messages name the server without any user name or password in the URL.
    QUrl shown = url;
    shown.setUserInfo({});
    return {QString::fromLatin1(url.toEncoded()), shown.authority(), {}};
}

} // namespace

class SendMail::Private {
public:
    explicit Private(OptionsStore& store) : options(store) {}

    OptionsStore& options;
    bool remember = false;
    QString server;
    // Unset until a setter runs; then the remembered value no longer applies.
    std::optional<QString> sender;
    std::optional<QString> recipient;
    QString subject;
    QString body;
    QString attachment;
    int connectSeconds = 15;
    int transferSeconds = 60;

    bool sending = false;
    int lastPercent = -1;
    // The running send's flag, set when this object dies in the middle of it.
    std::atomic<bool>* cancel = nullptr;

    QString remembered(const std::optional<QString>& value, const QString& key) const
    {
        if (value)
            return *value;
        return remember ? options.text(key, QString()) : QString();
    }
};

SendMail::SendMail(OptionsStore& options, QObject* parent) : QObject(parent), d(std::make_unique<Private>(options)) {}

SendMail::~SendMail()
{
    if (d->cancel)
        *d->cancel = true;
}

void SendMail::setRememberSettings(bool remember) { d->remember = remember; }

bool SendMail::RememberSettings() const { return d->remember; }

void SendMail::setSMTPHost(const QString& server) { d->server = server; }

QString SendMail::SMTPHost() const { return d->server; }

void SendMail::setSenderAddress(const QString& address) { d->sender = address; }

QString SendMail::SenderAddress() const { return d->remembered(d->sender, senderKey); }

void SendMail::setRecipientAddress(const QString& address) { d->recipient = address; }

QString SendMail::RecipientAddress() const { return d->remembered(d->recipient, recipientKey); }

void SendMail::setSubject(const QString& subject) { d->subject = subject; }

void SendMail::setMessage(const QString& body) { d->body = body; }

void SendMail::setAttachment(const QString& path) { d->attachment = path; }

void SendMail::setTimeouts(int connectSeconds, int transferSeconds)
{
    d->connectSeconds = std::max(1, connectSeconds);
    d->transferSeconds = std::max(1, transferSeconds);
}

void SendMail::Send()
{
    // A window's slot may call Send() again while the event loop below runs.
    if (d->sending) {
        emit SendFailed(tr("A message is being sent already: wait until that send has ended."));
        return;
    }

    const QString sender = SenderAddress().trimmed();
    const QString recipient = RecipientAddress().trimmed();
    const auto fail = [this](const QString& explanation) {
        emit Status(tr("The message was not sent."));
        emit SendFailed(explanation);
    };
    if (sender.isEmpty())
        return fail(tr("No sender address is given: enter the e-mail address the message is sent from."));
    if (recipient.isEmpty())
        return fail(tr("No recipient address is given: enter the e-mail address the message goes to."));
    if (d->server.trimmed().isEmpty())
        return fail(tr("No mail server is given: enter the SMTP server that sends the message."));
    const Server server = resolveServer(d->server);
    if (!server.problem.isEmpty())
        return fail(server.problem);

    mail::MimeContent content{sender, recipient, d->subject, d->body, {}};
    if (!d->attachment.isEmpty()) {
        const QFileInfo file(d->attachment);
        const QString shownPath = QDir::toNativeSeparators(d->attachment);
        if (!file.isFile())
            return fail(tr("The attachment %1 does not exist.").arg(shownPath));
        QFile reader(d->attachment);
        if (!reader.open(QIODevice::ReadOnly))
            return fail(tr("The attachment %1 could not be read: %2").arg(shownPath, reader.errorString()));
        content.attachment = {file.fileName(), QMimeDatabase().mimeTypeForFile(file).name(), reader.readAll()};
        if (reader.error() != QFileDevice::NoError)
            return fail(tr("The attachment %1 could not be read: %2").arg(shownPath, reader.errorString()));
    }

    const QString unique = QUuid::createUuid().toString(QUuid::WithoutBraces);
    mail::SmtpRequest request;
    request.url = server.url;
    request.serverName = server.name;
    request.sender = mail::envelopeAddress(sender);
    request.recipient = mail::envelopeAddress(recipient);
    request.message = mail::buildMimeMessage(content, QDateTime::currentDateTime(), unique);
    request.connectSeconds = d->connectSeconds;
    request.transferSeconds = d->transferSeconds;

    d->sending = true;
    d->lastPercent = -1;
    std::atomic<bool> cancel = false;
    d->cancel = &cancel;
    const QPointer<SendMail> self(this);
    const auto showProgress = [self](int percent) {
        if (self && self->d->lastPercent != percent) {
            self->d->lastPercent = percent;
            emit self->Progress(percent);
        }
    };
    showProgress(0);

    // The worker's reports are queued to `loop`, which lives on this thread
    // until the worker has been joined; this object may be deleted by a slot
    // in the meantime, so the calls check `self` once they run here.
    QEventLoop loop;
    const mail::SmtpReporter reporter{[&loop, self](const QString& line) {
                                          QMetaObject::invokeMethod(
                                              &loop,
                                              [self, line] {
                                                  if (self)
                                                      emit self->Status(line);
                                              },
                                              Qt::QueuedConnection);
                                      },
                                      [&loop, showProgress](int percent) {
                                          QMetaObject::invokeMethod(
                                              &loop, [showProgress, percent] { showProgress(percent); },
                                              Qt::QueuedConnection);
                                      }};
    std::atomic<bool> finished = false;
    mail::SmtpOutcome outcome;
    std::thread worker([&] {
        outcome = mail::transferMessage(request, reporter, cancel);
        finished = true;
        // Queued after every report, so they have all been delivered when the
        // loop ends.
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    // The loop also ends when the application quits; the send is then cut
    // short rather than holding the quit up for a whole timeout.
    if (!finished)
        cancel = true;
    worker.join();
    if (!self)
        return;

    d->sending = false;
    d->cancel = nullptr;
    if (!outcome.sent)
        return fail(outcome.explanation);
    if (d->remember) {
        d->options.setText(senderKey, sender);
        d->options.setText(recipientKey, recipient);
    }
    showProgress(100);
    emit Status(tr("Message sent."));
    emit SendSuccesful();
}

} // namespace quillbill
