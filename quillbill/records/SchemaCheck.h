// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QSqlDatabase;

namespace quillbill {

// What marks a file as a Quillbill database: its application id, a schema
// version this program knows, and the seven tables.
namespace SchemaCheck {

inline constexpr int applicationId = 0x5142494C; // "QBIL"
inline constexpr int currentVersion = 5;

// Returns an empty string when `connection` holds a Quillbill database of a
// schema version this program knows (the current one, or an older one that
// opening upgrades), and otherwise what is wrong with it, in words for the
// user. Opening the live database asks this much: it names what is missing,
// but tolerates more.
QString problemWith(const QSqlDatabase& connection);

// The schema version of `connection`'s main database, when it can be read.
std::optional<int> versionOf(const QSqlDatabase& connection);

// The schema versions whose files this program takes in, oldest first. Each
// later version brings its upgrade from the one before (SchemaUpgrade);
// version 1 is the first.
std::vector<int> knownVersions();

// Returns an empty string when the database `schema` of `connection` ("main",
// or the name it is attached under) is exactly the design of a version this
// program knows, the current one or an older one: the same tables with the
// same columns, types and rules, the same indexes, and nothing else (no
// trigger, view, or table or index of anyone else's). Layout inside a
// statement (line breaks, blanks beside brackets and commas) does not count,
// so a file brought up by ALTER TABLE has the design it was brought to.
// Otherwise what differs, each object by its name.
QString designProblemWith(const QSqlDatabase& connection, const QString& schema = QStringLiteral("main"));

// A table of the current design and its columns, as the schema script makes
// them. `rowidIsColumn` when one column is the table's rowid (INTEGER
// PRIMARY KEY), so that copying the columns copies the rowid too.
struct Table {
    QString name;
    QStringList columns;
    bool rowidIsColumn = false;
};

// The tables of the current design, in the order the schema script makes
// them; the database's own tables (sqlite_sequence) are not among them.
std::vector<Table> currentTables();

} // namespace SchemaCheck
} // namespace quillbill
