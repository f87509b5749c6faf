// Pages laid out on the screen surface: text measured and drawn with Qt's
// fonts, a filled box under each line, and every finished page saved as a
// BMP image in the temporary folder, as a preview would need it. The same
// pages drawn for the printer "PDF" (scripts/print-server.sh), when there is
// one: Qt makes the print job's PDF in this process, CUPS takes it on.

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QPrinterInfo>

#include <optional>
#include <string>

namespace {

constexpr int16_t pagesPerRun = 20;
const QString detail = QStringLiteral("Detail");

std::unique_ptr<quirepress::Report> shadedInvoiceList()
{
    auto report = bench::silentReport();
    report->setTopMargin(720);
    report->setBottomMargin(720);
    report->setLeftMargin(720);
    report->setRightMargin(720);
    auto section = bench::addInvoiceLine(*report, 300);
    // Added last, but the engine draws shapes before text, so it shades the line.
    QString name = QStringLiteral("Shade");
    auto box = section->AddField(name);
    box->setFieldType(quirepress::cFieldSquare);
    box->setFieldLeft(0);
    box->setFieldTop(0);
    box->setFieldWidth(9200);
    box->setFieldHeight(200);
    box->setFieldBox(true);
    box->setBackColour(0xEEEEEE);
    return report;
}

// How many sections fill a page, found by printing until the first break
// rather than by repeating the engine's arithmetic.
int sectionsPerPage(quirepress::Report& report, quirepress::OutputOptions target)
{
    report.setOutputTo(target);
    int printed = 0;
    while (report.PageCount() < 2) {
        report.PrintSection(detail);
        ++printed;
    }
    report.EndReport();
    report.CloseWindow();
    // The last one went to the second page.
    return printed - 1;
}

// One run of exactly `pagesPerRun` full pages. The error's text when it went wrong.
std::optional<std::string> runPages(quirepress::Report& report, quirepress::OutputOptions target, int perPage)
{
    try {
        report.setOutputTo(target);
        for (int section = 0; section < perPage * pagesPerRun; ++section)
            report.PrintSection(detail);
        const bool rightCount = report.PageCount() == pagesPerRun;
        // The last page is saved here, the others at their page breaks.
        report.EndReport();
        report.CloseWindow();
        if (!rightCount)
            return std::string("the run did not end on page ") + std::to_string(pagesPerRun);
    } catch (const quirepress::Error& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

void BM_Pages(benchmark::State& state, quirepress::OutputOptions target)
{
    auto report = shadedInvoiceList();
    if (target == quirepress::cOutputToPrinter) {
        if (!QPrinterInfo::availablePrinterNames().contains(QStringLiteral("PDF"))) {
            state.SkipWithError("no printer PDF");
            return;
        }
        report->setPrinterName(QStringLiteral("PDF"));
    }
    int perPage = 0;
    try {
        perPage = sectionsPerPage(*report, target);
    } catch (const quirepress::Error& error) {
        state.SkipWithError(error.what());
        return;
    }
    if (perPage <= 0) {
        state.SkipWithError("no section fits on a page");
        return;
    }
    for (auto _ : state) {
        if (const auto error = runPages(*report, target, perPage)) {
            state.SkipWithError(error->c_str());
            break;
        }
    }
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * pagesPerRun, benchmark::Counter::kIsRate);
    state.counters["sections/page"] = perPage;
}

} // namespace

// Process CPU time: the machine may be busy with other work, and the page
// images are written by this process alone.
BENCHMARK_CAPTURE(BM_Pages, Screen, quirepress::cOutputToScreen)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
// Every run is a print job that lands in ~/PDF: a few are enough.
BENCHMARK_CAPTURE(BM_Pages, Printer, quirepress::cOutputToPrinter)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->MeasureProcessCPUTime();
