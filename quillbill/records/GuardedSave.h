// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <optional>

namespace quillbill {

class Database;

// What became of a save that writes only over the row its window read.
enum class SaveOutcome {
    Saved,
    // Someone else (another program on the same file) changed the row after
    // it was read: nothing was written.
    ChangedMeanwhile,
    // The row was deleted after it was read: nothing was written.
    Gone,
};

// Every column of the row of `table` whose `keyColumn` holds `key`, as the
// table holds it now; nullopt when there is no such row.
std::optional<QSqlRecord> readStoredRow(const Database& database, const QString& table, const QString& keyColumn,
                                        const QVariant& key);

// Runs "UPDATE table SET <assignments>" with `values` bound on the row whose
// `keyColumn` holds `key`, but only when every column of that row still holds
// what `asRead` holds: a second program's save in between is never silently
// undone. The check and the write are one transaction that takes the write
// lock first. On Saved, `asRead` becomes the row as written, so the next save
// of the same window is checked against its own last write; otherwise
// nothing is written and `asRead` is left alone. An `asRead` without columns
// (a row never read) matches no row. A value the database refuses throws
// DatabaseError and writes nothing.
SaveOutcome saveIfUnchanged(const Database& database, const QString& table, const QString& keyColumn,
                            const QVariant& key, const QString& assignments, const QVariantList& values,
                            QSqlRecord& asRead);

// saveIfUnchanged for a caller that already holds the write lock in a
// transaction of its own, to check more rows in it before writing. `asRead`
// becomes the row as written before that transaction commits.
SaveOutcome saveIfUnchangedInTransaction(const Database& database, const QString& table, const QString& keyColumn,
                                         const QVariant& key, const QString& assignments, const QVariantList& values,
                                         QSqlRecord& asRead);

} // namespace quillbill
