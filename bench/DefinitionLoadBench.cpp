// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Loading report definition files of 2,000 and 32,000 sections, all of one
// name (each after the first gets the next free counter) and all of their
// own names, without fields and with one field each. Time per section should
// stay flat from the small file to the large one: the per-section rate is the
// column to compare.
//
// BM_LoadLargeDefinition loads a file of 14 MB, near the largest the engine
// reads, and reports the memory that took beside the file's size. Its peak
// is the process's, so it is read on a run of it alone
// (--benchmark_filter=BM_LoadLargeDefinition).

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>

namespace {

// A definition file of `sections` sections named "Detail" throughout or
// "Detail1", "Detail2", ..., each with no field or one numeric field.
QString writeDefinition(int sections, bool oneName, bool withField)
{
    const QString path = bench::outputPath(QStringLiteral("load-%1-%2-%3.rdn")
                                               .arg(sections)
                                               .arg(oneName ? QStringLiteral("same") : QStringLiteral("distinct"))
                                               .arg(withField ? 1 : 0));
    QByteArray bytes =
        "[Report]\r\nGridX=120\r\nGridY=240\r\nSectionCount=" + QByteArray::number(sections) + "\r\nOrientation=1\r\n";
    for (int i = 1; i <= sections; ++i) {
        const QByteArray number = QByteArray::number(i);
        bytes += "[Section" + number + "]\r\nSectionName=Detail" + (oneName ? QByteArray() : number)
            + "\r\nHeight=240\r\nWidth=12000\r\nFieldCount=" + (withField ? "1" : "0") + "\r\nFooter=False\r\n";
        if (withField)
            bytes += "[Section" + number
                + "Field1]\r\nFieldName=Amount\r\nFont=Arial\r\nSize=10\r\nTop=0\r\n"
                  "FieldLeft=9000\r\nFieldWidth=2000\r\nFieldType=2\r\nFieldHeight=240\r\nLineWidth=1\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

void BM_LoadDefinition(benchmark::State& state, bool oneName, bool withField)
{
    const int sections = static_cast<int>(state.range(0));
    const QString path = writeDefinition(sections, oneName, withField);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the definition file");
        return;
    }
    auto report = bench::silentReport();
    for (auto _ : state) {
        QString name = path;
        try {
            if (!report->LoadReport(name) || report->SectionCount() != sections) {
                state.SkipWithError("the definition did not load whole");
                break;
            }
        } catch (const quirepress::Error& error) {
            state.SkipWithError(error.what());
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
    state.counters["sections/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * sections, benchmark::Counter::kIsRate);
    state.SetComplexityN(sections);
}

// A definition file of at least `bytes` bytes: sections of 100 fields, each
// field with every key SaveReport writes.
QString writeLargeDefinition(qsizetype bytes)
{
    constexpr int fieldsPerSection = 100;
    QByteArray body;
    int sections = 0;
    while (body.size() < bytes) {
        const QByteArray section = "Section" + QByteArray::number(++sections);
        body += "[" + section + "]\r\nSectionName=Detail" + QByteArray::number(sections)
            + "\r\nHeight=240\r\nWidth=12000\r\nFieldCount=" + QByteArray::number(fieldsPerSection)
            + "\r\nFooter=False\r\n";
        for (int j = 1; j <= fieldsPerSection; ++j) {
            const QByteArray number = QByteArray::number(j);
            body += "[" + section + "Field" + number + "]\r\nFieldName=Amount" + number
                + "\r\nDefaultValue=Window cleaning, 12 panes\r\nFont=Arial\r\nSize=10\r\nBold=0\r\nItalics=0\r\n"
                  "Underline=0\r\nForeColour=0\r\nBackColour=16777215\r\nJustification=1\r\nTop=0\r\n"
                  "FieldLeft=9000\r\nFieldWidth=2000\r\nFieldType=2\r\nFieldHeight=240\r\nFieldBox=0\r\n"
                  "LineWidth=1\r\nLimitSize=0\r\nTableNoRows=0\r\nTableNoCols=0\r\nTableRowLabel=0\r\n"
                  "TableColLabel=0\r\nTableMaxWidth=0\r\n";
        }
    }
    const QByteArray head = "[Report]\r\nGridX=120\r\nGridY=240\r\nSectionCount=" + QByteArray::number(sections)
        + "\r\nLeftMargin=720\r\nRightMargin=720\r\nTopMargin=720\r\nBottomMargin=720\r\nPrinterName=\r\n"
          "Orientation=1\r\n";
    const QString path = bench::outputPath(QStringLiteral("load-large.rdn"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size() || file.write(body) != body.size())
        return {};
    return path;
}

// The 14 MB file loaded into a new report each time. The memory is the
// process's: its peak, and that peak above what the process held before the
// first load, beside the file's size. A freed report's memory is used again
// by the next, so only the first load can raise the peak.
void BM_LoadLargeDefinition(benchmark::State& state)
{
    const QString path = writeLargeDefinition(14'000'000);
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the definition file");
        return;
    }
    static const double before = bench::processMemory("VmRSS");
    const double fileBytes = static_cast<double>(QFileInfo(path).size());
    for (auto _ : state) {
        auto report = bench::silentReport();
        try {
            if (!report->LoadReport(path)) {
                state.SkipWithError("the definition did not load");
                break;
            }
        } catch (const quirepress::Error& error) {
            state.SkipWithError(error.what());
            break;
        }
    }
    const double peak = bench::processMemory("VmHWM");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileBytes));
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_rss_MB"] = peak / 1e6;
    state.counters["load_MB"] = (peak - before) / 1e6;
    state.counters["load/file"] = (peak - before) / fileBytes;
}

} // namespace

BENCHMARK_CAPTURE(BM_LoadDefinition, OneName, true, false)
    ->Arg(2'000)
    ->Arg(32'000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_LoadDefinition, OwnNames, false, false)
    ->Arg(2'000)
    ->Arg(32'000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_LoadDefinition, OneNameWithFields, true, true)
    ->Arg(2'000)
    ->Arg(32'000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_LoadLargeDefinition)->Unit(benchmark::kMillisecond)->UseRealTime();
