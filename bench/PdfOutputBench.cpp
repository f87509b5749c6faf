// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// A long invoice list written as a PDF file in process: every page laid
// out by Qt's text metrics, as the printer's, and written by the engine's
// own PDF surface (cairo, with HarfBuzz shaping), with a page header and a
// numbered page footer. Beside it, the same texts drawn at the same places
// straight onto a QPdfWriter: the engine's whole run is to take at most
// half the time of Qt's writer alone. BM_PdfEngineAgainstPlainWriter runs
// the two in turns and reports their ratio of processor time, which a busy
// machine disturbs less than the two benchmarks' times taken apart. Peak
// memory is the process's (getrusage), so it is read on a run of one
// benchmark alone: --benchmark_filter=BM_ReportToPdf.

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>

#include <sys/resource.h>

#include <ctime>

#include <array>
#include <optional>
#include <string>

namespace {

constexpr int rowsPerRun = 10'000;
const QString header = QStringLiteral("Header");
const QString detail = QStringLiteral("Detail");

// Prints the page header on every page after the first, as callers do.
class PageHeader final : public quirepress::ReportEvents {
public:
    explicit PageHeader(quirepress::Report& report) : report_(report) {}
    void NewPage() override { report_.PrintSection(header); }

private:
    quirepress::Report& report_;
};

// The invoice list of six columns, its header and its numbered footer.
std::unique_ptr<quirepress::Report> invoiceListWithPages()
{
    auto report = bench::silentReport();
    report->setTopMargin(720);
    report->setBottomMargin(720);
    report->setLeftMargin(720);
    report->setRightMargin(720);

    QString name = header;
    auto heading = report->AddSection(name);
    heading->setHeight(480);
    bench::addText(*heading, QStringLiteral("Title"), 0, QStringLiteral("Invoices, March 2024"));
    heading->Field(QStringLiteral("Title"))->setBold(true);
    bench::addText(*heading, QStringLiteral("Amount"), 7200, QStringLiteral("Amount"), quirepress::cJustificationRight);

    auto line = bench::addInvoiceLine(*report, 240);
    bench::addText(*line, QStringLiteral("Due"), 9300, QStringLiteral("13/04/2024"));
    bench::addText(*line, QStringLiteral("Status"), 10500, QStringLiteral("Paid"));

    name = QStringLiteral("Footer");
    auto footer = report->AddSection(name);
    footer->setHeight(300);
    footer->setFooter(true);
    bench::addText(*footer, QStringLiteral("Page"), 4800, QStringLiteral("{Page Number}"),
                   quirepress::cJustificationCentre);
    return report;
}

// One whole run to `target`: a PDF file at `path`, or the printer. The
// error's text when the engine threw.
std::optional<std::string> runToPdf(quirepress::Report& report, const QString& path,
                                    quirepress::OutputOptions target = quirepress::cOutputToPDFFile)
{
    try {
        report.setOutputTo(target);
        report.setOutputFilename(path);
        report.PrintSection(header);
        for (int row = 0; row < rowsPerRun; ++row)
            report.PrintSection(detail);
        report.EndReport();
        report.CloseWindow();
    } catch (const quirepress::Error& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void BM_ReportToPdf(benchmark::State& state)
{
    auto report = invoiceListWithPages();
    PageHeader pageHeader(*report);
    report->setEvents(&pageHeader);
    const QString path = bench::outputPath(QStringLiteral("engine.pdf"));
    for (auto _ : state) {
        if (const auto error = runToPdf(*report, path)) {
            state.SkipWithError(error->c_str());
            break;
        }
    }
    report->setEvents(nullptr);
    const int64_t bytes = QFileInfo(path).size();
    if (bytes <= 0)
        state.SkipWithError("the run wrote nothing");
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * rowsPerRun, benchmark::Counter::kIsRate);
    state.counters["pages"] = report->PageCount();
    state.counters["peak RSS MB"] = peakResidentMegabytes();
}

// The same run on the printer, through Qt's print system to the CUPS queue
// "PDF": the engine's side of printing. The job is handed to CUPS when the
// run ends; converting it to a file is CUPS's own time, outside this
// process, and the process CPU time leaves it out.
void BM_ReportToPrinter(benchmark::State& state)
{
    if (!QPrinterInfo::availablePrinterNames().contains(QStringLiteral("PDF"))) {
        state.SkipWithError("no printer PDF");
        return;
    }
    auto report = invoiceListWithPages();
    report->setPrinterName(QStringLiteral("PDF"));
    PageHeader pageHeader(*report);
    report->setEvents(&pageHeader);
    for (auto _ : state) {
        if (const auto error = runToPdf(*report, QString(), quirepress::cOutputToPrinter)) {
            state.SkipWithError(error->c_str());
            break;
        }
    }
    report->setEvents(nullptr);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * rowsPerRun, benchmark::Counter::kIsRate);
    state.counters["pages"] = report->PageCount();
}

// The engine's texts drawn by hand: the header's two texts at the top of
// each page, six columns a row, the page number at the foot, on pages of
// `page` twips. Returns the number of pages.
int drawByHand(QPdfWriter& writer, QSize page)
{
    constexpr double twipsPerInch = 1440.0;
    constexpr int margin = 720;
    QPainter painter(&writer);
    painter.scale(writer.resolution() / twipsPerInch, writer.resolution() / twipsPerInch);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(200);
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const std::array<QString, 6> row{QStringLiteral("Harbourside Joinery Ltd"),
                                     QStringLiteral("INV-004217"),
                                     QStringLiteral("14/03/2024"),
                                     QStringLiteral("1,284.50"),
                                     QStringLiteral("13/04/2024"),
                                     QStringLiteral("Paid")};
    const std::array<int, 6> lefts{0, 2400, 4800, 7200, 9300, 10500};
    const int bottom = page.height() - margin - 300;
    int pages = 1;
    double y = margin + 480;
    const auto footer = [&] {
        const QString number = QString::number(pages);
        painter.drawText(
            QPointF(margin + 4800 + (2000 - metrics.horizontalAdvance(number)) / 2, bottom + metrics.ascent()), number);
    };
    const auto heading = [&] {
        painter.drawText(QPointF(margin, margin + metrics.ascent()), QStringLiteral("Invoices, March 2024"));
        painter.drawText(
            QPointF(margin + 9200 - metrics.horizontalAdvance(QStringLiteral("Amount")), margin + metrics.ascent()),
            QStringLiteral("Amount"));
    };
    heading();
    for (int line = 0; line < rowsPerRun; ++line) {
        if (y + 240 > bottom) {
            footer();
            writer.newPage();
            ++pages;
            heading();
            y = margin + 480;
        }
        for (size_t column = 0; column < row.size(); ++column) {
            double x = margin + lefts[column];
            if (column == 3)
                x += 2000 - metrics.horizontalAdvance(row[column]);
            painter.drawText(QPointF(x, y + metrics.ascent()), row[column]);
        }
        y += 240;
    }
    footer();
    return pages;
}

// The page the engine's run has, found by one run; empty when it failed.
QSize enginePage(benchmark::State& state)
{
    auto report = invoiceListWithPages();
    if (const auto error = runToPdf(*report, bench::outputPath(QStringLiteral("source.pdf")))) {
        state.SkipWithError(error->c_str());
        return {};
    }
    return QSize(report->PageWidth(), report->PageHeight());
}

// The texts drawn by hand onto a QPdfWriter writing `path`; the number of
// pages, 0 when the file could not be opened.
int writePlainPdf(const QString& path, QSize page)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    QPdfWriter writer(&file);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(page) / 20.0, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
    return drawByHand(writer, page);
}

void BM_PlainPdfWriter(benchmark::State& state)
{
    const QSize page = enginePage(state);
    if (page.isEmpty())
        return;
    const QString path = bench::outputPath(QStringLiteral("plain.pdf"));
    int pages = 0;
    for (auto _ : state) {
        if ((pages = writePlainPdf(path, page)) == 0) {
            state.SkipWithError("cannot open the plain writer's file");
            break;
        }
    }
    const int64_t bytes = QFileInfo(path).size();
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * rowsPerRun, benchmark::Counter::kIsRate);
    state.counters["pages"] = pages;
}

// The engine's run and the plain writer in turns, each iteration one of
// each: "ratio" is the engine's processor time over the plain writer's.
void BM_PdfEngineAgainstPlainWriter(benchmark::State& state)
{
    const QSize page = enginePage(state);
    if (page.isEmpty())
        return;
    auto report = invoiceListWithPages();
    PageHeader pageHeader(*report);
    report->setEvents(&pageHeader);
    const QString enginePath = bench::outputPath(QStringLiteral("engine.pdf"));
    const QString plainPath = bench::outputPath(QStringLiteral("plain.pdf"));
    double engine = 0;
    double plain = 0;
    for (auto _ : state) {
        const double start = bench::processorSeconds();
        if (const auto error = runToPdf(*report, enginePath)) {
            state.SkipWithError(error->c_str());
            break;
        }
        const double between = bench::processorSeconds();
        if (writePlainPdf(plainPath, page) == 0) {
            state.SkipWithError("cannot open the plain writer's file");
            break;
        }
        engine += between - start;
        plain += bench::processorSeconds() - between;
    }
    report->setEvents(nullptr);
    const auto runs = static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["engine ms"] = engine * 1000 / runs;
    state.counters["plain ms"] = plain * 1000 / runs;
    state.counters["ratio"] = plain > 0 ? engine / plain : 0;
}

} // namespace

BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
// Every run is a print job that lands in ~/PDF: a few are enough.
BENCHMARK(BM_ReportToPrinter)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_PlainPdfWriter)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_PdfEngineAgainstPlainWriter)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();
