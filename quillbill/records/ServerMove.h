// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace quillbill {

class Database;

// How many rows of one table were moved.
struct MovedTable {
    QString table;
    int64_t rows = 0;
};

// Copies every record of an office's file into an empty database on a
// PostgreSQL server (`server`, opened with Database::openEmptyServer): lays
// out the server's design there, copies each table's rows with their keys
// and the file's row order, so that numbers and keys go on from where the
// file left them, and checks that each table holds as many rows as the
// file's. All of it is one transaction on the server, and the file is read
// as one snapshot and never written: when anything fails, the server is
// left empty and the file as it was. Throws DatabaseError.
std::vector<MovedTable> moveToServer(const Database& file, const Database& server);

// Copies every record of a server's database into `file`, a Quillbill file
// of this version without rows: the server is read as one snapshot, the
// rows keep their keys, and the file holds all of them or, when anything
// fails, none. Throws DatabaseError.
void copyServerToFile(const Database& server, const Database& file);

// What replacing a server's rows took away: the invoices and jobs it held
// that the replacement does not.
struct ReplacedRows {
    int lostInvoices = 0;
    int lostJobs = 0;
};

// Replaces every row of the server's database with those of `file`, a
// Quillbill file of this version, in one write transaction that the other
// desks wait for (up to the lock wait, then it fails and nothing changes).
// Numbers given out stay given: each invoice number counter and each key
// sequence ends no lower than it was. Throws DatabaseError.
ReplacedRows replaceServerRows(const Database& file, const Database& server);

} // namespace quillbill
