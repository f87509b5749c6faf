// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/Keyring.h"

#include <QString>

#include <utility>

namespace quillbill {

struct MailSettings;

// The mail server's password, kept in the desktop's keyring under the
// settings' user and server.
class MailPassword {
public:
    // `service` names the program's entries in the keyring; tests give a
    // name of their own.
    explicit MailPassword(QString service = QStringLiteral("Quillbill")) : keyring_(std::move(service)) {}

    using Reading = Keyring::Reading;

    // The password of the settings' user on the settings' server.
    Reading read(const MailSettings& settings) const { return keyring_.read(entryKey(settings)); }
    // Stores or replaces it. False, with `problem` set, when no keyring took it.
    bool write(const MailSettings& settings, const QString& password, QString* problem = nullptr) const
    {
        return keyring_.write(entryKey(settings), password, problem);
    }
    // Removes it; true also when none was stored.
    bool remove(const MailSettings& settings, QString* problem = nullptr) const
    {
        return keyring_.remove(entryKey(settings), problem);
    }

    // The keyring entry's key: "user@host:port".
    static QString entryKey(const MailSettings& settings);

private:
    Keyring keyring_;
};

} // namespace quillbill
