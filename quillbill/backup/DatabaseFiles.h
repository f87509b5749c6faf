// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <functional>

namespace quillbill {

class Database;

// Whole-file operations on Quillbill database files: the copy a backup makes,
// the checks a restore makes before it touches the live file, and the
// replacement that never leaves the program without a whole database.
namespace DatabaseFiles {

// Copies the open database into `destination` with SQLite's online backup,
// so the copy is consistent even while the program or another one writes.
// The copy is written beside `destination` under a name of its own, checked
// (the size of the database, a whole Quillbill database) and only then
// renamed over it, so two backups at once never share a file and a bad copy
// never takes the backup's name. The copy is its owner's only from the
// start; while it is written its lock file is held, which tells it from the
// leftovers of a killed backup. `whileCopying` runs once the copy's file is
// made. Throws DatabaseError.
void backup(const Database& live, const QString& destination, const std::function<void()>& whileCopying = {});

// An empty string when `path` is a whole Quillbill database that a restore
// can take: it exists, opens as SQLite, passes the integrity check, and its
// design is exactly that of a schema version this program knows, with no
// trigger, view or other object of anyone else's. Otherwise what is wrong
// with it, in words for the user.
QString problemWith(const QString& path);

// An empty string when `copy` has the size of `source`, opens, passes the
// integrity check and holds the Quillbill tables (whatever else the live
// database holds, its copy is still a backup); otherwise what is wrong.
QString copyProblem(const QString& source, const QString& copy);

enum class RestoreStep {
    Copying, // a part of the rows is written; the live file is locked
    Checking, // all is in; the integrity check of the live file runs
};

// What a restore took away: the invoices and jobs of the live database that
// the backup does not hold (made after it was taken).
struct RestoreOutcome {
    int lostInvoices = 0;
    int lostJobs = 0;
};

// Puts the rows of the backup `source` into the open `live` database, in
// one transaction of live's connection that takes the write lock first:
// other programs with the file open see the restored rows, nothing is
// renamed (a symbolic link stays one and its target gets the data), and when
// it fails, or the process dies part-way, the live database is as it was.
// Only rows come across: no trigger or other object of the backup's, and not
// its file header, so the live file keeps its journal mode. Numbers given
// out stay given: each invoice number counter and the customer number
// sequence end at no less than they were in either database. The backup's
// design is checked again inside the transaction. Afterwards the live file
// must pass the integrity check. `onStep` is told each step as it is
// reached. Throws DatabaseError, whose message names a full disk and another
// program holding the file.
RestoreOutcome restoreInto(const Database& live, const QString& source,
                           const std::function<void(RestoreStep)>& onStep = {});

// Removes the *.partial files in `folder` that a killed backup left behind,
// with their journals and lock files: those whose lock no backup holds. A
// copy without a lock file (made otherwise) goes only when it has not been
// written to for a while. Returns how many copies were removed.
int removeStalePartials(const QString& folder);

} // namespace DatabaseFiles
} // namespace quillbill
