// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The invoice document as the invoice window's e-mail button makes it: a
// 20-job invoice from a real database file through clsSimple to Invoice.html,
// the driver made anew for each run as the window does.

#include "InvoiceTestData.h"
#include "ProgramMessageBoxes.h"

#include "app/AppContext.h"
#include "invoicing/BuildInvoiceData.h"
#include "invoicing/InvoiceRows.h"
#include "invoicing/clsSimple.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// A program folder with the delivered database, the invoice layout and one
// stored invoice of 20 jobs.
struct InvoiceProgram {
    InvoiceProgram()
    {
        const QString database = folder.filePath(QStringLiteral("DataBase/db_be.mdb"));
        if (!QDir(folder.path()).mkpath(QStringLiteral("DataBase"))
            || !QDir(folder.path()).mkpath(QStringLiteral("Reports"))
            || !QFile::copy(QStringLiteral(QUILLBILL_DELIVERED_DATABASE), database)
            || !QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner))
            return;
        app.state.MainDatabase.open(database);
        quillbill::testing::writeInvoiceLayout(app.path(QStringLiteral("Reports/simple.rdn")));
        std::vector<quillbill::testing::StoredJob> jobs;
        for (int job = 1; job <= 20; ++job)
            jobs.push_back({QStringLiteral("Job number %1 of the month").arg(job), job * 123'456});
        const auto stored = quillbill::testing::storeInvoice(app.state.MainDatabase, QStringLiteral("Acme Tools"), 1,
                                                             QDate(2026, 12, 7), jobs);
        invoice = quillbill::BuildInvoiceData(app.state.MainDatabase, stored.invoiceId, stored.customerId);
        ready = true;
    }

    QTemporaryDir folder;
    bench::RecordedMessageBoxes messages;
    quillbill::AppContext app{folder.path(), messages};
    quillbill::InvoiceSelection invoice{};
    bool ready = false;
};

void BM_InvoiceToHtmlFile(benchmark::State& state)
{
    InvoiceProgram program;
    if (!program.ready) {
        state.SkipWithError("cannot lay out a program folder");
        return;
    }
    for (auto _ : state) {
        quillbill::clsSimple driver(program.app, program.invoice);
        driver.setOutput(quirepress::cOutputToHTMLFile);
        driver.setOutputFile(QStringLiteral("Invoice.html"));
        driver.PrintReport();
        if (!program.messages.first.isEmpty()) {
            state.SkipWithError(program.messages.first.toStdString().c_str());
            break;
        }
    }
    state.counters["bytes"] = double(QFileInfo(program.app.path(QStringLiteral("Invoice.html"))).size());
}
BENCHMARK(BM_InvoiceToHtmlFile)->Unit(benchmark::kMillisecond);

// The driver's own share of a run: reading the invoice from the database.
void BM_InvoiceRowsRead(benchmark::State& state)
{
    InvoiceProgram program;
    if (!program.ready) {
        state.SkipWithError("cannot lay out a program folder");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(quillbill::readInvoiceRows(program.app.state.MainDatabase, program.invoice));
}
BENCHMARK(BM_InvoiceRowsRead)->Unit(benchmark::kMillisecond);

} // namespace
