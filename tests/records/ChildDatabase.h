// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/Database.h"

#include <QString>
#include <QUrl>
#include <QUrlQuery>

namespace quillbill::testing {

// Opens the database a test's child program is given: a file's path, or a
// server's as postgresql://USER@/NAME?host=FOLDER (TestServerDatabase::url).
inline void openChildDatabase(Database& database, const QString& where)
{
    if (!where.startsWith(QLatin1String("postgresql:"))) {
        database.open(where);
        return;
    }
    const QUrl url(where);
    ServerAddress server;
    server.host = QUrlQuery(url).queryItemValue(QStringLiteral("host"));
    server.database = url.path().mid(1);
    server.user = url.userName();
    database.openServer(server);
}

} // namespace quillbill::testing
