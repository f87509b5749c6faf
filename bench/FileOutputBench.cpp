// Text, HTML and CSV files written by whole report runs, each beside a plain
// stdio writer of the very same bytes: the ratio of the two is what the
// engine costs on top of the disk.

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int sectionsPerRun = 100'000;

// One whole run to `path`. The error's text when the engine threw.
std::optional<std::string> runToFile(quirepress::Report& report, quirepress::OutputOptions target, const QString& path)
{
    static const QString detail = QStringLiteral("Detail");
    try {
        report.setOutputTo(target);
        report.setOutputFilename(path);
        for (int section = 0; section < sectionsPerRun; ++section)
            report.PrintSection(detail);
        report.EndReport();
        // Without it the next PrintSection would continue this run.
        report.CloseWindow();
    } catch (const quirepress::Error& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

void setRates(benchmark::State& state, int64_t bytesPerRun)
{
    state.SetBytesProcessed(state.iterations() * bytesPerRun);
    // The plain writer counts the sections whose lines it writes, so that the
    // two columns of a pair compare directly.
    state.counters["sections/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * sectionsPerRun, benchmark::Counter::kIsRate);
}

void BM_ReportToFile(benchmark::State& state, quirepress::OutputOptions target, const char* extension)
{
    auto report = bench::silentReport();
    bench::addInvoiceLine(*report, 240);
    const QString path = bench::outputPath(QStringLiteral("engine.") + QLatin1String(extension));
    for (auto _ : state) {
        if (const auto error = runToFile(*report, target, path)) {
            state.SkipWithError(error->c_str());
            break;
        }
    }
    const int64_t bytes = QFileInfo(path).size();
    if (bytes <= 0)
        state.SkipWithError("the run wrote nothing");
    setRates(state, bytes);
}

// The lines of `path`, each with its own line end.
std::vector<QByteArray> linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = file.readAll();
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        end = end < 0 ? all.size() : end + 1;
        lines.push_back(all.mid(start, end - start));
        start = end;
    }
    return lines;
}

void BM_PlainWriter(benchmark::State& state, quirepress::OutputOptions target, const char* extension)
{
    // The engine's own output, made once and outside the timing, is what the
    // plain writer writes again.
    const QString source = bench::outputPath(QStringLiteral("source.") + QLatin1String(extension));
    {
        auto report = bench::silentReport();
        bench::addInvoiceLine(*report, 240);
        if (const auto error = runToFile(*report, target, source)) {
            state.SkipWithError(error->c_str());
            return;
        }
    }
    const std::vector<QByteArray> lines = linesOf(source);
    int64_t bytes = 0;
    for (const QByteArray& line : lines)
        bytes += line.size();
    if (bytes == 0) {
        state.SkipWithError("the engine wrote nothing to copy");
        return;
    }

    const QByteArray path = QFile::encodeName(bench::outputPath(QStringLiteral("plain.") + QLatin1String(extension)));
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.constData(), "wb");
        if (!file) {
            state.SkipWithError("cannot open the plain writer's file");
            break;
        }
        bool written = true;
        for (const QByteArray& line : lines) {
            const auto size = static_cast<size_t>(line.size());
            if (std::fwrite(line.constData(), 1, size, file) != size)
                written = false;
        }
        // Both sides pay for closing: the engine flushes its file at the end too.
        if (std::fclose(file) != 0 || !written) {
            state.SkipWithError("the plain writer could not write its file");
            break;
        }
    }
    setRates(state, bytes);
}

// A run of 100,000 sections takes long enough that a few give a steady time.
constexpr int engineIterations = 5;

} // namespace

BENCHMARK_CAPTURE(BM_ReportToFile, Text, quirepress::cOutputToTextFile, "txt")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(engineIterations)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_PlainWriter, Text, quirepress::cOutputToTextFile, "txt")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ReportToFile, HTML, quirepress::cOutputToHTMLFile, "html")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(engineIterations)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_PlainWriter, HTML, quirepress::cOutputToHTMLFile, "html")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ReportToFile, CSV, quirepress::cOutputToCSVFile, "csv")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(engineIterations)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_PlainWriter, CSV, quirepress::cOutputToCSVFile, "csv")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
