// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// libquillbill-keyring.so: the keyring through QtKeychain, loaded by Keyring
// on its first use (KeyringModule.h).

#include "app/KeyringModule.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>

namespace quillbill {

namespace {

KeyringAnswer::Error errorOf(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError:
        return KeyringAnswer::Error::None;
    case QKeychain::EntryNotFound:
        return KeyringAnswer::Error::EntryNotFound;
    case QKeychain::AccessDenied:
        return KeyringAnswer::Error::AccessDenied;
    default:
        return KeyringAnswer::Error::Other;
    }
}

// Runs `job` and waits for its answer in a local event loop. The job deletes
// itself once it finishes; should it never finish, its late answer goes
// nowhere, because the connection dies with the loop.
KeyringAnswer run(QKeychain::Job* job, int boundMs)
{
    // Without a keyring QtKeychain would otherwise keep the password in a
    // plain settings file.
    job->setInsecureFallback(false);
    job->setAutoDelete(true);
    KeyringAnswer answer;
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job* done) {
        answer.finished = true;
        answer.error = errorOf(done->error());
        answer.errorString = done->errorString();
        if (const auto* reading = qobject_cast<QKeychain::ReadPasswordJob*>(done))
            answer.text = reading->textData();
        loop.quit();
    });
    QTimer::singleShot(boundMs, &loop, &QEventLoop::quit);
    job->start();
    if (!answer.finished)
        loop.exec();
    return answer;
}

KeyringAnswer readPassword(const QString& service, const QString& key, int boundMs)
{
    auto* job = new QKeychain::ReadPasswordJob(service);
    job->setKey(key);
    return run(job, boundMs);
}

KeyringAnswer writePassword(const QString& service, const QString& key, const QString& password, int boundMs)
{
    auto* job = new QKeychain::WritePasswordJob(service);
    job->setKey(key);
    job->setTextData(password);
    return run(job, boundMs);
}

KeyringAnswer deletePassword(const QString& service, const QString& key, int boundMs)
{
    auto* job = new QKeychain::DeletePasswordJob(service);
    job->setKey(key);
    return run(job, boundMs);
}

const KeyringModule module{keyringModuleVersion, readPassword, writePassword, deletePassword};

} // namespace

} // namespace quillbill

extern "C" __attribute__((visibility("default"))) const quillbill::KeyringModule* quillbill_keyring_module()
{
    return &quillbill::module;
}
