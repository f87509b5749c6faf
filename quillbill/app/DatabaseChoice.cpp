// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "app/DatabaseChoice.h"

namespace quillbill {

namespace {
const QString onServer = QStringLiteral("Server");
const QString inFile = QStringLiteral("File");
} // namespace

std::optional<ServerAddress> chosenServer(const OptionsStore& settings)
{
    if (settings.text(DatabaseKey::kind, inFile) != onServer)
        return std::nullopt;
    ServerAddress server;
    server.host = settings.text(DatabaseKey::host, QString());
    server.port = settings.number(DatabaseKey::port, server.port);
    server.database = settings.text(DatabaseKey::name, QString());
    server.user = settings.text(DatabaseKey::user, QString());
    server.encryption = settings.text(DatabaseKey::encryption, server.encryption);
    server.certificateAuthority = settings.text(DatabaseKey::certificateAuthority, QString());
    return server;
}

QString serverPasswordKey(const ServerAddress& server)
{
    return QStringLiteral("database:%1@%2:%3/%4").arg(server.user, server.host).arg(server.port).arg(server.database);
}

void chooseServer(OptionsStore& settings, const std::optional<ServerAddress>& server)
{
    if (!server) {
        settings.setText(DatabaseKey::kind, inFile);
        return;
    }
    settings.setText(DatabaseKey::kind, onServer);
    settings.setText(DatabaseKey::host, server->host);
    settings.setNumber(DatabaseKey::port, server->port);
    settings.setText(DatabaseKey::name, server->database);
    settings.setText(DatabaseKey::user, server->user);
    settings.setText(DatabaseKey::encryption, server->encryption);
    settings.setText(DatabaseKey::certificateAuthority, server->certificateAuthority);
}

} // namespace quillbill
