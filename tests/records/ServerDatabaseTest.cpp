// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The program's records on a real PostgreSQL server: which databases it
// opens, an office's file moved there, a server's backup and restore, a
// connection lost and made again, and a program killed mid-issue. The
// records suites run on the server as on the file.

#include "LockingProcess.h"
#include "TestProgram.h"
#include "TestServer.h"

#include "backup/DatabaseFiles.h"
#include "records/Database.h"
#include "records/ServerMove.h"
#include "records/customers/CustomerRecords.h"
#include "records/invoices/InvoiceRecords.h"
#include "records/invoices/Payments.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace quillbill::testing {
namespace {

QString openingProblem(const ServerAddress& server)
{
    Database database;
    try {
        database.openServer(server);
    } catch (const DatabaseError& error) {
        EXPECT_FALSE(database.isOpen());
        return error.message();
    }
    EXPECT_EQ(database.kind(), Database::Kind::Server);
    return {};
}

// A database that is not ours, or of another design, is refused with a
// message that says which; a wrong sign-in says the server refused it.
TEST(ServerDatabase, OpensOnlyAQuillbillDatabaseOfThisDesign)
{
    TestServerDatabase empty;
    EXPECT_TRUE(openingProblem(empty.address()).contains(QStringLiteral("is not a Quillbill database")));

    TestServerDatabase ours;
    ours.lay();
    EXPECT_EQ(openingProblem(ours.address()), QString());
    ServerAddress stranger = ours.address();
    stranger.user = QStringLiteral("nobody_here");
    EXPECT_TRUE(openingProblem(stranger).contains(QStringLiteral("refused the sign-in")));

    QSqlDatabase db = ours.connect(QStringLiteral("design"));
    for (const auto& [version, says] : {std::pair{4, "older design"}, std::pair{6, "newer version"}}) {
        QSqlQuery(db).exec(QStringLiteral("UPDATE TblSchemaVersion SET Version = %1").arg(version));
        EXPECT_TRUE(openingProblem(ours.address()).contains(QLatin1String(says))) << version;
    }
}

// A file's records moved to an empty database on the server: every row,
// with its keys, so that numbers and keys go on; all or nothing.
TEST(ServerMove, CopiesEveryRecordSoThatNumbersAndKeysGoOn)
{
    TestProgram program;
    const Database& file = program.app->state.MainDatabase;
    const CustomerRecords customers(file);
    const int32_t alpha = customers.add({0, "Alpha", "1 Main St", "Ottawa", "ON", "K1A0B1", "", "", "ALP"});
    const InvoiceRecords invoices(file, QStringLiteral("clerk"));
    const int32_t invoice = invoices.createInvoice(QStringLiteral("ALP"), alpha, QDate(2026, 2, 1));
    invoices.addJob({alpha, invoice, QStringLiteral("Design"), Money::fromUnits(1'000'000)});
    Payments(file, QStringLiteral("clerk"))
        .record(alpha, invoice, Money::fromUnits(500'000), QDate(2026, 2, 10), PaymentMethod::Cheque);

    TestServerDatabase server;
    {
        Database empty;
        empty.openEmptyServer(server.address());
        const std::vector<MovedTable> moved = moveToServer(file, empty);
        int64_t rows = 0;
        for (const MovedTable& table : moved)
            rows += table.rows;
        EXPECT_EQ(moved.size(), 10u) << "every table of the file";
        EXPECT_GT(rows, 6);
    }
    Database moved;
    moved.openServer(server.address());
    for (const char* table : {"TblCustomer", "TblBillingCodes", "TblInvoice", "TblJobs", "TblPayment",
                              "TblInvoiceHistory", "TblMyCompanyInfo", "TblUsers"}) {
        const QString count = QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table);
        EXPECT_EQ(moved.firstRow(count)->value(0).toInt(), file.firstRow(count)->value(0).toInt()) << table;
    }
    EXPECT_EQ(Payments(moved, QStringLiteral("clerk")).balanceOf(alpha, invoice).owed(), Money::fromUnits(630'000));
    const int32_t beta = CustomerRecords(moved).add({0, "Beta", "2 Main St", "Ottawa", "ON", "K1A0B1", "", "", "ALP"});
    EXPECT_GT(beta, alpha) << "keys go on after the moved ones";
    EXPECT_EQ(
        InvoiceRecords(moved, QStringLiteral("clerk")).createInvoice(QStringLiteral("ALP"), beta, QDate(2026, 3, 1)),
        invoice + 1);
    EXPECT_GT(InvoiceRecords(moved, QStringLiteral("clerk"))
                  .addJob({beta, invoice + 1, QStringLiteral("More"), Money::fromUnits(10'000)}),
              0);
}

TEST(ServerMove, LeavesTheServerEmptyWhenARowCannotMoveAndRefusesADatabaseInUse)
{
    TestProgram program;
    // A level the file kept as text, which the server's integer refuses.
    program.exec("UPDATE TblUsers SET Level = 'high'");
    TestServerDatabase server;
    {
        Database empty;
        empty.openEmptyServer(server.address());
        EXPECT_THROW(moveToServer(program.app->state.MainDatabase, empty), DatabaseError);
        EXPECT_EQ(empty
                      .firstRow("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = "
                                "current_schema()")
                      ->value(0)
                      .toInt(),
                  0);
    }
    server.lay();
    Database inUse;
    try {
        inUse.openEmptyServer(server.address());
        ADD_FAILURE() << "a database with tables was taken as empty";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("is not empty"))) << error.message().toStdString();
    }
}

// The customer every test of an office's work starts with.
int32_t addAlpha(const Database& database)
{
    return CustomerRecords(database).add({0, "Alpha", "1 Main St", "Ottawa", "ON", "K1A0B1", "", "", "ALP"});
}

// A database of the tests' server laid out, and open.
struct OpenServer {
    OpenServer()
    {
        server.lay();
        database.openServer(server.address());
    }
    TestServerDatabase server;
    Database database;
};

// A server's backup is the same .BAK file as a file's: a whole Quillbill
// file holding every row with its keys, which a file restores.
TEST(ServerBackup, IsAFileThatAFileRestores)
{
    const OpenServer open;
    const Database& onServer = open.database;
    const int32_t alpha = addAlpha(onServer);
    const InvoiceRecords invoices(onServer, QStringLiteral("clerk"));
    const int32_t invoice = invoices.createInvoice(QStringLiteral("ALP"), alpha, QDate(2026, 2, 1));
    invoices.addJob({alpha, invoice, QStringLiteral("Design"), Money::fromUnits(1'000'000)});
    Payments(onServer, QStringLiteral("clerk"))
        .record(alpha, invoice, Money::fromUnits(500'000), QDate(2026, 2, 10), PaymentMethod::Cheque);

    QTemporaryDir folder;
    const QString backup = folder.filePath(QStringLiteral("db_be_02102026_090000AM.BAK"));
    DatabaseFiles::backup(onServer, backup);
    EXPECT_EQ(DatabaseFiles::problemWith(backup), QString());

    TestProgram program;
    const Database& file = program.app->state.MainDatabase;
    DatabaseFiles::restoreInto(file, backup);
    for (const char* table : {"TblCustomer", "TblBillingCodes", "TblInvoice", "TblJobs", "TblPayment",
                              "TblInvoiceHistory", "TblMyCompanyInfo", "TblUsers"}) {
        const QString count = QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table);
        EXPECT_EQ(file.firstRow(count)->value(0).toInt(), onServer.firstRow(count)->value(0).toInt()) << table;
    }
    EXPECT_EQ(Payments(file, QStringLiteral("clerk")).balanceOf(alpha, invoice).owed(), Money::fromUnits(630'000));
    EXPECT_EQ(
        InvoiceRecords(file, QStringLiteral("clerk")).createInvoice(QStringLiteral("ALP"), alpha, QDate(2026, 3, 1)),
        invoice + 1)
        << "the number after the server's last";
}

int64_t countIn(const Database& database, const char* table)
{
    return database.firstRow(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table))->value(0).toLongLong();
}

// A backup of either kind goes back into the server in one transaction:
// what was made after it is gone, and told, but no invoice number or
// customer number is given out again. While another desk writes, the
// restore waits, then is refused with the server as it was.
TEST(ServerRestore, PutsABackupBackAndNeverIssuesANumberTwice)
{
    OpenServer open;
    const TestServerDatabase& server = open.server;
    Database& onServer = open.database;
    const CustomerRecords customers(onServer);
    const InvoiceRecords invoices(onServer, QStringLiteral("clerk"));
    const int32_t alpha = customers.add({0, "Alpha", "1 Main St", "Ottawa", "ON", "K1A0B1", "", "", "ALP"});
    ASSERT_EQ(invoices.createInvoice(QStringLiteral("ALP"), alpha, QDate(2026, 2, 1)), 1);
    QTemporaryDir folder;
    const QString serverBackup = folder.filePath(QStringLiteral("server.BAK"));
    DatabaseFiles::backup(onServer, serverBackup);
    const int32_t beta = customers.add({0, "Beta", "2 Main St", "Ottawa", "ON", "K1A0B1", "", "", "ALP"});
    ASSERT_EQ(invoices.createInvoice(QStringLiteral("ALP"), beta, QDate(2026, 2, 2)), 2);
    invoices.addJob({beta, 2, QStringLiteral("Later work"), Money::fromUnits(10'000)});

    const DatabaseFiles::RestoreOutcome outcome = DatabaseFiles::restoreInto(onServer, serverBackup);
    EXPECT_EQ(outcome.lostInvoices, 1);
    EXPECT_EQ(outcome.lostJobs, 1);
    EXPECT_EQ(countIn(onServer, "TblCustomer"), 1);
    EXPECT_EQ(invoices.createInvoice(QStringLiteral("ALP"), alpha, QDate(2026, 3, 1)), 3)
        << "number 2 went out before the restore";
    EXPECT_GT(customers.add({0, "Gamma", "3 Main St", "Ottawa", "ON", "K1A0B1", "", "", "ALP"}), beta);

    TestProgram program;
    const Database& file = program.app->state.MainDatabase;
    CustomerRecords(file).add({0, "Delta", "4 Main St", "Ottawa", "ON", "K1A0B1", "", "", "DEL"});
    const QString fileBackup = folder.filePath(QStringLiteral("file.BAK"));
    DatabaseFiles::backup(file, fileBackup);
    {
        LockingProcess otherDesk(server.url(), "BEGIN; SELECT pg_advisory_xact_lock(1363298636);");
        ASSERT_TRUE(otherDesk.locked());
        onServer.setBusyWaitLimit(100);
        const int64_t before = countIn(onServer, "TblCustomer");
        try {
            DatabaseFiles::restoreInto(onServer, fileBackup);
            ADD_FAILURE() << "restored while another desk wrote";
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.cause(), DatabaseError::Cause::Busy) << error.message().toStdString();
        }
        EXPECT_EQ(countIn(onServer, "TblCustomer"), before);
    }
    DatabaseFiles::restoreInto(onServer, fileBackup);
    for (const char* table : {"TblCustomer", "TblJobs", "TblUsers", "TblMyCompanyInfo"})
        EXPECT_EQ(countIn(onServer, table), countIn(file, table)) << table;
    EXPECT_EQ(onServer.firstRow("SELECT InvoiceNumber FROM TblBillingCodes WHERE BillCode = 'ALP'")->value(0).toInt(),
              3)
        << "the file never knew code ALP, whose counter stays";
}

// A cluster of the test's own, which it may stop and start again without
// disturbing the other tests' server.
class OwnCluster {
public:
    OwnCluster() { started_ = run("start"); }
    ~OwnCluster() { run("stop"); }
    bool started() const { return started_; }
    bool run(const char* action) const
    {
        return QProcess::execute(QStringLiteral("sh"),
                                 {QStringLiteral(QUILLBILL_POSTGRES_SCRIPT), QLatin1String(action), folder_})
            == 0;
    }
    ServerAddress office() const
    {
        ServerAddress server;
        server.host = folder_;
        server.database = QStringLiteral("office");
        server.user = QStringLiteral("quillbill_test");
        return server;
    }

private:
    QString folder_ = QStringLiteral("/tmp/quillbill-restart-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    bool started_ = false;
};

// The server restarted mid-work: the next statement says the connection
// was lost, nothing committed is lost, and the program connects again; a
// server still down is retried when the user says so.
TEST(ServerRestarted, MidWorkLosesNothingCommittedAndIsConnectedAgain)
{
    OwnCluster cluster;
    ASSERT_TRUE(cluster.started());
    const ServerAddress office = cluster.office();
    ASSERT_EQ(QProcess::execute(
                  QStringLiteral("psql"),
                  {"-X", "-q", "-h", office.host, "-U", office.user, "-d", "postgres", "-c", "CREATE DATABASE office"}),
              0);
    TestProgram program;
    {
        Database empty;
        empty.openEmptyServer(office);
        moveToServer(program.app->state.MainDatabase, empty);
    }
    Database database;
    database.openServer(office);
    const int32_t alpha = addAlpha(database);
    const InvoiceRecords invoices(database, QStringLiteral("clerk"));
    ASSERT_EQ(invoices.createInvoice(QStringLiteral("ALP"), alpha, QDate(2026, 2, 1)), 1);

    ASSERT_TRUE(cluster.run("halt"));
    int asked = 0;
    database.setReconnectPrompt([&](const QString&) {
        // Cancel first; then Retry, with the server back.
        return ++asked > 1 && cluster.run("resume");
    });
    for (const char* attempt : {"the statement that finds the connection lost", "one that the user cancels"}) {
        try {
            invoices.createInvoice(QStringLiteral("ALP"), alpha, QDate(2026, 2, 2));
            ADD_FAILURE() << "issued while the server was down: " << attempt;
        } catch (const DatabaseError& error) {
            EXPECT_EQ(error.cause(), DatabaseError::Cause::ConnectionLost) << error.message().toStdString();
        }
    }
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(invoices.createInvoice(QStringLiteral("ALP"), alpha, QDate(2026, 2, 2)), 2)
        << "connected again once the server was back, after what was committed before";
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(countIn(database, "TblInvoice"), 2);
}

// A program killed mid-issue (kill -9) takes nothing with it: what it
// committed stays, what it had not is gone, and the next number follows
// the last one given with no gap and none twice.
TEST(ServerKilledProgram, LeavesNoGapAndNoNumberTwice)
{
    const OpenServer open;
    const Database& database = open.database;
    const int32_t alpha = addAlpha(database);
    QProcess child;
    child.start(QStringLiteral(INVOICE_ISSUING_CHILD),
                {open.server.url(), QStringLiteral("ALP"), QString::number(alpha), QStringLiteral("1000000")});
    ASSERT_TRUE(child.waitForReadyRead(60'000));
    child.write("\n");
    const auto issued = [&] { return database.firstRow("SELECT COUNT(*) FROM TblInvoice")->value(0).toInt(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return issued() >= 20; }, 60'000));
    child.kill();
    ASSERT_TRUE(child.waitForFinished(60'000));

    const int32_t next = InvoiceRecords(database, QStringLiteral("clerk"))
                             .createInvoice(QStringLiteral("ALP"), alpha, QDate(2026, 2, 1));
    const auto numbers =
        database.firstRow("SELECT COUNT(*), COUNT(DISTINCT InvoiceID), MAX(InvoiceID) FROM TblInvoice");
    EXPECT_EQ(numbers->value(0).toInt(), next);
    EXPECT_EQ(numbers->value(1).toInt(), next);
    EXPECT_EQ(numbers->value(2).toInt(), next);
    EXPECT_EQ(database.firstRow("SELECT InvoiceNumber FROM TblBillingCodes WHERE BillCode = 'ALP'")->value(0).toInt(),
              next);
}

} // namespace
} // namespace quillbill::testing
