// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quillbill {

// Where an office keeps its records on a PostgreSQL server, and how the
// program signs in to it.
struct ServerAddress {
    // A host name or address, or the folder of the server's Unix socket.
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;
    // libpq's sslmode: "prefer" (encrypted when the server offers it),
    // "require" (always encrypted), or "verify-full" (encrypted, and the
    // server's certificate checked against `certificateAuthority` for the
    // host name).
    QString encryption = QStringLiteral("prefer");
    QString certificateAuthority;
};

} // namespace quillbill
