#include "app/Keyring.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QEventLoop>
#include <QTimer>

#include <utility>

namespace quillbill {

namespace {

// Long enough for a user to type the keyring's own password when it asks
// to be unlocked; a keyring that has not answered by then is taken as none.
constexpr int answerBoundMs = 60'000;

struct JobResult {
    bool finished = false;
    QKeychain::Error error = QKeychain::NoError;
    QString errorString;
    QString text;
};

// Runs `job` and waits for its answer in a local event loop. The job deletes
// itself once it finishes; should it never finish, its late answer goes
// nowhere, because the connection dies with the loop.
template <typename Job>
JobResult run(Job* job)
{
    // Without a keyring QtKeychain would otherwise keep the password in a
    // plain settings file.
    job->setInsecureFallback(false);
    job->setAutoDelete(true);
    JobResult result;
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job* done) {
        result.finished = true;
        result.error = done->error();
        result.errorString = done->errorString();
        if (const auto* reading = qobject_cast<QKeychain::ReadPasswordJob*>(done))
            result.text = reading->textData();
        loop.quit();
    });
    QTimer::singleShot(answerBoundMs, &loop, &QEventLoop::quit);
    job->start();
    if (!result.finished)
        loop.exec();
    return result;
}

QString problemOf(const JobResult& result)
{
    if (!result.finished)
        return QCoreApplication::translate("quillbill::Keyring", "The keyring did not answer within %1 seconds.")
            .arg(answerBoundMs / 1000);
    if (result.errorString.isEmpty())
        return QCoreApplication::translate("quillbill::Keyring", "No keyring answered.");
    return result.errorString;
}

// Whether the Secret Service holds a locked entry of `service` under `key`.
// A locked entry whose unlock prompt is cancelled reaches QtKeychain as no
// entry at all; the service itself still tells locked entries apart. The
// attributes are those QtKeychain files its entries under.
bool lockedEntryExists(const QString& service, const QString& key)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage search = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.secrets"), QStringLiteral("/org/freedesktop/secrets"),
        QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("SearchItems"));
    QDBusArgument attributes;
    attributes.beginMap(QMetaType::fromType<QString>(), QMetaType::fromType<QString>());
    for (const auto& [name, value] : {std::pair{QStringLiteral("user"), key}, {QStringLiteral("server"), service}}) {
        attributes.beginMapEntry();
        attributes << name << value;
        attributes.endMapEntry();
    }
    attributes.endMap();
    search << QVariant::fromValue(attributes);
    const QDBusMessage reply = bus.call(search, QDBus::BlockWithGui, answerBoundMs);
    // SearchItems gives the unlocked items, then the locked ones.
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return false;
    return !qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(1)).isEmpty();
}

} // namespace

Keyring::Keyring(QString service) : service_(std::move(service)) {}

Keyring::Reading Keyring::read(const QString& key) const
{
    auto* job = new QKeychain::ReadPasswordJob(service_);
    job->setKey(key);
    const JobResult result = run(job);
    Reading reading;
    if (result.finished && result.error == QKeychain::NoError) {
        reading.keyringAnswered = true;
        reading.password = result.text;
    } else if (result.finished && result.error == QKeychain::EntryNotFound) {
        if (lockedEntryExists(service_, key)) {
            reading.locked = true;
            reading.problem =
                QCoreApplication::translate("quillbill::Keyring", "the keyring is locked and was not unlocked");
        } else {
            reading.keyringAnswered = true;
        }
    } else {
        reading.locked = result.finished && result.error == QKeychain::AccessDenied;
        reading.problem = problemOf(result);
    }
    return reading;
}

bool Keyring::write(const QString& key, const QString& password, QString* problem) const
{
    auto* job = new QKeychain::WritePasswordJob(service_);
    job->setKey(key);
    job->setTextData(password);
    const JobResult result = run(job);
    const bool written = result.finished && result.error == QKeychain::NoError;
    if (!written && problem)
        *problem = problemOf(result);
    return written;
}

bool Keyring::remove(const QString& key, QString* problem) const
{
    auto* job = new QKeychain::DeletePasswordJob(service_);
    job->setKey(key);
    const JobResult result = run(job);
    const bool removed =
        result.finished && (result.error == QKeychain::NoError || result.error == QKeychain::EntryNotFound);
    if (!removed && problem)
        *problem = problemOf(result);
    return removed;
}

} // namespace quillbill
