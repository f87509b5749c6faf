#pragma once

#include <QString>

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

// Replaces `target` by a copy of `source`: the copy is written beside the
// target, flushed to the disk and then renamed over it, so that at every
// moment `target` is either the old file or the whole new one. Throws
// DatabaseError; `target` is then unchanged.
void replace(const QString& target, const QString& source);

} // namespace DatabaseFiles
} // namespace quillbill
