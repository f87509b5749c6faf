// Loading report definition files of 2,000 and 32,000 sections, all of one
// name (each after the first gets the next free counter) and all of their
// own names, without fields and with one field each. Time per section should
// stay flat from the small file to the large one: the per-section rate is the
// column to compare.

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
