// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Reports run to the preview: every page recorded as a drawing and kept in
// the report's page spool (memory up to a bound, then one file in the
// user's private temporary folder). Besides the time, each benchmark tells
// what the pages cost: the spool file's size and the process's memory.

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QWidget>

#include <optional>
#include <string>

#include <unistd.h>

namespace {

const QString detail = QStringLiteral("Detail");
const QString header = QStringLiteral("Header");
const QString footer = QStringLiteral("Footer");

// The size of the page spools in the engine's private temporary folder.
double spoolBytes()
{
    const QDir folder(QDir::tempPath() + QStringLiteral("/quirepress-") + QString::number(::getuid()));
    double bytes = 0;
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("qrp*.qpg")}, QDir::Files))
        bytes += static_cast<double>(file.size());
    return bytes;
}

void addText(quirepress::Section& section, const QString& name, int32_t left, int32_t width, const QString& value,
             quirepress::Justifications justification = quirepress::cJustificationLeft)
{
    QString used = name;
    auto field = section.AddField(used);
    field->setFieldLeft(left);
    field->setFieldTop(0);
    field->setFieldWidth(width);
    field->setValue(value);
    field->setJustification(justification);
}

// An invoice list of six columns under a page header, with the page number
// in its footer: the report a user previews most.
std::unique_ptr<quirepress::Report> invoiceList()
{
    auto report = bench::silentReport();
    report->setTopMargin(720);
    report->setBottomMargin(720);
    report->setLeftMargin(720);
    report->setRightMargin(720);
    const QStringList titles = {"Customer", "Invoice", "Date", "Due", "Net", "Gross"};
    const QStringList values = {
        "Harbourside Joinery Ltd", "INV-004217", "14/03/2024", "13/04/2024", "1,070.42", "1,284.50"};
    QString name = header;
    auto top = report->AddSection(name);
    top->setHeight(360);
    top->setWidth(11000);
    name = detail;
    auto line = report->AddSection(name);
    line->setHeight(240);
    line->setWidth(11000);
    for (int column = 0; column < 6; ++column) {
        const int32_t left = column == 0 ? 0 : 1000 + column * 1700;
        const int32_t width = column == 0 ? 2600 : 1600;
        const auto justification = column >= 4 ? quirepress::cJustificationRight : quirepress::cJustificationLeft;
        addText(*top, titles[column], left, width, titles[column], justification);
        addText(*line, titles[column], left, width, values[column], justification);
    }
    name = footer;
    auto bottom = report->AddSection(name);
    bottom->setHeight(300);
    bottom->setWidth(11000);
    bottom->setFooter(true);
    addText(*bottom, QStringLiteral("Page"), 9000, 1000, QStringLiteral("{Page Number}"),
            quirepress::cJustificationRight);
    return report;
}

// Prints the page header on every page after the first, as callers do.
class HeaderOnEveryPage : public quirepress::ReportEvents {
public:
    explicit HeaderOnEveryPage(quirepress::Report& report) : report_(report) { report_.setEvents(this); }
    ~HeaderOnEveryPage() override { report_.setEvents(nullptr); }
    HeaderOnEveryPage(const HeaderOnEveryPage&) = delete;
    HeaderOnEveryPage& operator=(const HeaderOnEveryPage&) = delete;

    void NewPage() override { report_.PrintSection(header); }

private:
    quirepress::Report& report_;
};

struct RunCost {
    int pages = 0;
    double spool = 0;
    double memory = 0;
};

// One run of `rows` rows to the preview, `rowsPerPage` of them a page (0:
// as many as fit), up to the point where every page is ready to be shown.
// What the pages cost is measured while the preview holds them; the
// error's text when the engine threw.
std::optional<std::string> runToPreview(quirepress::Report& report, int rows, int rowsPerPage, RunCost& cost)
{
    try {
        HeaderOnEveryPage headers(report);
        report.setOutputTo(quirepress::cOutputToScreen);
        const double before = bench::processMemory("VmRSS");
        report.PrintSection(header);
        for (int row = 0; row < rows; ++row) {
            if (rowsPerPage > 0 && row > 0 && row % rowsPerPage == 0)
                report.NewPage();
            report.PrintSection(detail);
        }
        report.EndReport();
        cost.pages = report.PageCount();
        cost.spool = spoolBytes();
        cost.memory = bench::processMemory("VmRSS") - before;
        report.CloseWindow();
    } catch (const quirepress::Error& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

void setCosts(benchmark::State& state, const RunCost& cost)
{
    state.counters["pages"] = cost.pages;
    state.counters["spool_MB"] = cost.spool / 1e6;
    state.counters["spool_B/page"] = cost.pages > 0 ? cost.spool / cost.pages : 0;
    state.counters["rss_growth_MB"] = cost.memory / 1e6;
    state.counters["peak_rss_MB"] = bench::processMemory("VmHWM") / 1e6;
}

// 10,000 rows of six columns, as many to a page as fit.
void BM_PreviewInvoiceList(benchmark::State& state)
{
    auto report = invoiceList();
    RunCost cost;
    for (auto _ : state) {
        if (const auto error = runToPreview(*report, static_cast<int>(state.range(0)), 0, cost)) {
            state.SkipWithError(error->c_str());
            break;
        }
    }
    setCosts(state, cost);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}

// One row a page: the pages' cost grows with their number, a few
// kilobytes each, whatever the report's length.
void BM_PreviewManyPages(benchmark::State& state)
{
    auto report = invoiceList();
    RunCost cost;
    for (auto _ : state) {
        if (const auto error = runToPreview(*report, static_cast<int>(state.range(0)), 1, cost)) {
            state.SkipWithError(error->c_str());
            break;
        }
    }
    setCosts(state, cost);
    state.counters["pages/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}

// Measures, with FirstPageAtOnce, how long the preview takes to show page 1:
// the first page break shows and paints it, then raises NewPage, where the
// clock stops and the run is cancelled (the caller's remaining rows then
// cost nothing).
class FirstPageClock : public quirepress::ReportEvents {
public:
    explicit FirstPageClock(quirepress::Report& report) : report_(report) { report_.setEvents(this); }
    ~FirstPageClock() override { report_.setEvents(nullptr); }
    FirstPageClock(const FirstPageClock&) = delete;
    FirstPageClock& operator=(const FirstPageClock&) = delete;

    void NewPage() override
    {
        if (shownAfterNs_ < 0) {
            shownAfterNs_ = clock_.nsecsElapsed();
            previewVisible_ = previewOnScreen();
            report_.setCancel(true);
        }
    }
    void start() { clock_.start(); }
    // -1 while page 1 has not been finished.
    qint64 shownAfterNs() const { return shownAfterNs_; }
    bool previewVisible() const { return previewVisible_; }

private:
    static bool previewOnScreen()
    {
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("frmDisplay") && window->isVisible())
                return true;
        return false;
    }

    quirepress::Report& report_;
    QElapsedTimer clock_;
    qint64 shownAfterNs_ = -1;
    bool previewVisible_ = false;
};

// The time to the first page on the screen, against BM_PreviewInvoiceList's
// time to every page: a run of any length shows its first page as soon.
void BM_FirstPageAtOnce(benchmark::State& state)
{
    for (auto _ : state) {
        auto report = invoiceList();
        report->setFirstPageAtOnce(true);
        report->setOutputTo(quirepress::cOutputToScreen);
        FirstPageClock clock(*report);
        try {
            clock.start();
            report->PrintSection(header);
            for (int row = 0; row < state.range(0); ++row)
                report->PrintSection(detail);
            report->EndReport();
        } catch (const quirepress::Error& error) {
            state.SkipWithError(error.what());
            break;
        }
        if (clock.shownAfterNs() < 0 || !clock.previewVisible()) {
            state.SkipWithError("the preview did not show page 1 while the run went on");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.shownAfterNs()) / 1e9);
    }
}

} // namespace

BENCHMARK(BM_FirstPageAtOnce)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_PreviewInvoiceList)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewManyPages)->Arg(2'500)->Arg(10'000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
