// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The invoice report of a busy office's whole year, all companies, paid or
// not (500,000 jobs of 50,000 invoices of 5,000 customers), as the report
// window's statement selects it and clsGroup prints it: to an HTML file, to
// a PDF file and to the preview. Besides the time, each run tells the
// process's peak memory so far and the disk it used.

#include "BusyProgram.h"

#include "app/AppContext.h"
#include "invoicing/clsGroup.h"
#include "records/invoices/InvoiceReportQuery.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sys/resource.h>
#include <unistd.h>

namespace {

double peakMemoryBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) * 1024;
}

// The size of the page spools in the engine's private temporary folder.
double spoolBytes()
{
    const QDir folder(QDir::tempPath() + QStringLiteral("/quirepress-") + QString::number(::getuid()));
    double bytes = 0;
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("qrp*.qpg")}, QDir::Files))
        bytes += double(file.size());
    return bytes;
}

void runReport(benchmark::State& state, quirepress::OutputOptions output, const QString& file)
{
    bench::BusyProgram& program = bench::busyProgram();
    if (!program.ready) {
        state.SkipWithError("cannot make the busy year's program folder");
        return;
    }
    double disk = 0;
    int pages = 0;
    for (auto _ : state) {
        quillbill::clsGroup driver(program.app);
        driver.setOutput(output);
        if (!file.isEmpty())
            driver.setOutputFile(program.app.path(file));
        driver.PrintReport();
        if (!program.messages.first.isEmpty()) {
            state.SkipWithError(program.messages.first.toStdString().c_str());
            return;
        }
        pages = driver.report().PageCount();
        // The preview is open with every page; its spool goes with it.
        disk = file.isEmpty() ? spoolBytes() : double(QFileInfo(program.app.path(file)).size());
    }
    state.counters["pages"] = pages;
    state.counters["disk_bytes"] = disk;
    state.counters["peak_rss_bytes"] = peakMemoryBytes();
    state.counters["rows"] = program.year.jobs;
    state.counters["database_made_s"] = program.year.seconds;
    state.counters["database_bytes"] = double(QFileInfo(program.year.databasePath).size());
}

void BM_YearReportToHtmlFile(benchmark::State& state)
{
    runReport(state, quirepress::cOutputToHTMLFile, QStringLiteral("report.html"));
}
BENCHMARK(BM_YearReportToHtmlFile)->Unit(benchmark::kSecond)->Iterations(1);

void BM_YearReportToPdfFile(benchmark::State& state)
{
    runReport(state, quirepress::cOutputToPDFFile, QStringLiteral("report.pdf"));
}
BENCHMARK(BM_YearReportToPdfFile)->Unit(benchmark::kSecond)->Iterations(1);

void BM_YearReportToPreview(benchmark::State& state) { runReport(state, quirepress::cOutputToScreen, QString()); }
BENCHMARK(BM_YearReportToPreview)->Unit(benchmark::kSecond)->Iterations(1);

// The database's share of a run: the statement's rows read, sorted by
// company, and nothing printed.
void BM_YearReportRowsRead(benchmark::State& state)
{
    bench::BusyProgram& program = bench::busyProgram();
    if (!program.ready) {
        state.SkipWithError("cannot make the busy year's program folder");
        return;
    }
    for (auto _ : state) {
        const quillbill::ReportStatement& statement = program.app.state.ReportSql;
        QSqlQuery rows = program.app.state.MainDatabase.execute(statement.sql, statement.values);
        const int sums = rows.record().indexOf(QStringLiteral("Sums"));
        int64_t total = 0;
        while (rows.next())
            total += rows.value(sums).toLongLong();
        benchmark::DoNotOptimize(total);
    }
    state.counters["customers"] = program.year.customers;
    state.counters["invoices"] = program.year.invoices;
    state.counters["jobs"] = program.year.jobs;
    state.counters["busiest_customer"] = program.year.busiestCustomer;
    state.counters["busiest_invoices"] = program.year.busiestInvoices;
}
BENCHMARK(BM_YearReportRowsRead)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
