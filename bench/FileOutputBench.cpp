// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Text, HTML and CSV files written by whole report runs, each beside a
// formatter written by hand for the same layout that makes the very same
// bytes from the same values: the ratio of the two is what the engine's
// generality costs. The engine's caller sets the values of the section's
// fields for every row, as a program does; the formatter starts from the
// same values, already UTF-8 as a plain program would hold them. Before
// timing, each pair checks that the two files are equal byte for byte.

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int rowsPerRun = 100'000;
// The rows of a run repeat after this many: values that differ from row to
// row, yet few enough to stay in the processor's caches, as the values of a
// program's current rows would be.
constexpr int distinctRows = 1000;

// The values of one invoice line: customer, invoice number, date, amount.
struct Row {
    std::array<QString, 4> text;
    std::array<std::string, 4> utf8;
};

// Rows that differ from each other, some with the characters CSV quotes
// and names longer than their column.
std::vector<Row> invoiceRows()
{
    static const char* const customers[] = {"Harbourside Joinery Ltd", "Baker, Hughes & Co", "The \"Oak\" Works",
                                            "Millbrook Farm Supplies", "A. Patel",           "Northgate Glazing"};
    std::vector<Row> rows(distinctRows);
    for (int index = 0; index < distinctRows; ++index) {
        const int cents = (index * 7919) % 1'000'000;
        const QString euros = QString::number(cents / 100);
        const QString amount = (euros.size() > 3 ? euros.left(euros.size() - 3) + u',' + euros.right(3) : euros)
            + QStringLiteral(".%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
        Row& row = rows[static_cast<size_t>(index)];
        row.text = {QString::fromUtf8(customers[index % std::size(customers)]),
                    QStringLiteral("INV-%1").arg(index + 1, 6, 10, QLatin1Char('0')),
                    QStringLiteral("%1/%2/2024")
                        .arg(index % 28 + 1, 2, 10, QLatin1Char('0'))
                        .arg(index % 12 + 1, 2, 10, QLatin1Char('0')),
                    amount};
        for (size_t field = 0; field < row.text.size(); ++field)
            row.utf8[field] = row.text[field].toStdString();
    }
    return rows;
}

const Row& rowAt(int index)
{
    static const std::vector<Row> all = invoiceRows();
    return all[static_cast<size_t>(index % distinctRows)];
}

// One whole run to `path`, the caller setting the fields' values for every
// row. The error's text when the engine threw.
std::optional<std::string> runToFile(quirepress::OutputOptions target, const QString& path)
{
    static const QString detail = QStringLiteral("Detail");
    static const std::array<QString, 4> names = {QStringLiteral("Customer"), QStringLiteral("Invoice"),
                                                 QStringLiteral("Date"), QStringLiteral("Amount")};
    try {
        auto report = bench::silentReport();
        const auto section = bench::addInvoiceLine(*report, 240);
        std::array<std::shared_ptr<quirepress::Field>, 4> fields;
        for (size_t field = 0; field < fields.size(); ++field)
            fields[field] = section->Field(names[field]);
        report->setOutputTo(target);
        report->setOutputFilename(path);
        for (int index = 0; index < rowsPerRun; ++index) {
            const Row& values = rowAt(index);
            for (size_t field = 0; field < fields.size(); ++field)
                fields[field]->setValue(values.text[field]);
            report->PrintSection(detail);
        }
        report->EndReport();
    } catch (const quirepress::Error& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

// The layout of bench::addInvoiceLine written by hand: fields 2000 twips
// wide at 0, 2400, 4800 and 7200 twips, the last right-justified, on a grid
// of 120 by 240 twips, on a section 12000 twips wide.
class Formatter {
public:
    Formatter(quirepress::OutputOptions target, std::FILE* file) : target_(target), file_(file) {}

    void begin()
    {
        if (target_ != quirepress::cOutputToTextFile)
            put("\xEF\xBB\xBF");
        if (target_ == quirepress::cOutputToHTMLFile)
            put("<HTML>\r\n<BODY>\r\n");
    }
    void line(const Row& row)
    {
        line_.clear();
        switch (target_) {
        case quirepress::cOutputToHTMLFile:
            htmlLine(row);
            break;
        case quirepress::cOutputToCSVFile:
            csvLine(row);
            break;
        default:
            textLine(row);
            break;
        }
        line_ += "\r\n";
        put(line_);
    }
    void end()
    {
        if (target_ == quirepress::cOutputToHTMLFile)
            put("</BODY>\r\n</HTML>\r\n");
    }
    bool failed() const { return failed_; }

private:
    // Each text starts after as many characters as its column says; what
    // runs on from the field before is cut there.
    void textLine(const Row& row)
    {
        static constexpr size_t leftColumns[] = {1, 21, 41};
        for (size_t field = 0; field < 3; ++field) {
            line_.resize(leftColumns[field], ' ');
            line_ += row.utf8[field];
        }
        // Right-justified: it ends in column 77, the field's right edge.
        const std::string& amount = row.utf8[3];
        line_.resize(78 - std::min<size_t>(amount.size(), 77), ' ');
        line_ += amount;
    }
    // One borderless table a line; each cell reaches to the next field.
    void htmlLine(const Row& row)
    {
        static constexpr const char* cells[] = {"<TD WIDTH=160 ALIGN=left>", "<TD WIDTH=160 ALIGN=left>",
                                                "<TD WIDTH=160 ALIGN=left>", "<TD WIDTH=320 ALIGN=right>"};
        line_ += "<TABLE border=0><TR><TD width=0></TD>";
        for (size_t field = 0; field < 4; ++field) {
            line_ += cells[field];
            line_ += "<FONT face=\"Arial\" Size=2>";
            line_ += row.utf8[field];
            line_ += "</FONT></TD>";
        }
        line_ += "</TR></TABLE>";
    }
    // Values with a comma, a quote or a line break are quoted, quotes doubled.
    void csvLine(const Row& row)
    {
        for (const std::string& value : row.utf8) {
            if (!line_.empty())
                line_ += ',';
            if (value.find_first_of(",\"\r\n") == std::string::npos) {
                line_ += value;
                continue;
            }
            line_ += '"';
            for (const char c : value) {
                if (c == '"')
                    line_ += '"';
                line_ += c;
            }
            line_ += '"';
        }
    }
    void put(const std::string& text)
    {
        if (std::fwrite(text.data(), 1, text.size(), file_) != text.size())
            failed_ = true;
    }

    quirepress::OutputOptions target_;
    std::FILE* file_;
    std::string line_;
    bool failed_ = false;
};

// The formatter's whole file. False when it could not be written.
bool formatToFile(quirepress::OutputOptions target, const QString& path)
{
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    Formatter formatter(target, file);
    formatter.begin();
    for (int index = 0; index < rowsPerRun; ++index)
        formatter.line(rowAt(index));
    formatter.end();
    return std::fclose(file) == 0 && !formatter.failed();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString pathFor(const char* side, const char* extension)
{
    return bench::outputPath(QLatin1String(side) + u'.' + QLatin1String(extension));
}

// Where the formatter's file and the engine's part, or nothing when they
// are the same.
std::optional<std::string> differenceOfSides(quirepress::OutputOptions target, const char* extension)
{
    const QString engine = pathFor("engine", extension);
    const QString formatter = pathFor("formatter", extension);
    if (const auto error = runToFile(target, engine))
        return error;
    if (!formatToFile(target, formatter))
        return std::string("the formatter could not write its file");
    const QByteArray expected = contentsOf(engine);
    const QByteArray written = contentsOf(formatter);
    if (expected.isEmpty())
        return std::string("the engine wrote nothing");
    if (written == expected)
        return std::nullopt;
    qsizetype at = 0;
    while (at < expected.size() && at < written.size() && expected[at] == written[at])
        ++at;
    return "the formatter's bytes differ from the engine's from byte " + std::to_string(at) + ": \""
        + expected.mid(at, 60).toStdString() + "\" against \"" + written.mid(at, 60).toStdString() + "\"";
}

void setRates(benchmark::State& state, const QString& path)
{
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * rowsPerRun, benchmark::Counter::kIsRate);
}

void BM_ReportToFile(benchmark::State& state, quirepress::OutputOptions target, const char* extension)
{
    if (const auto difference = differenceOfSides(target, extension)) {
        state.SkipWithError(difference->c_str());
        return;
    }
    const QString path = pathFor("engine", extension);
    for (auto _ : state) {
        if (const auto error = runToFile(target, path)) {
            state.SkipWithError(error->c_str());
            return;
        }
    }
    setRates(state, path);
}

void BM_Formatter(benchmark::State& state, quirepress::OutputOptions target, const char* extension)
{
    if (const auto difference = differenceOfSides(target, extension)) {
        state.SkipWithError(difference->c_str());
        return;
    }
    const QString path = pathFor("formatter", extension);
    for (auto _ : state) {
        if (!formatToFile(target, path)) {
            state.SkipWithError("the formatter could not write its file");
            return;
        }
    }
    setRates(state, path);
}

// The middle one of `times`.
double median(std::vector<double> times)
{
    if (times.empty())
        return 0;
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

// The engine's run and the formatter in turns, each iteration one of each
// and the order changing from one to the next, so that neither side gains
// from what the machine does meanwhile: "ratio" is the engine's median
// processor time over the formatter's, which a moment of other work on the
// machine does not move.
void BM_EngineAgainstFormatter(benchmark::State& state, quirepress::OutputOptions target, const char* extension)
{
    if (const auto difference = differenceOfSides(target, extension)) {
        state.SkipWithError(difference->c_str());
        return;
    }
    const QString enginePath = pathFor("engine", extension);
    const QString formatterPath = pathFor("formatter", extension);
    std::vector<double> engine;
    std::vector<double> formatter;
    bool engineFirst = true;
    for (auto _ : state) {
        for (const bool engineTurn : {engineFirst, !engineFirst}) {
            const double start = bench::processorSeconds();
            if (engineTurn) {
                if (const auto error = runToFile(target, enginePath)) {
                    state.SkipWithError(error->c_str());
                    return;
                }
                engine.push_back(bench::processorSeconds() - start);
            } else {
                if (!formatToFile(target, formatterPath)) {
                    state.SkipWithError("the formatter could not write its file");
                    return;
                }
                formatter.push_back(bench::processorSeconds() - start);
            }
        }
        engineFirst = !engineFirst;
    }
    const double engineMedian = median(engine);
    const double formatterMedian = median(formatter);
    state.counters["engine ms"] = engineMedian * 1000;
    state.counters["formatter ms"] = formatterMedian * 1000;
    state.counters["ratio"] = formatterMedian > 0 ? engineMedian / formatterMedian : 0;
}

// What a run costs apart from its rows: the report and its section made,
// the file made and put in place, the progress window. The runs above pay
// it once in their 100,000 rows.
void BM_RunOfOneRow(benchmark::State& state)
{
    const QString path = pathFor("one-row", "txt");
    for (auto _ : state) {
        try {
            auto report = bench::silentReport();
            bench::addInvoiceLine(*report, 240);
            report->setOutputTo(quirepress::cOutputToTextFile);
            report->setOutputFilename(path);
            report->PrintSection(QStringLiteral("Detail"));
            report->EndReport();
        } catch (const quirepress::Error& error) {
            state.SkipWithError(error.what());
            return;
        }
    }
}

} // namespace

// Process CPU time: what each side costs, whatever else the machine runs.
BENCHMARK_CAPTURE(BM_ReportToFile, Text, quirepress::cOutputToTextFile, "txt")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_Formatter, Text, quirepress::cOutputToTextFile, "txt")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_ReportToFile, HTML, quirepress::cOutputToHTMLFile, "html")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_Formatter, HTML, quirepress::cOutputToHTMLFile, "html")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_ReportToFile, CSV, quirepress::cOutputToCSVFile, "csv")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_Formatter, CSV, quirepress::cOutputToCSVFile, "csv")
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_EngineAgainstFormatter, Text, quirepress::cOutputToTextFile, "txt")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_EngineAgainstFormatter, HTML, quirepress::cOutputToHTMLFile, "html")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_EngineAgainstFormatter, CSV, quirepress::cOutputToCSVFile, "csv")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40)
    ->MeasureProcessCPUTime();

BENCHMARK(BM_RunOfOneRow)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
