// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "backup/OfficeMove.h"

#include "app/AppContext.h"
#include "app/DatabaseChoice.h"
#include "records/Database.h"
#include "records/DatabaseError.h"
#include "records/ServerMove.h"

#include <QObject>

namespace quillbill {

OfficeMove moveOfficeToServer(AppContext& app, const ServerAddress& server, const Keyring& keyring)
{
    Database& mainDatabase = app.state.MainDatabase;
    if (mainDatabase.kind() != Database::Kind::File)
        throw DatabaseError(QObject::tr("The program already works on a server; only a file can be moved to one."));
    const QString file = mainDatabase.filePath();
    OfficeMove move;
    {
        Database target;
        target.openEmptyServer(server);
        for (const MovedTable& table : moveToServer(mainDatabase, target))
            move.rows += table.rows;
        // Opened as the program will open it, before anything is switched.
        target.openServer(server);
    }
    chooseServer(app.databaseSettings, server);
    if (!server.password.isEmpty())
        keyring.write(serverPasswordKey(server), server.password, &move.keyringProblem);
    try {
        mainDatabase.openServer(server);
    } catch (const DatabaseError& error) {
        // The records are on the server and the next start opens it; until
        // then the program goes on with the file.
        mainDatabase.open(file);
        throw DatabaseError(QObject::tr("The records were moved, but the program could not open the server "
                                        "now; it opens it when it next starts.\n%1")
                                .arg(error.message()));
    }
    return move;
}

} // namespace quillbill
