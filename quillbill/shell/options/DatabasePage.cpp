// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/options/DatabasePage.h"

#include "app/DatabaseChoice.h"
#include "records/Database.h"
#include "records/DatabaseError.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace quillbill {

DatabasePage::DatabasePage(OptionsStore& settings, Keyring keyring) : settings_(settings), keyring_(std::move(keyring))
{}

std::optional<ServerAddress> DatabasePage::load() const { return chosenServer(settings_); }

Keyring::Reading DatabasePage::storedPassword(const ServerAddress& server) const
{
    return keyring_.read(serverPasswordKey(server));
}

ServerAddress DatabasePage::withPassword(ServerAddress server) const
{
    if (server.password.isEmpty()) {
        if (const Keyring::Reading stored = storedPassword(server); stored.password)
            server.password = *stored.password;
    }
    return server;
}

std::optional<DatabasePage::Refusal> DatabasePage::firstRefusal(const ServerAddress& server)
{
    using Field = Refusal::Field;
    if (server.host.trimmed().isEmpty())
        return Refusal{Field::Host,
                       QCoreApplication::translate("quillbill::DatabasePage",
                                                   "Please enter the name or address of the database server.")};
    if (server.database.trimmed().isEmpty())
        return Refusal{Field::Database,
                       QCoreApplication::translate("quillbill::DatabasePage",
                                                   "Please enter the name of the database on the server.")};
    if (server.user.trimmed().isEmpty())
        return Refusal{Field::User,
                       QCoreApplication::translate("quillbill::DatabasePage",
                                                   "Please enter the user name the program signs in with.")};
    if (server.encryption == QLatin1String("verify-full")) {
        if (server.certificateAuthority.isEmpty())
            return Refusal{
                Field::CertificateAuthority,
                QCoreApplication::translate("quillbill::DatabasePage",
                                            "Checking the server's certificate needs the file of the certificate "
                                            "authority that vouches for it. Please choose that file.")};
        const QFileInfo file(server.certificateAuthority);
        if (!file.isFile() || !file.isReadable())
            return Refusal{Field::CertificateAuthority,
                           QCoreApplication::translate("quillbill::DatabasePage",
                                                       "The certificate authority file %1 cannot be read.")
                               .arg(server.certificateAuthority)};
    }
    return std::nullopt;
}

DatabasePage::Check DatabasePage::check(const ServerAddress& server)
{
    //: %1 is a database's name, %2 its server; the text takes the place of %1 in "Connection works: ...".
    const QString where = QCoreApplication::translate("quillbill::DatabasePage", "the database %1 on %2")
                              .arg(server.database, server.host);
    Database database;
    try {
        database.openServer(server);
        return {Check::Outcome::Works,
                QCoreApplication::translate("quillbill::DatabasePage",
                                            "Connection works: %1 holds Quillbill's records of this version.")
                    .arg(where)};
    } catch (const DatabaseError& ours) {
        // A database the office has yet to move to is empty, and that is
        // worth telling apart from one that cannot be used at all.
        try {
            database.openEmptyServer(server);
            return {Check::Outcome::Empty,
                    QCoreApplication::translate(
                        "quillbill::DatabasePage",
                        "Connection works, and %1 is empty. Tools > Database > Move to Server... moves "
                        "this computer's records into it.")
                        .arg(where)};
        } catch (const DatabaseError&) {
            return {Check::Outcome::Fails, ours.message()};
        }
    }
}

bool DatabasePage::save(const std::optional<ServerAddress>& chosen, const std::optional<ServerAddress>& before,
                        const QString& typedPassword, QString* keyringProblem) const
{
    chooseServer(settings_, chosen);
    if (!chosen)
        return true;
    const QString key = serverPasswordKey(*chosen);
    if (!typedPassword.isEmpty())
        return keyring_.write(key, typedPassword, keyringProblem);
    if (!before || serverPasswordKey(*before) == key)
        return true;
    const Keyring::Reading moving = keyring_.read(serverPasswordKey(*before));
    if (moving.locked) {
        if (keyringProblem)
            *keyringProblem = moving.problem;
        return false;
    }
    if (!moving.password)
        return true;
    if (!keyring_.write(key, *moving.password, keyringProblem))
        return false;
    keyring_.remove(serverPasswordKey(*before));
    return true;
}

} // namespace quillbill
