// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/DatabaseError.h"
#include "records/ServerAddress.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace quillbill::ServerConnection {

// What differs on a PostgreSQL server from the file, for Database alone.

// What the database on the server must hold to be opened.
enum class Expect { OurDesign, NoTables };

// Opens `connection` (a QPSQL one) to `server`. An empty string when it is
// open and holds what `expect` says: a Quillbill database of this version,
// or no table at all; otherwise why not, for the user, and the connection
// is left closed. A statement on it waits up to `lockWaitMs` for a lock
// another program holds, then fails with Cause::Busy.
QString open(QSqlDatabase& connection, const ServerAddress& server, Expect expect, int lockWaitMs);

// The statement that makes a connection's statements wait up to
// `milliseconds` for another program's lock.
QString lockWaitStatement(int milliseconds);

// What the user can do about a failed statement, from its SQLSTATE.
DatabaseError::Cause causeOf(const QSqlError& error);

// The first statement of a write transaction: it waits for every other
// program's write transaction to end and holds the others off until its own
// ends, as the file's BEGIN IMMEDIATE does, so that nothing is written
// between what it reads and what it writes. The lock's key is the one of
// Quillbill's databases ("QBIL").
inline constexpr char holdOffOtherWriters[] = "SELECT pg_advisory_xact_lock(1363298636)";

} // namespace quillbill::ServerConnection
