// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/Keyring.h"
#include "records/ServerAddress.h"

#include <QString>

#include <optional>

namespace quillbill {

class OptionsStore;

// What the options window's "Database" page does apart from its controls:
// which server values it refuses, the check behind Test Connection, and
// what saving writes to the settings and the keyring. Nothing here changes
// the database the program has open: the choice is taken at the next start.
class DatabasePage {
public:
    DatabasePage(OptionsStore& settings, Keyring keyring);

    // The server the settings choose, or nothing for this computer's file.
    std::optional<ServerAddress> load() const;
    Keyring::Reading storedPassword(const ServerAddress& server) const;
    // `server` with the password the keyring keeps for it, unless one was
    // typed.
    ServerAddress withPassword(ServerAddress server) const;

    struct Refusal {
        enum class Field { Host, Database, User, CertificateAuthority };
        Field field;
        QString message;
    };
    // The first value of `server` that cannot be saved, or nothing.
    static std::optional<Refusal> firstRefusal(const ServerAddress& server);

    // What a connection to the server found. Safe to run on any thread: it
    // opens a connection of its own.
    struct Check {
        enum class Outcome { Works, Empty, Fails };
        Outcome outcome = Outcome::Fails;
        QString message;
    };
    static Check check(const ServerAddress& server);

    // Writes the choice, and the password to the keyring when one was
    // typed. When the server's keyring entry moved (another user, host,
    // port or database) and none was typed, the stored password moves with
    // it. The settings are written whatever the keyring says; false, with
    // `keyringProblem` set, when it kept no password.
    bool save(const std::optional<ServerAddress>& chosen, const std::optional<ServerAddress>& before,
              const QString& typedPassword, QString* keyringProblem = nullptr) const;

private:
    OptionsStore& settings_;
    Keyring keyring_;
};

} // namespace quillbill
