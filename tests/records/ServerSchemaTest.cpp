// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The server's design (database/server-schema.sql) on a real PostgreSQL
// server: the tables and columns of the file's design, the rows a new
// office starts with, and the same refusals.

#include "SchemaScript.h"
#include "TestServer.h"

#include <gtest/gtest.h>

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <map>
#include <set>

namespace quillbill::testing {
namespace {

using Design = std::map<std::string, std::set<std::string>>; // table -> columns, lower case

Design fileDesign()
{
    Design design;
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("file-design"));
        file.setDatabaseName(QStringLiteral(":memory:"));
        EXPECT_TRUE(file.open());
        QStringList lines = QString::fromUtf8(SchemaScript::current).split(u'\n');
        lines.removeIf([](const QString& line) { return line.trimmed().startsWith(QStringLiteral("--")); });
        for (const QString& statement : lines.join(u'\n').split(u';')) {
            QSqlQuery query(file);
            if (!statement.trimmed().isEmpty()) {
                EXPECT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
            }
        }
        QSqlQuery tables(file);
        tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"));
        while (tables.next()) {
            const QString table = tables.value(0).toString();
            const QSqlRecord columns = file.record(table);
            for (int column = 0; column < columns.count(); ++column)
                design[table.toLower().toStdString()].insert(columns.fieldName(column).toLower().toStdString());
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("file-design"));
    return design;
}

class ServerSchema : public ::testing::Test {
protected:
    ServerSchema()
    {
        server.lay();
        db = server.connect(QStringLiteral("server-schema"));
    }

    // Whether the server takes `sql`; a refused statement changes nothing.
    bool takes(const QString& sql)
    {
        QSqlQuery query(db);
        return query.exec(sql);
    }

    TestServerDatabase server;
    QSqlDatabase db;
};

// The same statements run on both kinds, so the server has every table and
// column of the file, under the same names; besides, a rowid where the file
// has one unseen, and the table that marks the design's version.
TEST_F(ServerSchema, HoldsTheFilesTablesAndColumnsAndItsVersion)
{
    Design onServer;
    QSqlQuery columns(db);
    ASSERT_TRUE(columns.exec(QStringLiteral(
        "SELECT table_name, column_name FROM information_schema.columns WHERE table_schema = 'public'")));
    while (columns.next())
        onServer[columns.value(0).toString().toStdString()].insert(columns.value(1).toString().toStdString());
    ASSERT_EQ(onServer.erase("tblschemaversion"), 1u);
    for (auto& [table, names] : onServer)
        names.erase("rowid");
    EXPECT_EQ(onServer, fileDesign());

    QSqlQuery version(db);
    ASSERT_TRUE(version.exec(QStringLiteral("SELECT Application, Version FROM TblSchemaVersion")));
    ASSERT_TRUE(version.next());
    EXPECT_EQ(version.value(0).toString(), QStringLiteral("QBIL"));
    const QString fileVersion =
        QString::fromUtf8(SchemaScript::current).section(QStringLiteral("user_version = "), 1).section(u';', 0, 0);
    EXPECT_EQ(version.value(1).toString(), fileVersion);
    EXPECT_FALSE(version.next());

    QSqlQuery office(db);
    ASSERT_TRUE(office.exec(QStringLiteral("SELECT rowid, CompanyName, GSTRate, GSTName FROM TblMyCompanyInfo")));
    ASSERT_TRUE(office.next());
    EXPECT_EQ(office.value(1).toString(), QStringLiteral("Your Company Name"));
    EXPECT_EQ(office.value(2).toLongLong(), 13000);
    EXPECT_EQ(office.value(3).toString(), QStringLiteral("HST"));
}

TEST_F(ServerSchema, RefusesWhatTheFileRefusesAndComparesBillingCodesWithoutCase)
{
    ASSERT_TRUE(takes(QStringLiteral("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, "
                                     "BillingCode) VALUES (1, 'Acme', '1 Main St', 'Truro', 'NS', 'B2N1A1', 'Élan')")));
    ASSERT_TRUE(
        takes(QStringLiteral("INSERT INTO TblInvoice (CustomerID, InvoiceID, Date) VALUES (1, 1, '2026-02-01')")));
    const char* refused[] = {
        "INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) VALUES ('', 'a', 'b', 'c', 'd', "
        "'E')",
        "INSERT INTO TblInvoice (CustomerID, InvoiceID, Date) VALUES (1, 2, '1 Feb 2026')",
        "INSERT INTO TblInvoice (CustomerID, InvoiceID, Date, Paid) VALUES (1, 3, '2026-02-01', 1)",
        "INSERT INTO TblInvoice (CustomerID, InvoiceID, Date) VALUES (1, 1, '2026-02-02')",
        "INSERT INTO TblPayment (CustomerID, InvoiceID, Amount, PaidOn, Method, RecordedAt) "
        "VALUES (1, 1, 150, '2026-02-03', 'cheque', 'now')",
        "INSERT INTO TblPayment (CustomerID, InvoiceID, Amount, PaidOn, Method, RecordedAt) "
        "VALUES (1, 1, 100, '2026-02-03', 'barter', 'now')",
        "UPDATE TblMyCompanyInfo SET GSTRate = 100001",
    };
    for (const char* statement : refused)
        EXPECT_FALSE(takes(QString::fromUtf8(statement))) << statement;

    QSqlQuery code(db);
    ASSERT_TRUE(
        code.exec(QStringLiteral("SELECT COUNT(*) FROM TblCustomer WHERE BillingCode = 'éLAN' COLLATE CASELESS")));
    ASSERT_TRUE(code.next());
    EXPECT_EQ(code.value(0).toInt(), 1);
}

} // namespace
} // namespace quillbill::testing
