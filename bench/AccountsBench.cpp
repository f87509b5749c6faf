// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// What customers owe, worked out from a busy year's database: the busiest
// customer's statement of the whole year (its invoices, payments and
// running balance), and every customer's balance by age at the year's end.
// The documents are laid out from these; this is the reading and reckoning
// beneath them.

#include "BusyProgram.h"

#include "invoicing/clsAging.h"
#include "records/Database.h"
#include "records/invoices/AccountStatement.h"
#include "records/invoices/AgingReport.h"

#include <benchmark/benchmark.h>

#include <QDate>

namespace {

// The busy program; null, with the benchmark skipped, when it cannot be made.
bench::BusyProgram* busyAccounts(benchmark::State& state)
{
    bench::BusyProgram& accounts = bench::busyProgram();
    if (!accounts.ready) {
        state.SkipWithError("cannot make the busy year's program folder");
        return nullptr;
    }
    return &accounts;
}

void BM_StatementOfTheBusiestCustomerOfABusyYear(benchmark::State& state)
{
    bench::BusyProgram* accounts = busyAccounts(state);
    if (!accounts)
        return;
    const bench::BusyYear& year = accounts->year;
    const quillbill::Database& database = accounts->app.state.MainDatabase;
    size_t lines = 0;
    for (auto _ : state) {
        const quillbill::AccountStatement statement = quillbill::accountStatement(
            database, year.busiestCustomer, QDate(year.year, 1, 1), QDate(year.year, 12, 31));
        lines = statement.lines.size();
        benchmark::DoNotOptimize(statement.closing);
    }
    state.counters["invoices"] = year.busiestInvoices;
    state.counters["lines"] = double(lines);
}
BENCHMARK(BM_StatementOfTheBusiestCustomerOfABusyYear)->Unit(benchmark::kMillisecond);

void BM_AgingOfEveryCustomerOfABusyYear(benchmark::State& state)
{
    bench::BusyProgram* accounts = busyAccounts(state);
    if (!accounts)
        return;
    const bench::BusyYear& year = accounts->year;
    const quillbill::Database& database = accounts->app.state.MainDatabase;
    size_t rows = 0;
    for (auto _ : state) {
        const quillbill::AgingReport report = quillbill::agingReport(database, QDate(year.year, 12, 31));
        rows = report.rows.size();
        benchmark::DoNotOptimize(report.total);
    }
    state.counters["invoices"] = year.invoices;
    state.counters["customers_owing"] = double(rows);
}
BENCHMARK(BM_AgingOfEveryCustomerOfABusyYear)->Unit(benchmark::kMillisecond);

// The aging report's document of every customer, through the delivered
// layout: to an HTML file, and to the preview with all its pages.
void runAgingReport(benchmark::State& state, quirepress::OutputOptions output, const QString& file)
{
    bench::BusyProgram* accounts = busyAccounts(state);
    if (!accounts)
        return;
    quillbill::AppContext& app = accounts->app;
    const bench::BusyYear& year = accounts->year;
    for (auto _ : state) {
        quillbill::clsAging driver(app, QDate(year.year, 12, 31));
        driver.setOutput(output);
        if (!file.isEmpty())
            driver.setOutputFile(app.path(file));
        driver.PrintReport();
        if (!accounts->messages.first.isEmpty()) {
            state.SkipWithError(accounts->messages.first.toStdString().c_str());
            return;
        }
    }
    state.counters["customers"] = year.customers;
}

void BM_AgingReportToHtmlFile(benchmark::State& state)
{
    runAgingReport(state, quirepress::cOutputToHTMLFile, QStringLiteral("aging.html"));
}
BENCHMARK(BM_AgingReportToHtmlFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_AgingReportToPreview(benchmark::State& state) { runAgingReport(state, quirepress::cOutputToScreen, {}); }
BENCHMARK(BM_AgingReportToPreview)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
