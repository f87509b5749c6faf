// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/SchemaCheck.h"

// Made by the build from database/schema.sql.
#include "SchemaScript.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <sqlite3.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>

namespace quillbill::SchemaCheck {

namespace {

const QStringList requiredTables = {
    "TblCustomer", "TblBillingCodes", "TblInvoice", "TblJobs", "TblMyCompanyInfo", "TblUsers", "TblBuildInvoiceData",
};

// The design of each schema version a file may carry, as the script that
// makes it. A new version adds its row, keeping the script of the one before
// as it was, beside the upgrade that brings a file of that version up.
struct KnownDesign {
    int version;
    const char* script;
};
constexpr KnownDesign knownDesigns[] = {
    {1, SchemaScript::version1},
    {2, SchemaScript::version2},
    {3, SchemaScript::version3},
    {4, SchemaScript::version4},
    {currentVersion, SchemaScript::current},
};
static_assert(std::size(knownDesigns) == currentVersion, "every version up to the current one has its design");

// One entry of sqlite_master: a table, an index, a trigger or a view.
struct SchemaObject {
    QString type;
    QString name;
    QString table;
    QString sql; // whitespace made single spaces
};

bool isBlank(QChar c) { return c.isSpace(); }
bool isTight(QChar c) { return c == u'(' || c == u')' || c == u','; }

// The statement with its layout taken out: runs of blanks become one, and
// none is kept beside a bracket or a comma; quoted text and names stay as
// they are.
QString normalised(const QString& sql)
{
    QString out;
    out.reserve(sql.size());
    QChar quote;
    bool pendingBlank = false;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            out += c;
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (isBlank(c)) {
            pendingBlank = true;
            continue;
        }
        if (pendingBlank && !out.isEmpty() && !isTight(out.back()) && !isTight(c))
            out += u' ';
        pendingBlank = false;
        out += c;
        if (c == u'\'' || c == u'"' || c == u'`')
            quote = c;
        else if (c == u'[')
            quote = u']';
    }
    return out;
}

struct SqliteCloser {
    void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};
using MemoryDatabase = std::unique_ptr<sqlite3, SqliteCloser>;

// A database in memory made by `script`, which is the program's own: a
// failure here is a fault of the build, not of any file.
MemoryDatabase databaseMadeBy(const char* script)
{
    sqlite3* connection = nullptr;
    if (sqlite3_open(":memory:", &connection) != SQLITE_OK) {
        sqlite3_close_v2(connection);
        throw std::runtime_error("cannot open a database in memory");
    }
    MemoryDatabase owned(connection);
    char* error = nullptr;
    if (sqlite3_exec(connection, script, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("the schema script fails: " + message);
    }
    return owned;
}

QString textColumn(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? QString::fromUtf8(text) : QString();
}

// Every row `sql` returns on the database in memory, as text columns.
std::vector<QStringList> memoryRows(sqlite3* connection, const QString& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(connection));
    std::vector<QStringList> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList row;
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            row << textColumn(statement, column);
        rows.push_back(row);
    }
    sqlite3_finalize(statement);
    return rows;
}

const QString objectsQuery = QStringLiteral("SELECT type, name, tbl_name, sql FROM %1.sqlite_master ORDER BY rowid");

std::vector<SchemaObject> designOf(const char* script)
{
    const MemoryDatabase memory = databaseMadeBy(script);
    std::vector<SchemaObject> objects;
    for (const QStringList& row : memoryRows(memory.get(), objectsQuery.arg(QStringLiteral("main"))))
        objects.push_back({row[0], row[1], row[2], normalised(row[3])});
    return objects;
}

std::optional<std::vector<SchemaObject>> designOf(const QSqlDatabase& connection, const QString& schema)
{
    QSqlQuery query(connection);
    query.setForwardOnly(true);
    if (!query.exec(objectsQuery.arg(schema)))
        return std::nullopt;
    std::vector<SchemaObject> objects;
    while (query.next())
        objects.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                           normalised(query.value(3).toString())});
    return objects;
}

QString kindName(const QString& type)
{
    if (type == QLatin1String("table"))
        return QObject::tr("table");
    if (type == QLatin1String("index"))
        return QObject::tr("index");
    if (type == QLatin1String("trigger"))
        return QObject::tr("trigger");
    if (type == QLatin1String("view"))
        return QObject::tr("view");
    return type;
}

const SchemaObject* named(const std::vector<SchemaObject>& objects, const QString& name)
{
    // SQLite's names ignore letter case; a file cannot hold two that differ only in it.
    const auto found = std::find_if(objects.begin(), objects.end(), [&](const SchemaObject& object) {
        return object.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == objects.end() ? nullptr : &*found;
}

// What `found` has that `expected` has not, lacks, or holds otherwise.
QStringList differences(const std::vector<SchemaObject>& expected, const std::vector<SchemaObject>& found)
{
    QStringList lines;
    for (const SchemaObject& object : found) {
        const SchemaObject* ours = named(expected, object.name);
        if (!ours)
            lines << QObject::tr("It holds the %1 \"%2\", which is no part of Quillbill's design.")
                         .arg(kindName(object.type), object.name);
        else if (ours->type != object.type || ours->name != object.name || ours->table != object.table
                 || ours->sql != object.sql)
            lines << QObject::tr("Its %1 \"%2\" is not as Quillbill makes it.").arg(kindName(object.type), object.name);
    }
    for (const SchemaObject& object : expected)
        if (!named(found, object.name))
            lines << QObject::tr("It lacks the %1 \"%2\".").arg(kindName(object.type), object.name);
    return lines;
}

std::optional<int> pragmaValue(const QSqlDatabase& connection, const QString& pragma)
{
    QSqlQuery query(connection);
    if (!query.exec("PRAGMA " + pragma) || !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

} // namespace

QString problemWith(const QSqlDatabase& connection)
{
    const auto id = pragmaValue(connection, "application_id");
    const auto version = pragmaValue(connection, "user_version");
    if (!id || !version)
        return QObject::tr("The file is not a database.");
    if (*id != applicationId)
        return QObject::tr("The file is a database, but not a Quillbill database.");
    if (*version > currentVersion)
        return QObject::tr("The database was made by a newer version of Quillbill (schema version %1; "
                           "this program knows version %2). Please open it with that version.")
            .arg(*version)
            .arg(currentVersion);
    const std::vector<int> known = knownVersions();
    if (std::find(known.begin(), known.end(), *version) == known.end())
        return QObject::tr("The database has schema version %1, which no version of Quillbill makes.").arg(*version);

    QSqlQuery query(connection);
    query.prepare("SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!query.exec())
        return query.lastError().text();
    QStringList present;
    while (query.next())
        present << query.value(0).toString();
    QStringList missing;
    for (const QString& table : requiredTables)
        if (!present.contains(table, Qt::CaseInsensitive))
            missing << table;
    if (!missing.isEmpty())
        return QObject::tr("The database lacks the tables %1.").arg(missing.join(", "));
    return {};
}

std::optional<int> versionOf(const QSqlDatabase& connection) { return pragmaValue(connection, "user_version"); }

std::vector<int> knownVersions()
{
    std::vector<int> versions;
    for (const KnownDesign& design : knownDesigns)
        versions.push_back(design.version);
    return versions;
}

QString designProblemWith(const QSqlDatabase& connection, const QString& schema)
{
    const auto id = pragmaValue(connection, schema + QStringLiteral(".application_id"));
    const auto version = pragmaValue(connection, schema + QStringLiteral(".user_version"));
    const auto found = designOf(connection, schema);
    if (!id || !version || !found)
        return QObject::tr("The file is not a database.");
    if (*id != applicationId)
        return QObject::tr("The file is a database, but not a Quillbill database.");
    const auto design = std::find_if(std::begin(knownDesigns), std::end(knownDesigns),
                                     [&](const KnownDesign& known) { return known.version == *version; });
    if (design == std::end(knownDesigns)) {
        QStringList known;
        for (const int each : knownVersions())
            known << QString::number(each);
        return QObject::tr("The database has schema version %1, which this program cannot take in (it knows the "
                           "versions %2).")
            .arg(*version)
            .arg(known.join(QStringLiteral(", ")));
    }
    const QStringList lines = differences(designOf(design->script), *found);
    if (lines.isEmpty())
        return {};
    return QObject::tr("The database is not laid out as a Quillbill database of schema version %1:\n%2")
        .arg(*version)
        .arg(lines.join(u'\n'));
}

std::vector<Table> currentTables()
{
    const MemoryDatabase memory = databaseMadeBy(SchemaScript::current);
    std::vector<Table> tables;
    for (const QStringList& row :
         memoryRows(memory.get(),
                    QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                                   "'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"))) {
        Table table{row[0], {}, false};
        int keyColumns = 0;
        bool integerKey = false;
        // cid, name, type, notnull, dflt_value, pk
        for (const QStringList& column :
             memoryRows(memory.get(), QStringLiteral("PRAGMA table_info(\"%1\")").arg(table.name))) {
            table.columns << column[1];
            if (column[5] != QLatin1String("0")) {
                ++keyColumns;
                integerKey = column[2].compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
            }
        }
        table.rowidIsColumn = keyColumns == 1 && integerKey;
        tables.push_back(table);
    }
    return tables;
}

} // namespace quillbill::SchemaCheck
