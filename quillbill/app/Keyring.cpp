// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "app/Keyring.h"

#include "app/KeyringModule.h"
#include "common/RuntimeLibrary.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace quillbill {

namespace {

// Long enough for a user to type the keyring's own password when it asks
// to be unlocked; a keyring that has not answered by then is taken as none.
constexpr int answerBoundMs = 60'000;

// Where the QtKeychain module is: an installed program's in its private
// library folder; the build's programs and tests have it in the build's
// program folder, along their run path.
QByteArray moduleFile()
{
    const QString installed = QCoreApplication::applicationDirPath()
        + QStringLiteral("/" QUILLBILL_MODULES_FROM_BINARY "/") + QLatin1String(keyringModuleFile);
    return QFileInfo::exists(installed) ? QFile::encodeName(installed) : QByteArray(keyringModuleFile);
}

// The module, opened on the first use of the keyring and kept.
struct LoadedModule {
    RuntimeLibrary library{moduleFile()};
    const KeyringModule* module = nullptr;
    // In the loader's words, or the module's version.
    QString problem;

    LoadedModule()
    {
        const KeyringModule* (*entry)() = nullptr;
        if (!library.resolve(keyringModuleEntry, entry)) {
            problem = library.problem();
            return;
        }
        if (const KeyringModule* table = entry(); table && table->version == keyringModuleVersion)
            module = table;
        else
            problem = QCoreApplication::translate("quillbill::Keyring", "%1 belongs to another version of Quillbill")
                          .arg(QLatin1String(keyringModuleFile));
    }
};

// The module, or nullptr with `problem` set for the user.
const KeyringModule* keyringModule(QString* problem)
{
    static const LoadedModule loaded;
    if (!loaded.module && problem)
        *problem = QCoreApplication::translate("quillbill::Keyring", "The keyring module could not be loaded: %1")
                       .arg(loaded.problem);
    return loaded.module;
}

QString problemOf(const KeyringAnswer& result)
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
    Reading reading;
    const KeyringModule* module = keyringModule(&reading.problem);
    if (!module)
        return reading;
    const KeyringAnswer result = module->read(service_, key, answerBoundMs);
    if (result.finished && result.error == KeyringAnswer::Error::None) {
        reading.keyringAnswered = true;
        reading.password = result.text;
    } else if (result.finished && result.error == KeyringAnswer::Error::EntryNotFound) {
        if (lockedEntryExists(service_, key)) {
            reading.locked = true;
            reading.problem =
                QCoreApplication::translate("quillbill::Keyring", "the keyring is locked and was not unlocked");
        } else {
            reading.keyringAnswered = true;
        }
    } else {
        reading.locked = result.finished && result.error == KeyringAnswer::Error::AccessDenied;
        reading.problem = problemOf(result);
    }
    return reading;
}

bool Keyring::write(const QString& key, const QString& password, QString* problem) const
{
    const KeyringModule* module = keyringModule(problem);
    if (!module)
        return false;
    const KeyringAnswer result = module->write(service_, key, password, answerBoundMs);
    const bool written = result.finished && result.error == KeyringAnswer::Error::None;
    if (!written && problem)
        *problem = problemOf(result);
    return written;
}

bool Keyring::remove(const QString& key, QString* problem) const
{
    const KeyringModule* module = keyringModule(problem);
    if (!module)
        return false;
    const KeyringAnswer result = module->remove(service_, key, answerBoundMs);
    const bool removed = result.finished
        && (result.error == KeyringAnswer::Error::None || result.error == KeyringAnswer::Error::EntryNotFound);
    if (!removed && problem)
        *problem = problemOf(result);
    return removed;
}

} // namespace quillbill
