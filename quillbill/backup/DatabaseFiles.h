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
// The copy is written beside `destination` and renamed over it once it is
// complete. Throws DatabaseError.
void backup(const Database& live, const QString& destination);

// An empty string when `path` is a whole Quillbill database (it exists, opens
// as SQLite, passes the integrity check and holds the Quillbill tables);
// otherwise what is wrong with it, in words for the user.
QString problemWith(const QString& path);

// An empty string when `copy` has the size of `source` and is a whole
// Quillbill database; otherwise what is wrong with it.
QString copyProblem(const QString& source, const QString& copy);

enum class RestoreStep {
    Copying, // a part of the pages is written; the live file is locked
    Checking, // all is in; the integrity check of the live file runs
};

// Copies the database `source` into the open `live` database with SQLite's
// online backup, through live's connection and under SQLite's locks, so other
// programs with the file open see the new content and nothing is renamed
// (a symbolic link stays one and its target gets the data). The copy is one
// transaction: when it fails, or the process dies part-way, the live
// database is as it was. Afterwards the live file must pass the integrity
// check. `onStep` is told each step as it is reached. Throws DatabaseError,
// whose message names a full disk and another program holding the file.
void restoreInto(const Database& live, const QString& source, const std::function<void(RestoreStep)>& onStep = {});

// Removes the *.partial files in `folder` that a killed backup left behind;
// a recent one may belong to a backup running now and stays. Returns how
// many were removed.
int removeStalePartials(const QString& folder);

} // namespace DatabaseFiles
} // namespace quillbill
