// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/ServerMove.h"

#include "SchemaScript.h"
#include "records/Database.h"
#include "records/DatabaseError.h"

#include <QObject>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <set>
#include <vector>

namespace quillbill {

namespace {

// Rows copied by one INSERT: few round trips, and well inside the limit of
// values one statement may bind.
constexpr int rowsPerInsert = 200;

QStringList fileTables(const Database& file)
{
    QStringList tables;
    QSqlQuery names = file.execute(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY rowid"));
    while (names.next())
        tables << names.value(0).toString();
    return tables;
}

QStringList fileColumns(const Database& file, const QString& table)
{
    QStringList columns;
    QSqlQuery info = file.execute(QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table});
    while (info.next())
        columns << info.value(0).toString();
    return columns;
}

// The server's tables that number their rows in a rowid column of their
// own, where the file's number them unseen.
std::set<QString> serverTablesWithRowid(const Database& server)
{
    std::set<QString> tables;
    QSqlQuery columns = server.execute(QStringLiteral("SELECT table_name FROM information_schema.columns WHERE "
                                                      "table_schema = current_schema() AND column_name = 'rowid'"));
    while (columns.next())
        tables.insert(columns.value(0).toString());
    return tables;
}

int64_t countOf(const Database& database, const QString& table)
{
    return database.firstRow(QStringLiteral("SELECT COUNT(*) FROM ") + table)->value(0).toLongLong();
}

// Copies every row of `table` from one database to the other, in the
// order `order` gives, the file's rowid among `columns` where the server
// keeps it.
void copyTable(const Database& from, const Database& to, const QString& table, const QStringList& columns,
               const QString& order)
{
    const QString placeholders = u'(' + QStringList(columns.size(), QStringLiteral("?")).join(u',') + u')';
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns.join(u','));
    QSqlQuery rows =
        from.execute(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(columns.join(u','), table, order));
    QVariantList values;
    int pending = 0;
    const auto flush = [&] {
        if (pending == 0)
            return;
        QStringList tuples(pending, placeholders);
        to.execute(insert + tuples.join(u','), values);
        values.clear();
        pending = 0;
    };
    while (rows.next()) {
        // A NULL comes back from Qt as a null text, which Database binds
        // as ''; it goes on as a NULL.
        for (int column = 0; column < columns.size(); ++column)
            values << (rows.isNull(column) ? QVariant() : rows.value(column));
        if (++pending == rowsPerInsert)
            flush();
    }
    flush();
}

// Each identity column goes on after the highest key copied into it, and
// never below a key it has already given out.
void continueKeys(const Database& server)
{
    // Read whole first: a server's connection reads one result at a time.
    for (const QSqlRecord& identity :
         server.rows(QStringLiteral("SELECT table_name, column_name FROM information_schema.columns WHERE "
                                    "table_schema = current_schema() AND is_identity = 'YES'"))) {
        const QString table = identity.value(0).toString();
        const QString column = identity.value(1).toString();
        server.execute(QStringLiteral("SELECT setval(sequence, GREATEST(highest, 1), highest > 0) FROM (SELECT "
                                      "pg_get_serial_sequence(?, ?) AS sequence) AS named, LATERAL (SELECT "
                                      "GREATEST(COALESCE(MAX(%1), 0), COALESCE(pg_sequence_last_value(sequence), "
                                      "0)) AS highest FROM %2) AS keys")
                           .arg(column, table),
                       {table, column});
    }
}

} // namespace

std::vector<MovedTable> moveToServer(const Database& file, const Database& server)
{
    std::vector<MovedTable> moved;
    // One read of the file from first row to last: a save at another desk
    // waits until the copy is read, and is not half in it.
    file.execute(QStringLiteral("BEGIN"));
    try {
        server.inTransaction([&] {
            server.execute(QString::fromUtf8(SchemaScript::server));
            const std::set<QString> withRowid = serverTablesWithRowid(server);
            for (const QString& table : fileTables(file)) {
                QStringList columns = fileColumns(file, table);
                if (withRowid.count(table.toLower()) > 0)
                    columns.prepend(QStringLiteral("rowid"));
                copyTable(file, server, table, columns, QStringLiteral("rowid"));
                const int64_t rows = countOf(file, table);
                if (countOf(server, table) != rows)
                    throw DatabaseError(QObject::tr("The server holds a different number of rows of %1 than the "
                                                    "file, so nothing was moved.")
                                            .arg(table));
                moved.push_back({table, rows});
            }
            continueKeys(server);
        });
    } catch (...) {
        file.execute(QStringLiteral("ROLLBACK"));
        throw;
    }
    file.execute(QStringLiteral("COMMIT"));
    return moved;
}

void copyServerToFile(const Database& server, const Database& file)
{
    // One snapshot of the server from first row to last: what other desks
    // commit meanwhile is not half in the copy, and they need not wait.
    server.execute(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
    try {
        const std::set<QString> withRowid = serverTablesWithRowid(server);
        file.inTransaction([&] {
            for (const QString& table : fileTables(file)) {
                QStringList columns = fileColumns(file, table);
                const bool numbered = withRowid.count(table.toLower()) > 0;
                if (numbered)
                    columns.prepend(QStringLiteral("rowid"));
                copyTable(server, file, table, columns, numbered ? QStringLiteral("rowid") : QStringLiteral("1"));
                if (countOf(server, table) != countOf(file, table))
                    throw DatabaseError(
                        QObject::tr("The copy holds a different number of rows of %1 than the server.").arg(table));
            }
        });
    } catch (...) {
        server.execute(QStringLiteral("ROLLBACK"));
        throw;
    }
    server.execute(QStringLiteral("COMMIT"));
}

namespace {

using Keys = std::set<std::vector<QString>>;

// The rows of a SELECT, each as its columns' text, to compare across the
// two kinds of database.
Keys keysOf(const Database& database, const QString& select)
{
    Keys keys;
    for (const QSqlRecord& row : database.rows(select)) {
        std::vector<QString> key;
        for (int column = 0; column < row.count(); ++column)
            key.push_back(row.isNull(column) ? QStringLiteral("\u0000") : row.value(column).toString());
        keys.insert(std::move(key));
    }
    return keys;
}

int missingFrom(const Keys& kept, const Keys& before)
{
    int missing = 0;
    for (const auto& key : before)
        missing += kept.count(key) == 0 ? 1 : 0;
    return missing;
}

} // namespace

ReplacedRows replaceServerRows(const Database& file, const Database& server)
{
    ReplacedRows replaced;
    const QString invoices = QStringLiteral("SELECT CustomerID, InvoiceID FROM TblInvoice");
    const QString jobs = QStringLiteral("SELECT JobID, CustomerID, InvoiceID, JobDescription, Sums FROM TblJobs");
    server.inTransaction([&] {
        replaced.lostInvoices = missingFrom(keysOf(file, invoices), keysOf(server, invoices));
        replaced.lostJobs = missingFrom(keysOf(file, jobs), keysOf(server, jobs));
        const std::vector<QSqlRecord> counters =
            server.rows(QStringLiteral("SELECT BillCode, MAX(InvoiceNumber) FROM TblBillingCodes GROUP BY BillCode"));
        const std::set<QString> withRowid = serverTablesWithRowid(server);
        for (const QString& table : fileTables(file)) {
            server.execute(QStringLiteral("DELETE FROM ") + table);
            QStringList columns = fileColumns(file, table);
            if (withRowid.count(table.toLower()) > 0)
                columns.prepend(QStringLiteral("rowid"));
            copyTable(file, server, table, columns, QStringLiteral("rowid"));
            if (countOf(server, table) != countOf(file, table))
                throw DatabaseError(
                    QObject::tr("The server holds a different number of rows of %1 than the backup.").arg(table));
        }
        // A number given out before stays given: each counter ends no lower
        // than it was, and a code the backup lacks keeps its counter.
        for (const QSqlRecord& counter : counters) {
            const QVariant code = counter.isNull(0) ? QVariant() : counter.value(0);
            const qlonglong number = counter.value(1).toLongLong();
            if (number <= 0)
                continue;
            if (server.firstRow(QStringLiteral("SELECT 1 FROM TblBillingCodes WHERE BillCode IS NOT DISTINCT FROM ?"),
                                {code}))
                server.execute(QStringLiteral("UPDATE TblBillingCodes SET InvoiceNumber = ? WHERE BillCode IS NOT "
                                              "DISTINCT FROM ? AND InvoiceNumber < ?"),
                               {number, code, number});
            else
                server.execute(QStringLiteral("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES (?, ?)"),
                               {code, number});
        }
        continueKeys(server);
    });
    return replaced;
}

} // namespace quillbill
