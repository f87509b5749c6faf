// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// How the engine's work grows with the size of what it is given: a long
// value cut to its field, a long value split into lines, and a table of
// many rows written to a file. Each runs at two sizes a factor of four
// apart; with work that grows linearly the times are four times apart too
// (the per-item rates stay level).

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Words of ordinary lengths up to `length` characters.
QString words(int64_t length)
{
    static const QString sample = QStringLiteral("Supply and fitting of oak worktops, with sealing and the removal of "
                                                 "the old units; labour charged at the agreed daily rate. ");
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += sample;
    text.truncate(length);
    return text;
}

std::shared_ptr<quirepress::Field> addField(quirepress::Section& section, const QString& name, int32_t width,
                                            const QString& value)
{
    QString used = name;
    auto field = section.AddField(used);
    field->setFieldLeft(0);
    field->setFieldTop(0);
    field->setFieldWidth(width);
    field->setValue(value);
    return field;
}

// A text field with LimitSize drawn on the screen page: the value is cut to
// the field's width each time the section is printed.
void BM_LimitSizeCut(benchmark::State& state)
{
    auto report = bench::silentReport();
    report->setOutputTo(quirepress::cOutputToScreen);
    QString name = QStringLiteral("Line");
    auto section = report->AddSection(name);
    // No height: the section never fills a page, so no page is saved while
    // timing.
    section->setHeight(0);
    addField(*section, QStringLiteral("Description"), 3000, words(state.range(0)))->setLimitSize(true);
    try {
        report->PrintSection(name); // starts the run outside the timing
        for (auto _ : state)
            report->PrintSection(name);
        report->EndReport();
        report->CloseWindow();
    } catch (const quirepress::Error& error) {
        state.SkipWithError(error.what());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A caller's loop that splits a long value into the lines of a field on the
// page, one SplitLine a line.
void BM_SplitLineLoop(benchmark::State& state)
{
    auto report = bench::silentReport();
    report->setOutputTo(quirepress::cOutputToScreen);
    QString name = QStringLiteral("Line");
    auto section = report->AddSection(name);
    auto field = addField(*section, QStringLiteral("Description"), 4000, QString());
    field->setLimitSize(true);
    const QString value = words(state.range(0));
    int64_t lines = 0;
    for (auto _ : state) {
        QString rest = value;
        while (!rest.isEmpty()) {
            QString line = rest;
            report->SplitLine(field, line, rest);
            benchmark::DoNotOptimize(line);
            ++lines;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["lines"] = static_cast<double>(lines) / static_cast<double>(state.iterations());
}

// One run that writes a section holding a table of `rows` rows and three
// columns to a file.
void BM_TableToFile(benchmark::State& state, quirepress::OutputOptions target, const char* extension)
{
    const auto rows = static_cast<int16_t>(state.range(0));
    auto report = bench::silentReport();
    QString name = QStringLiteral("Body");
    auto section = report->AddSection(name);
    section->setHeight(240);
    section->setWidth(12000);
    auto table = addField(*section, QStringLiteral("Table"), 9000, QString());
    table->setFieldType(quirepress::cFieldTable);
    table->setTableNumberRows(rows);
    table->setTableNumberCols(3);
    for (int16_t row = 1; row <= rows; ++row) {
        table->setCellValue(1, row, QStringLiteral("INV-%1").arg(row));
        table->setCellValue(2, row, QStringLiteral("14/03/2024"));
        table->setCellValue(3, row, QStringLiteral("1,284.50"));
    }
    const QString path = bench::outputPath(QStringLiteral("table.") + QLatin1String(extension));
    for (auto _ : state) {
        try {
            report->setOutputTo(target);
            report->setOutputFilename(path);
            report->PrintSection(name);
            report->EndReport();
            report->CloseWindow();
        } catch (const quirepress::Error& error) {
            state.SkipWithError(error.what());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

} // namespace

BENCHMARK(BM_LimitSizeCut)->Arg(4000)->Arg(16000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SplitLineLoop)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TableToFile, CSV, quirepress::cOutputToCSVFile, "csv")
    ->Arg(8000)
    ->Arg(32000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_TableToFile, Text, quirepress::cOutputToTextFile, "txt")
    ->Arg(8000)
    ->Arg(32000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
