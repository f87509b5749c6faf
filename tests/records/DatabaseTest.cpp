// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The database connection: what it refuses to open, the rules of the
// delivered schema, bound values and transactions.

#include "records/Database.h"
#include "LockingProcess.h"
#include "TestProgram.h"
#include "records/DatabaseError.h"
#include "records/SchemaCheck.h"
#include "records/customers/CustomerRecords.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

using namespace quillbill;
using quillbill::testing::deliveredDatabase;
using quillbill::testing::LockingProcess;
using quillbill::testing::makeVersionOneDatabase;
using quillbill::testing::TestProgram;

namespace {

// Makes an SQLite file with `statements`, through a connection of its own.
void makeSqliteFile(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "maker");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase("maker");
}

QString openFailure(const QString& path)
{
    Database db;
    try {
        db.open(path);
    } catch (const DatabaseError& error) {
        EXPECT_FALSE(db.isOpen());
        return error.message();
    }
    return {};
}

} // namespace

TEST(DatabaseOpen, OpensTheDeliveredDatabase)
{
    TestProgram program(false);
    Database db;
    db.open(program.databasePath());
    EXPECT_TRUE(db.isOpen());
    EXPECT_EQ(db.filePath(), QFileInfo(program.databasePath()).absoluteFilePath());
    db.close();
    EXPECT_FALSE(db.isOpen());
}

TEST(DatabaseOpen, RefusesAMissingFileAndNeverCreatesOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("DataBase/db_be.mdb");
    EXPECT_TRUE(openFailure(path).contains("was not found"));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("DataBase")));
}

TEST(DatabaseOpen, RefusesFilesThatAreNotQuillbillDatabases)
{
    QTemporaryDir dir;

    const QString text = dir.filePath("notes.mdb");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    EXPECT_TRUE(openFailure(text).contains("not a database")) << openFailure(text).toStdString();

    const QString empty = dir.filePath("empty.mdb");
    ASSERT_TRUE(QFile(empty).open(QIODevice::WriteOnly));
    EXPECT_FALSE(openFailure(empty).isEmpty()) << "an empty file holds no Quillbill tables";

    const QString foreign = dir.filePath("foreign.mdb");
    makeSqliteFile(foreign, {"CREATE TABLE Other (x)"});
    EXPECT_TRUE(openFailure(foreign).contains("not a Quillbill database"));

    const QString newer = dir.filePath("newer.mdb");
    QFile::copy(deliveredDatabase(), newer);
    QFile::setPermissions(newer, QFile::ReadOwner | QFile::WriteOwner);
    makeSqliteFile(newer, {QStringLiteral("PRAGMA user_version = %1").arg(SchemaCheck::currentVersion + 1)});
    EXPECT_TRUE(openFailure(newer).contains("newer version"));

    const QString lacking = dir.filePath("lacking.mdb");
    QFile::copy(deliveredDatabase(), lacking);
    QFile::setPermissions(lacking, QFile::ReadOwner | QFile::WriteOwner);
    makeSqliteFile(lacking, {"DROP TABLE TblJobs"});
    EXPECT_TRUE(openFailure(lacking).contains("TblJobs"));

    EXPECT_TRUE(openFailure(dir.path()).contains("not a file"));
}

TEST(DatabaseOpen, PathsWithCharactersSpecialToUris)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Office #1 ?100% été/db_be.mdb");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    ASSERT_TRUE(QFile::copy(deliveredDatabase(), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    Database db;
    db.open(path);
    EXPECT_TRUE(db.firstRow("SELECT 1 FROM TblUsers").has_value());
}

// Files written before codes were compared without case may hold a counter
// for each spelling of one code. Opening leaves one: the oldest row, which
// issuing reads, holding the largest number any of them gave out.
TEST(DatabaseOpen, MergesCounterRowsOfOneCodeInAnyCase)
{
    TestProgram program(false);
    makeSqliteFile(program.databasePath(),
                   {"INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('OBR', 41), ('ACME', 5), "
                    "('obr', 57), ('Crème', 2), (NULL, 4), ('Obr', 3), ('CRÈME', 9), (NULL, 6), ('Acme', 0)"});

    Database db;
    db.open(program.databasePath());
    QStringList counters;
    for (const QSqlRecord& row : db.rows("SELECT rowid, BillCode, InvoiceNumber FROM TblBillingCodes ORDER BY rowid"))
        counters << QStringLiteral("%1|%2|%3")
                        .arg(row.value(0).toString(), row.isNull(1) ? QStringLiteral("NULL") : row.value(1).toString(),
                             row.value(2).toString());
    EXPECT_EQ(counters, (QStringList{"1|OBR|57", "2|ACME|5", "4|Crème|9", "5|NULL|4", "8|NULL|6"}));
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int versionOf(const Database& db) { return db.firstRow("PRAGMA user_version")->value(0).toInt(); }

// A file of the first version is brought up to the current one when opened,
// every row kept, after a copy of it as it was is kept beside it under a
// name of its own: an earlier copy is never overwritten.
TEST(SchemaUpgrade, AVersionOneFileIsUpgradedKeepingEveryRowAndACopyOfItself)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("db_be.mdb");
    makeVersionOneDatabase(path);
    const QByteArray original = bytesOf(path);
    {
        QFile earlier(path + ".v1.bak");
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier copy");
    }

    Database db;
    db.open(path);
    EXPECT_EQ(versionOf(db), SchemaCheck::currentVersion);
    EXPECT_EQ(SchemaCheck::designProblemWith(db.connection()), "") << "exactly the design of a new file";
    const auto customer = CustomerRecords(db).find(1);
    ASSERT_TRUE(customer.has_value());
    EXPECT_EQ(customer->company, "Old Customer");
    EXPECT_FALSE(customer->hidden);
    EXPECT_EQ(db.firstRow("SELECT InvoiceID || '|' || Date FROM TblInvoice WHERE InvoiceID = 1")->value(0),
              "1|2025-03-04");
    EXPECT_EQ(db.firstRow("SELECT JobDescription || '|' || Sums FROM TblJobs")->value(0), "Old work|250000");
    EXPECT_EQ(db.firstRow("SELECT CompanyName || '|' || GSTRate || '|' || PSTRate || '|' || GSTName || '|' || "
                          "PSTName FROM TblMyCompanyInfo")
                  ->value(0),
              "Old Office|5000|8000|GST|PST")
        << "whole-percent rates kept exactly, under the names they printed with";
    EXPECT_TRUE(db.firstRow("SELECT GSTRate FROM TblInvoice WHERE CustomerID = 1")->isNull(0))
        << "an older invoice has no rates of its own";
    EXPECT_EQ(db.firstRow("SELECT group_concat(s, ' ') FROM (SELECT InvoiceID || ':' || Status AS s FROM TblInvoice "
                          "ORDER BY InvoiceID)")
                  ->value(0),
              "1:1 2:0")
        << "an older invoice with jobs is issued; one without stays a draft to finish";
    EXPECT_EQ(db.firstRow("SELECT InvoiceNumber FROM TblBillingCodes WHERE BillCode = 'OLD'")->value(0), 2);
    EXPECT_TRUE(CustomerRecords(db).setHidden(1, true));
    db.close();

    EXPECT_EQ(bytesOf(path + ".v1.bak"), "an earlier copy");
    EXPECT_EQ(bytesOf(path + ".v1-2.bak"), original) << "the copy is the file as it was";
    EXPECT_EQ(QFileInfo(path + ".v1-2.bak").permissions() & (QFile::ReadOther | QFile::ReadGroup),
              QFile::Permissions());

    db.open(path);
    EXPECT_TRUE(CustomerRecords(db).find(1)->hidden);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3u) << "a current file is not copied again";
}

// Two programs open one old file at once: one upgrades it, the other finds
// it upgraded; there is one copy, and both work on the file.
TEST(SchemaUpgrade, OfTwoProgramsOpeningAnOldFileAtOnceOneUpgradesIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("db_be.mdb");
    makeVersionOneDatabase(path);
    std::array<std::string, 2> failures;
    std::array<int, 2> versions{};
    const auto openIn = [&](size_t which) {
        try {
            Database db;
            db.open(path);
            versions[which] = versionOf(db);
        } catch (const DatabaseError& error) {
            failures[which] = error.what();
        }
    };
    std::thread first(openIn, 0);
    std::thread second(openIn, 1);
    first.join();
    second.join();
    EXPECT_EQ(failures, (std::array<std::string, 2>{}));
    EXPECT_EQ(versions, (std::array<int, 2>{SchemaCheck::currentVersion, SchemaCheck::currentVersion}));
    EXPECT_TRUE(QFileInfo::exists(path + ".v1.bak"));
    EXPECT_FALSE(QFileInfo::exists(path + ".v1-2.bak")) << "upgraded twice";
}

// An upgrade that cannot finish leaves the file as it was, says so, and
// leaves no copy behind.
TEST(SchemaUpgrade, AFailedUpgradeLeavesTheFileAsItWas)
{
    struct Case {
        const char* name;
        // Sets up the failure; what it returns holds it until the open is over.
        std::function<std::shared_ptr<void>(const QString& path)> prepare;
        const char* told;
    };
    const std::vector<Case> cases = {
        {"another program holds the file",
         [](const QString& path) -> std::shared_ptr<void> {
             QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "holder");
             other.setDatabaseName(path);
             EXPECT_TRUE(other.open());
             QSqlQuery(other).exec("BEGIN IMMEDIATE");
             return std::shared_ptr<void>(nullptr, [](void*) {
                 {
                     QSqlDatabase held = QSqlDatabase::database("holder");
                     QSqlQuery(held).exec("ROLLBACK");
                     held.close();
                 }
                 QSqlDatabase::removeDatabase("holder");
             });
         },
         "Another program"},
        {"no copy can be kept",
         [](const QString& path) -> std::shared_ptr<void> {
             EXPECT_TRUE(QDir().mkpath(path + ".upgrading"));
             return nullptr;
         },
         "copy of the database could not be kept"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("db_be.mdb");
        makeVersionOneDatabase(path);
        const QByteArray original = bytesOf(path);
        QString told;
        {
            const auto held = c.prepare(path);
            Database db;
            db.setBusyWaitLimit(100);
            try {
                db.open(path);
            } catch (const DatabaseError& error) {
                told = error.message();
            }
            EXPECT_FALSE(db.isOpen());
        }
        EXPECT_TRUE(told.contains("could not be upgraded")) << told.toStdString();
        EXPECT_TRUE(told.contains("unchanged")) << told.toStdString();
        EXPECT_TRUE(told.contains(c.told)) << told.toStdString();
        EXPECT_EQ(bytesOf(path), original);
        EXPECT_FALSE(QFileInfo::exists(path + ".v1.bak"));
    }
}

TEST(DeliveredDatabase, HoldsWhatAFreshOfficeNeeds)
{
    TestProgram program;
    const Database& db = program.app->state.MainDatabase;

    const auto company = db.rows("SELECT CompanyName, Prov, GSTRate, GSTName, PSTRate, PSTName FROM TblMyCompanyInfo");
    ASSERT_EQ(company.size(), 1u);
    EXPECT_FALSE(company[0].value(0).toString().isEmpty());
    // An Ontario office: one tax, the HST at 13 %, and no second tax line.
    EXPECT_EQ(company[0].value(1).toString(), "ON");
    EXPECT_EQ(company[0].value(2).toInt(), 13'000);
    EXPECT_EQ(company[0].value(3).toString(), "HST");
    EXPECT_EQ(company[0].value(4).toInt(), 0);
    EXPECT_EQ(company[0].value(5).toString(), "");

    const auto users = db.rows("SELECT First_Name || ' ' || Last_Name, UserName, Password, Level FROM TblUsers");
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(users[0].value(0).toString(), "System Administrator");
    EXPECT_EQ(users[0].value(1).toString(), "admin");
    EXPECT_EQ(users[0].value(2).toString(), "admin");
    EXPECT_EQ(users[0].value(3).toInt(), 3);

    const auto version = db.firstRow("PRAGMA user_version");
    EXPECT_EQ(version->value(0).toInt(), SchemaCheck::currentVersion);
    EXPECT_EQ(SchemaCheck::designProblemWith(db.connection()), "") << "the design the program knows as its own";
}

// The program folder's database holds the office's records once it is in
// use: no other user of the machine may read it.
TEST(DeliveredDatabase, IsReadableByItsOwnerOnly)
{
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(deliveredDatabase()).permissions() & others, QFile::Permissions());
}

// Each statement breaks one rule of the schema and must be refused.
TEST(DeliveredDatabase, RefusesRowsThatBreakTheSchemaRules)
{
    TestProgram program;
    const Database& db = program.app->state.MainDatabase;
    const struct {
        const char* rule;
        QString sql;
        QVariantList values;
    } refused[] = {
        {"customer company is required",
         "INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) "
         "VALUES (?, 'a', 'b', 'c', 'd', 'e')",
         {""}},
        {"billing code is required",
         "INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) "
         "VALUES ('x', 'a', 'b', 'c', 'd', NULL)",
         {}},
        {"job description is required", "INSERT INTO TblJobs VALUES (1, 1, 1, '', 10000)", {}},
        {"sums must be a number", "INSERT INTO TblJobs VALUES (1, 1, 1, 'Work', ?)", {"ten dollars"}},
        {"paid is -1 or 0", "INSERT INTO TblInvoice (InvoiceID, CustomerID, Paid) VALUES (1, 1, 1)", {}},
        {"dates are ISO", "INSERT INTO TblInvoice (InvoiceID, CustomerID, Date) VALUES (1, 1, '12/07/2026')", {}},
        {"tax rates are at most 100 %", "UPDATE TblMyCompanyInfo SET PSTRate = 100001", {}},
        {"tax rates are not negative", "UPDATE TblMyCompanyInfo SET GSTRate = -1", {}},
        {"tax rate is a whole number of thousandths", "UPDATE TblMyCompanyInfo SET GSTRate = ?", {"9.975"}},
        {"an invoice's rate too", "INSERT INTO TblInvoice (InvoiceID, CustomerID, GSTRate) VALUES (1, 1, 100001)", {}},
        {"own company name is required", "UPDATE TblMyCompanyInfo SET CompanyName = ''", {}},
    };
    for (const auto& row : refused)
        EXPECT_THROW(db.execute(row.sql, row.values), DatabaseError) << row.rule;

    db.execute("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date) VALUES (7, 1, '2026-12-07')");
    EXPECT_THROW(db.execute("INSERT INTO TblInvoice (InvoiceID, CustomerID) VALUES (7, 1)"), DatabaseError)
        << "an invoice is one (customer, number) pair";
    db.execute("INSERT INTO TblInvoice (InvoiceID, CustomerID) VALUES (7, 2)");

    db.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('ACME')");
    EXPECT_EQ(db.firstRow("SELECT InvoiceNumber FROM TblBillingCodes")->value(0).toInt(), 0)
        << "a new billing code starts before invoice number 1";
}

TEST(DatabaseStatements, BoundValuesAreNeverPartOfTheSql)
{
    TestProgram program;
    const Database& db = program.app->state.MainDatabase;
    const QString name = "O'Brien & Sons'; DROP TABLE TblUsers; --";
    db.execute("INSERT INTO TblUsers (First_Name, Last_Name) VALUES (?, ?)", {name, "Zoë"});
    const auto row = db.firstRow("SELECT Last_Name FROM TblUsers WHERE First_Name = ?", {name});
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->value(0).toString(), "Zoë");
    EXPECT_EQ(db.rows("SELECT * FROM TblUsers").size(), 2u);
}

TEST(DatabaseStatements, TextIsNeverNullButAMissingValueIs)
{
    TestProgram program;
    const Database& db = program.app->state.MainDatabase;
    db.execute("INSERT INTO TblUsers (First_Name, Last_Name, UserName) VALUES (?, ?, ?)",
               {QString(), QString(""), QVariant()});
    const auto row = db.firstRow("SELECT typeof(First_Name), typeof(Last_Name), typeof(UserName) FROM TblUsers "
                                 "WHERE rowid = last_insert_rowid()");
    EXPECT_EQ(row->value(0).toString(), "text") << "the text of an untouched empty box";
    EXPECT_EQ(row->value(1).toString(), "text");
    EXPECT_EQ(row->value(2).toString(), "null");
}

TEST(DatabaseStatements, ErrorsCarryTheEnginesText)
{
    TestProgram program;
    const Database& db = program.app->state.MainDatabase;
    try {
        db.execute("SELECT * FROM NoSuchTable");
        FAIL() << "a statement on a missing table must fail";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains("NoSuchTable")) << error.message().toStdString();
    }
    Database closed;
    EXPECT_THROW(closed.execute("SELECT 1"), DatabaseError);
}

TEST(DatabaseStatements, ATransactionKeepsAllOrNothing)
{
    TestProgram program;
    const Database& db = program.app->state.MainDatabase;
    const auto countCodes = [&] { return db.rows("SELECT * FROM TblBillingCodes").size(); };

    EXPECT_THROW(db.inTransaction([&] {
        db.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('A')");
        db.execute("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('B', 'many')");
    }),
                 DatabaseError);
    EXPECT_EQ(countCodes(), 0u);

    db.inTransaction([&] {
        db.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('A')");
        db.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('B')");
    });
    EXPECT_EQ(countCodes(), 2u);
}

TEST(DatabaseStatements, ASecondProgramWritingMakesASaveWaitNotFail)
{
    TestProgram program;
    const Database& db = program.app->state.MainDatabase;
    std::promise<void> locked;
    std::promise<void> wrote;
    // Another program holds the write lock for a while, then commits.
    std::thread other([&] {
        Database connection;
        connection.open(program.databasePath());
        connection.execute("BEGIN IMMEDIATE");
        connection.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('X')");
        locked.set_value();
        wrote.get_future().wait_for(std::chrono::milliseconds(300));
        connection.execute("COMMIT");
    });
    locked.get_future().wait();
    db.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('Y')");
    wrote.set_value();
    other.join();
    EXPECT_EQ(db.rows("SELECT * FROM TblBillingCodes").size(), 2u);
}

// A refused save is told in words the user can act on, whatever the engine's
// own text; a refusal by the record rules keeps the window's own message.
TEST(DatabaseFailures, SayWhatTheUserCanDoAboutThem)
{
    struct Case {
        const char* name;
        std::function<void(TestProgram&, Database&)> prepare;
        const char* sql;
        DatabaseError::Cause cause;
        const char* told;
    };
    const QString otherwise = QStringLiteral("Please check entered data.");
    const std::vector<Case> cases = {
        {"held by another program", [](TestProgram&, Database& db) { db.setBusyWaitLimit(200); },
         "INSERT INTO TblBillingCodes (BillCode) VALUES ('A')", DatabaseError::Cause::Busy,
         "Another program is using the database"},
        {"read-only", [](TestProgram&, Database& db) { db.execute("PRAGMA query_only = 1"); },
         "INSERT INTO TblBillingCodes (BillCode) VALUES ('A')", DatabaseError::Cause::ReadOnly, "read-only"},
        {"disk full",
         [](TestProgram&, Database& db) {
             const int pages = db.firstRow("PRAGMA page_count")->value(0).toInt();
             db.execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
         },
         "INSERT INTO TblBillingCodes (BillCode) VALUES (hex(randomblob(100000)))", DatabaseError::Cause::DiskFull,
         "disk that holds the database is full"},
        {"a broken record rule", [](TestProgram&, Database&) {},
         "INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('B', 'many')", DatabaseError::Cause::Other,
         "Please check entered data."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram program;
        Database& db = program.app->state.MainDatabase;
        c.prepare(program, db);
        std::unique_ptr<LockingProcess> other;
        if (c.cause == DatabaseError::Cause::Busy) {
            other = std::make_unique<LockingProcess>(program.databasePath());
            ASSERT_TRUE(other->locked());
        }
        try {
            db.execute(c.sql);
            ADD_FAILURE() << "the statement must be refused";
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.cause(), c.cause) << error.message().toStdString();
            const QString told = saveFailureMessage(error, otherwise);
            EXPECT_TRUE(told.contains(c.told)) << told.toStdString();
        }
    }
}

// While another program holds the file, the window keeps handling its
// events (painting, timers) and is told that a wait began and ended.
TEST(DatabaseStatements, WaitingForAnotherProgramLetsEventsRun)
{
    TestProgram program;
    Database& db = program.app->state.MainDatabase;
    std::vector<bool> notices;
    db.setWaitNotice([&](bool waiting) { notices.push_back(waiting); });
    LockingProcess other(program.databasePath());
    ASSERT_TRUE(other.locked());

    bool ranDuringWait = false;
    // The other program finishes only when an event runs during the wait.
    QTimer::singleShot(0, [&] {
        ranDuringWait = true;
        other.release();
    });
    db.setBusyWaitLimit(60000);
    db.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('Y')");
    EXPECT_TRUE(ranDuringWait);
    EXPECT_EQ(notices, (std::vector<bool>{true, false}));
    EXPECT_EQ(db.rows("SELECT * FROM TblBillingCodes").size(), 1u);
}

// A timer that fires during the wait must not use the connection in the
// middle of the waiting statement; it is refused as busy instead.
TEST(DatabaseStatements, AStatementFromAnEventDuringTheWaitIsRefused)
{
    TestProgram program;
    Database& db = program.app->state.MainDatabase;
    LockingProcess other(program.databasePath());
    ASSERT_TRUE(other.locked());

    std::optional<DatabaseError::Cause> nested;
    QTimer::singleShot(0, [&] {
        try {
            db.execute("SELECT count(*) FROM TblCustomer");
            nested = DatabaseError::Cause::Other;
        } catch (const DatabaseError& error) {
            nested = error.cause();
        }
        other.release();
    });
    db.setBusyWaitLimit(60000);
    db.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('Y')");
    ASSERT_TRUE(nested.has_value());
    EXPECT_EQ(*nested, DatabaseError::Cause::Busy);
}
