// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <optional>

namespace quillbill {

// Passwords kept in the desktop's keyring (the Secret Service, through
// QtKeychain, in a module loaded on the first call: KeyringModule.h) and
// never in the settings file, each under a key of its own. Each call waits
// for the keyring's answer while the caller's events keep flowing. Without
// the module every call fails with `problem` saying so.
class Keyring {
public:
    // `service` names the program's entries in the keyring; tests give a
    // name of their own.
    explicit Keyring(QString service = QStringLiteral("Quillbill"));

    struct Reading {
        // False when no keyring answered (none runs, or it is locked and the
        // user would not unlock it): the caller asks for the password.
        bool keyringAnswered = false;
        // A password is stored, but it is locked away: the keyring was not
        // unlocked (its prompt was cancelled, or could not be shown). The
        // keyring did not answer then.
        bool locked = false;
        // The stored password; nothing when none is stored or it could not
        // be read.
        std::optional<QString> password;
        // Why the keyring did not answer, for the user.
        QString problem;
    };

    Reading read(const QString& key) const;
    // Stores or replaces it. False, with `problem` set, when no keyring took it.
    bool write(const QString& key, const QString& password, QString* problem = nullptr) const;
    // Removes it; true also when none was stored.
    bool remove(const QString& key, QString* problem = nullptr) const;

private:
    QString service_;
};

} // namespace quillbill
