// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>
#include <QStringList>

namespace quillbill {

class Database;

// Brings a database file of an older schema version up to the current one
// (SchemaCheck::currentVersion). Every change of design is a step here, from
// the version before it.
namespace SchemaUpgrade {

// Upgrades the open database `db` when it is of an older version. A copy of
// the file as it was is kept beside it first (see keptCopyName), then every
// step runs in one transaction that holds the write lock from its start and
// ends by setting the new version: a failure leaves the file as it was. The
// version is read again under the lock, so of two programs opening one old
// file at once only one upgrades it and the other finds it done. Returns the
// path of the copy kept, or an empty string when the file needed nothing.
// Throws DatabaseError, also when the file or its folder cannot be written.
QString upgrade(const Database& db);

// What a restore takes for `column` of `table` from a backup of an older
// version that lacks it but has `backupColumns`: an SQL expression over the
// backup's row, attached as `schema`, that makes the column as the upgrade
// would, or an empty string when the column simply takes its default.
QString restoredColumn(const QString& table, const QString& column, const QString& schema,
                       const QStringList& backupColumns);

// The first of "<file>.v<version>.bak", "<file>.v<version>-2.bak", ... that
// names no file yet.
QString keptCopyName(const QString& filePath, int version);

} // namespace SchemaUpgrade
} // namespace quillbill
