// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The program on a PostgreSQL server beside the same on a file, in one run:
// ten programs issuing 1,000 invoice numbers each from one counter (the
// rate, and a check that no number is given twice or skipped), and a busy
// year's reprint window and invoice report to HTML. The server is a private
// cluster of the benchmark's own (scripts/test-postgres.sh), reached through
// a Unix socket, started at the first benchmark and stopped at the end.

#include "BusyProgram.h"
#include "ProgramMessageBoxes.h"
#include "TestServer.h"

#include "app/AppContext.h"
#include "invoicing/clsGroup.h"
#include "invoicing/frmReprint.h"
#include "records/ServerMove.h"
#include "records/customers/CustomerRecords.h"
#include "records/invoices/InvoiceReportQuery.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>
#include <optional>
#include <vector>

namespace {

using Kind = quillbill::Database::Kind;
using quillbill::testing::TestServerDatabase;

// The private cluster, for as long as the benchmarks run.
class Cluster {
public:
    Cluster() { ready_ = run("start"); }
    ~Cluster() { run("stop"); }
    bool ready() const { return ready_; }

private:
    static bool run(const char* action)
    {
        return QProcess::execute(QStringLiteral("sh"),
                                 {QStringLiteral(QUILLBILL_POSTGRES_SCRIPT), QLatin1String(action),
                                  TestServerDatabase::socketFolder()})
            == 0;
    }
    bool ready_ = false;
};

bool clusterReady()
{
    static Cluster cluster;
    return cluster.ready();
}

// A program folder with a copy of the delivered database.
struct FileProgram {
    QTemporaryDir folder;
    QString database = folder.filePath(QStringLiteral("db_be.mdb"));
    bool ready = QFile::copy(QStringLiteral(QUILLBILL_DELIVERED_DATABASE), database)
        && QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
};

void BM_TenProgramsIssuing1000NumbersEach(benchmark::State& state)
{
    constexpr int programs = 10;
    constexpr int numbersEach = 1000;
    const auto kind = static_cast<Kind>(state.range(0));
    if (!clusterReady()) {
        state.SkipWithError("cannot start a PostgreSQL cluster");
        return;
    }
    double seconds = 0;
    for (auto _ : state) {
        FileProgram file;
        std::optional<TestServerDatabase> server;
        quillbill::Database database;
        QString where;
        if (kind == Kind::Server) {
            server.emplace();
            server->lay();
            database.openServer(server->address());
            where = server->url();
        } else {
            database.open(file.database);
            where = file.database;
        }
        std::vector<std::unique_ptr<QProcess>> children;
        for (int n = 0; n < programs; ++n) {
            const int32_t customer = quillbill::CustomerRecords(database).add(
                {0, QStringLiteral("Desk %1").arg(n), "1 Main St", "Ottawa", "ON", "K1A0B1", "", "", "SHARED"});
            auto& child = children.emplace_back(std::make_unique<QProcess>());
            child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child->start(QStringLiteral(ISSUING_PROGRAM),
                         {where, QStringLiteral("SHARED"), QString::number(customer), QString::number(numbersEach)});
            if (!child->waitForReadyRead(60'000)) {
                state.SkipWithError("a program did not start");
                return;
            }
        }
        QElapsedTimer clock;
        clock.start();
        for (const auto& child : children)
            child->write("\n");
        for (const auto& child : children) {
            if (!child->waitForFinished(600'000) || child->exitCode() != 0) {
                state.SkipWithError("a program failed");
                return;
            }
        }
        seconds = double(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        const auto numbers =
            database.firstRow("SELECT COUNT(*), COUNT(DISTINCT InvoiceID), MAX(InvoiceID) FROM TblInvoice");
        const int count = numbers->value(0).toInt();
        const int distinct = numbers->value(1).toInt();
        state.counters["duplicates"] = count - distinct;
        state.counters["gaps"] = numbers->value(2).toInt() - distinct;
        if (count != programs * numbersEach || distinct != count || numbers->value(2).toInt() != count) {
            state.SkipWithError("a number was given twice or skipped");
            return;
        }
    }
    state.counters["numbers_per_s"] = double(programs * numbersEach) / seconds;
}
BENCHMARK(BM_TenProgramsIssuing1000NumbersEach)
    ->ArgName("server")
    ->Arg(int(Kind::File))
    ->Arg(int(Kind::Server))
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

// The busy year (BusyProgram) moved to a database on the cluster, opened by
// a program folder of its own with the same report layout and statement.
struct BusyServer {
    BusyServer()
    {
        bench::BusyProgram& file = bench::busyProgram();
        if (!file.ready || !clusterUp)
            return;
        {
            quillbill::Database empty;
            empty.openEmptyServer(server.address());
            quillbill::moveToServer(file.app.state.MainDatabase, empty);
        }
        if (!QDir(folder.path()).mkpath(QStringLiteral("Reports"))
            || !QFile::copy(file.app.path(QStringLiteral("Reports/report.rdn")),
                            app.path(QStringLiteral("Reports/report.rdn"))))
            return;
        app.state.MainDatabase.openServer(server.address());
        app.state.ReportSql = file.app.state.ReportSql;
        ready = true;
    }
    // Before the database that lives on it.
    bool clusterUp = clusterReady();
    TestServerDatabase server;
    QTemporaryDir folder;
    bench::RecordedMessageBoxes messages;
    quillbill::AppContext app{folder.path(), messages};
    bool ready = false;
};

struct Program {
    quillbill::AppContext* app = nullptr;
    bench::RecordedMessageBoxes* messages = nullptr;
};

// The busy year's program of `kind`; nothing when it cannot be made.
std::optional<Program> busyYear(Kind kind)
{
    bench::BusyProgram& file = bench::busyProgram();
    if (kind == Kind::File)
        return file.ready ? std::optional(Program{&file.app, &file.messages}) : std::nullopt;
    static BusyServer server;
    return server.ready ? std::optional(Program{&server.app, &server.messages}) : std::nullopt;
}

void BM_BusyYearReprintBusiestCustomer(benchmark::State& state)
{
    const auto program = busyYear(static_cast<Kind>(state.range(0)));
    if (!program) {
        state.SkipWithError("cannot make the busy year's program");
        return;
    }
    const bench::BusyYear& year = bench::busyProgram().year;
    const QString company =
        program->app->state.MainDatabase
            .firstRow(QStringLiteral("SELECT Company FROM TblCustomer WHERE CustomerID = ?"), {year.busiestCustomer})
            ->value(0)
            .toString();
    quillbill::frmReprint window(*program->app);
    window.resize(900, 700);
    window.show();
    auto* customers = window.findChild<QComboBox*>(QStringLiteral("cmbCustomerID"));
    auto* invoices = window.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    const int index = customers->findText(company);
    for (auto _ : state) {
        customers->setCurrentIndex(index);
        emit customers->activated(index);
        QCoreApplication::processEvents();
        if (invoices->topLevelItemCount() != year.busiestInvoices || !program->messages->first.isEmpty()) {
            state.SkipWithError(program->messages->first.isEmpty() ? "the lists were not filled"
                                                                   : program->messages->first.toStdString().c_str());
            break;
        }
    }
    state.counters["invoices"] = year.busiestInvoices;
}
BENCHMARK(BM_BusyYearReprintBusiestCustomer)
    ->ArgName("server")
    ->Arg(int(Kind::File))
    ->Arg(int(Kind::Server))
    ->Unit(benchmark::kMillisecond);

void BM_BusyYearReportToHtmlFile(benchmark::State& state)
{
    const auto program = busyYear(static_cast<Kind>(state.range(0)));
    if (!program) {
        state.SkipWithError("cannot make the busy year's program");
        return;
    }
    for (auto _ : state) {
        quillbill::clsGroup driver(*program->app);
        driver.setOutput(quirepress::cOutputToHTMLFile);
        driver.setOutputFile(program->app->path(QStringLiteral("report.html")));
        driver.PrintReport();
        if (!program->messages->first.isEmpty()) {
            state.SkipWithError(program->messages->first.toStdString().c_str());
            return;
        }
        state.counters["pages"] = driver.report().PageCount();
    }
}
BENCHMARK(BM_BusyYearReportToHtmlFile)
    ->ArgName("server")
    ->Arg(int(Kind::File))
    ->Arg(int(Kind::Server))
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace
