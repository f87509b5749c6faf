// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/GuardedSave.h"

#include "records/Database.h"

#include <QSqlQuery>

namespace quillbill {

namespace {

// A table or column name, quoted. In lower case: a server folds the names
// of its tables to it and then matches quoted names exactly, and SQLite
// matches names in any case.
QString quoted(const QString& name) { return u'"' + name.toLower().replace(u'"', QStringLiteral("\"\"")) + u'"'; }

// A stored NULL comes back from Qt as a null value of the column's type; it
// must go back as a real NULL (Database::execute binds a null text as '').
QVariant boundAsStored(const QVariant& value) { return value.isNull() ? QVariant() : value; }

} // namespace

std::optional<QSqlRecord> readStoredRow(const Database& database, const QString& table, const QString& keyColumn,
                                        const QVariant& key)
{
    return database.firstRow("SELECT * FROM " + quoted(table) + " WHERE " + quoted(keyColumn) + " = ?", {key});
}

SaveOutcome saveIfUnchanged(const Database& database, const QString& table, const QString& keyColumn,
                            const QVariant& key, const QString& assignments, const QVariantList& values,
                            QSqlRecord& asRead)
{
    // The write lock is taken before anything is compared, so no other
    // program can slip a change in between the check and the write.
    // A copy, so that a failed commit leaves `asRead` as it was.
    QSqlRecord row = asRead;
    SaveOutcome outcome = SaveOutcome::Saved;
    database.inTransaction(
        [&] { outcome = saveIfUnchangedInTransaction(database, table, keyColumn, key, assignments, values, row); });
    asRead = row;
    return outcome;
}

SaveOutcome saveIfUnchangedInTransaction(const Database& database, const QString& table, const QString& keyColumn,
                                         const QVariant& key, const QString& assignments, const QVariantList& values,
                                         QSqlRecord& asRead)
{
    QString sql = "UPDATE " + quoted(table) + " SET " + assignments + " WHERE " + quoted(keyColumn) + " = ?";
    QVariantList bound = values;
    bound << key;
    // Not =: a column read as NULL still matches NULL.
    for (int i = 0; i < asRead.count(); ++i) {
        sql += " AND " + quoted(asRead.fieldName(i)) + " IS NOT DISTINCT FROM ?";
        bound << boundAsStored(asRead.value(i));
    }
    const bool changed = !asRead.isEmpty() && database.execute(sql, bound).numRowsAffected() > 0;
    if (!changed)
        return readStoredRow(database, table, keyColumn, key) ? SaveOutcome::ChangedMeanwhile : SaveOutcome::Gone;
    if (const auto written = readStoredRow(database, table, keyColumn, key))
        asRead = *written;
    return SaveOutcome::Saved;
}

} // namespace quillbill
