// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/OptionsStore.h"
#include "records/ServerAddress.h"

#include <QString>

#include <optional>

namespace quillbill {

// The keys under the group "Database" of the program's settings, which say
// where the office's records are.
namespace DatabaseKey {
// "File": this computer's file in the program folder (the default);
// "Server": a PostgreSQL server, named by the keys below.
inline const QString kind = QStringLiteral("Kind");
inline const QString host = QStringLiteral("Host");
inline const QString port = QStringLiteral("Port");
inline const QString name = QStringLiteral("Database");
inline const QString user = QStringLiteral("User");
// libpq's sslmode ("require", "verify-full"), and the certificate
// authority file "verify-full" checks the server against.
inline const QString encryption = QStringLiteral("Encryption");
inline const QString certificateAuthority = QStringLiteral("Certificate Authority");
} // namespace DatabaseKey

// The server the settings choose, or nothing for this computer's file. The
// password is never among the settings.
std::optional<ServerAddress> chosenServer(const OptionsStore& settings);
// The key of the server's password in the keyring (see Keyring):
// "database:user@host:port/name".
QString serverPasswordKey(const ServerAddress& server);
// Chooses `server`, or this computer's file when there is none.
void chooseServer(OptionsStore& settings, const std::optional<ServerAddress>& server);

} // namespace quillbill
