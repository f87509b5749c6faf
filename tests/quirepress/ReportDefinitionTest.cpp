// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Report definition files: what SaveReport writes, line for line, and what
// LoadReport reads back, from our own files and from hand-written and
// Windows-written ones.

#include <quirepress/quirepress.h>

#include "FileDialogAnswer.h"
#include "RecordedMessages.h"

#include "model/ProfileFile.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <optional>

#include <sys/resource.h>

using namespace quirepress;

namespace {

QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
}

// `text` in UTF-16, without a byte-order mark.
QByteArray utf16(QStringConverter::Encoding encoding, const char* text)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(QString::fromUtf8(text));
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// What the process has taken for its data (heap and private writable
// mappings), in bytes, as RLIMIT_DATA counts it.
rlim_t dataInUse()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmData:"))
            return line.mid(7).trimmed().split(' ').value(0).toULongLong() * 1024;
    return 0;
}

// A definition of `sections` sections of `fields` fields each, every field
// with no more than its name: the smallest file that makes the most fields.
QByteArray manySmallFields(int sections, int fields)
{
    QByteArray bytes = "[Report]\nSectionCount=" + QByteArray::number(sections) + "\n";
    for (int i = 1; i <= sections; ++i) {
        const QByteArray section = "Section" + QByteArray::number(i);
        bytes += "[" + section + "]\nFieldCount=" + QByteArray::number(fields) + "\n";
        for (int j = 1; j <= fields; ++j) {
            const QByteArray number = QByteArray::number(j);
            bytes += "[" + section + "Field" + number + "]\nFieldName=" + number + "\n";
        }
    }
    return bytes;
}

} // namespace

class ReportDefinition : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }

    // Loads `bytes` as a definition file into `report`.
    bool load(const QByteArray& bytes)
    {
        write(path, bytes);
        QString name = path;
        return report.LoadReport(name);
    }
    std::shared_ptr<Section> addSection(QString name) { return report.AddSection(name); }
    std::shared_ptr<Field> addField(const std::shared_ptr<Section>& section, QString name)
    {
        return section->AddField(name);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("report.rdn");
    std::shared_ptr<RecordedMessages> messages = std::make_shared<RecordedMessages>();
    Report report{messages};
};

TEST_F(ReportDefinition, TheExampleIsWrittenLineForLine)
{
    for (auto margin :
         {&Report::setLeftMargin, &Report::setRightMargin, &Report::setTopMargin, &Report::setBottomMargin})
        (report.*margin)(720);
    report.setOrientation(1);
    const auto detail = addSection("Detail");
    detail->setHeight(300);
    detail->setWidth(12000);
    const auto total = addField(detail, "Total");
    total->setJustification(cJustificationRight);
    total->setFieldLeft(9000);
    total->setFieldWidth(2000);
    total->setFieldType(cFieldNumeric);
    total->setFieldHeight(240);
    report.setReportName(path);
    ASSERT_TRUE(report.SaveReport());

    const QStringList expected = {
        "[Report]",        "GridX=120",           "GridY=240",
        "SectionCount=1",  "LeftMargin=720",      "RightMargin=720",
        "TopMargin=720",   "BottomMargin=720",    "PrinterName=",
        "Orientation=1",   "[Section1]",          "SectionName=Detail",
        "Height=300",      "Width=12000",         "FieldCount=1",
        "Footer=False",    "[Section1Field1]",    "FieldName=Total",
        "DefaultValue=",   "Font=Arial",          "Size=10",
        "Bold=0",          "Italics=0",           "Underline=0",
        "ForeColour=0",    "BackColour=16777215", "Justification=1",
        "Top=0",           "FieldLeft=9000",      "FieldWidth=2000",
        "FieldType=2",     "FieldHeight=240",     "FieldBox=0",
        "LineWidth=1",     "LimitSize=0",         "TableNoRows=0",
        "TableNoCols=0",   "TableRowLabel=0",     "TableColLabel=0",
        "TableMaxWidth=0",
    };
    EXPECT_EQ(linesOf(path), expected);
}

TEST_F(ReportDefinition, SectionsComeBeforeTheirFieldsInOrder)
{
    const auto first = addSection("Header");
    addField(first, "Title");
    addField(first, "Date")->setBold(true);
    const auto second = addSection("Footer");
    second->setFooter(true);
    addField(second, "Page");
    report.setReportName(path);
    ASSERT_TRUE(report.SaveReport());

    QStringList headers;
    for (const QString& line : linesOf(path))
        if (line.startsWith('['))
            headers << line;
    EXPECT_EQ(headers,
              (QStringList{"[Report]", "[Section1]", "[Section1Field1]", "[Section1Field2]", "[Section2]",
                           "[Section2Field1]"}));
    const QStringList lines = linesOf(path);
    EXPECT_TRUE(lines.contains("SectionCount=2"));
    EXPECT_TRUE(lines.contains("FieldCount=2"));
    EXPECT_TRUE(lines.contains("FieldCount=1"));
    EXPECT_TRUE(lines.contains("Bold=-1"));
    EXPECT_TRUE(lines.contains("Footer=True"));
}

TEST_F(ReportDefinition, EveryPropertyTheFileHoldsComesBack)
{
    report.setGridX(100);
    report.setGridY(200);
    report.setTopMargin(1);
    report.setBottomMargin(2);
    report.setLeftMargin(3);
    report.setRightMargin(4);
    report.setPrinterName("  Office \"Laser\"  ");
    report.setOrientation(2);
    const auto section = addSection("Lines");
    section->setHeight(555);
    section->setWidth(15000);
    section->setFooter(true);
    section->setKeepWithNext(true);
    const auto field = addField(section, "Amount");
    field->setDefault_Value("Zoë's = ; total");
    field->setFont("Liberation Serif");
    field->setSize(12);
    field->setBold(true);
    field->setItalics(true);
    field->setUnderline(true);
    field->setForeColour(0x0000FF);
    field->setBackColour(0x00FF00);
    field->setJustification(cJustificationCentre);
    field->setFieldTop(11);
    field->setFieldLeft(22);
    field->setFieldWidth(33);
    field->setFieldHeight(44);
    field->setFieldType(cFieldTable);
    field->setFieldBox(true);
    field->setLineWidth(3);
    field->setLimitSize(true);
    field->setTableNumberRows(5);
    field->setTableNumberCols(6);
    field->setTableFirstRowLabel(true);
    field->setTableFirstColLabel(true);
    field->setTableMaxColumnWidth(777);
    field->setValue("not saved");
    report.setReportName(path);
    ASSERT_TRUE(report.SaveReport());

    Report loaded(messages);
    QString name = path;
    ASSERT_TRUE(loaded.LoadReport(name));
    EXPECT_EQ(loaded.ReportName(), path);
    EXPECT_EQ(loaded.GridX(), 100);
    EXPECT_EQ(loaded.GridY(), 200);
    EXPECT_EQ(loaded.TopMargin(), 1);
    EXPECT_EQ(loaded.BottomMargin(), 2);
    EXPECT_EQ(loaded.LeftMargin(), 3);
    EXPECT_EQ(loaded.RightMargin(), 4);
    EXPECT_EQ(loaded.PrinterName(), "  Office \"Laser\"  ");
    EXPECT_EQ(loaded.Orientation(), 2);
    ASSERT_EQ(loaded.SectionCount(), 1);
    const auto back = loaded.Section(1);
    EXPECT_EQ(back->SectionName(), "Lines");
    EXPECT_EQ(back->Height(), 555);
    EXPECT_EQ(back->Width(), 15000);
    EXPECT_TRUE(back->Footer());
    EXPECT_TRUE(back->KeepWithNext());
    EXPECT_TRUE(linesOf(path).contains("KeepWithNext=True"));
    ASSERT_EQ(back->FieldCount(), 1);
    const auto f = back->Field(1);
    EXPECT_EQ(f->FieldName(), "Amount");
    EXPECT_EQ(f->Default_Value(), "Zoë's = ; total");
    EXPECT_EQ(f->Value(), f->Default_Value()) << "loading sets every Value to its Default_Value";
    EXPECT_EQ(f->Font(), "Liberation Serif");
    EXPECT_EQ(f->Size(), 12.0f);
    EXPECT_TRUE(f->Bold() && f->Italics() && f->Underline() && f->FieldBox() && f->LimitSize());
    EXPECT_EQ(f->ForeColour(), 0x0000FF);
    EXPECT_EQ(f->BackColour(), 0x00FF00);
    EXPECT_EQ(f->Justification(), cJustificationCentre);
    EXPECT_EQ(f->FieldTop(), 11);
    EXPECT_EQ(f->FieldLeft(), 22);
    EXPECT_EQ(f->FieldWidth(), 33);
    EXPECT_EQ(f->FieldHeight(), 44);
    EXPECT_EQ(f->FieldType(), cFieldTable);
    EXPECT_EQ(f->LineWidth(), 3);
    EXPECT_EQ(f->TableNumberRows(), 5);
    EXPECT_EQ(f->TableNumberCols(), 6);
    EXPECT_TRUE(f->TableFirstRowLabel() && f->TableFirstColLabel());
    EXPECT_EQ(f->TableMaxColumnWidth(), 777);
}

TEST_F(ReportDefinition, AFractionalSizeIsWrittenAndReadBackWhole)
{
    addField(addSection("Detail"), "Small")->setSize(8.5f);
    report.setReportName(path);
    ASSERT_TRUE(report.SaveReport());
    EXPECT_TRUE(linesOf(path).contains("Size=8.5"));
    QString name = path;
    ASSERT_TRUE(report.LoadReport(name));
    EXPECT_EQ(report.Section(1)->Field(1)->Size(), 8.0f);
}

TEST_F(ReportDefinition, AHandWrittenWindowsFileLoads)
{
    // CR LF, blanks around "=", quotes, letter case, a comment, Windows-1252
    // text, edges instead of sizes, and keys left out.
    const QByteArray file = "; made by hand\r\n"
                            "[REPORT]\r\n"
                            "  sectioncount = 2 \r\n"
                            "PrinterName = \"HP LaserJet \"\r\n"
                            "[Section1]\r\n"
                            "SectionName=Detail\r\n"
                            "FieldCount=1\r\n"
                            "Footer=0\r\n"
                            "[Section1Field1]\r\n"
                            "FieldName=Caf\xe9\r\n"
                            "FieldLeft=1000\r\n"
                            "FieldRight=3000\r\n"
                            "Top=200\r\n"
                            "FieldBottom=500\r\n"
                            "Size=8.5\r\n"
                            "[Section2]\r\n"
                            "SectionName=detail\r\n"
                            "Footer=true\r\n"
                            "KeepWithNext=-1\r\n"
                            "GrowsWithItsText=1\r\n";
    ASSERT_TRUE(load(file));
    EXPECT_EQ(report.PrinterName(), "HP LaserJet ");
    EXPECT_EQ(report.Orientation(), 1) << "no Orientation key reads as portrait";
    EXPECT_EQ(report.GridX(), 0) << "a missing key gives the file's default, not the object's";
    ASSERT_EQ(report.SectionCount(), 2);
    EXPECT_EQ(report.Section(2)->SectionName(), "detail(1)") << "a taken name gets a counter";
    EXPECT_TRUE(report.Section(2)->Footer());
    EXPECT_FALSE(report.Section(1)->KeepWithNext()) << "a section without the key is not kept with the next";
    EXPECT_TRUE(report.Section(2)->KeepWithNext())
        << "a number, as Footer reads one; a key unknown here is passed over";
    const auto field = report.Section(1)->Field(1);
    EXPECT_EQ(field->FieldName(), "Café");
    EXPECT_EQ(field->FieldWidth(), 2000);
    EXPECT_EQ(field->FieldHeight(), 300);
    EXPECT_EQ(field->Size(), 8.0f);
    EXPECT_EQ(field->Font(), "");
    EXPECT_EQ(field->BackColour(), 0);
    EXPECT_EQ(field->LineWidth(), 0);
}

TEST_F(ReportDefinition, LoadingReplacesTheSectionsAndSavingReplacesTheFile)
{
    addField(addSection("Old"), "Gone");
    const QByteArray file = "[Report]\nSectionCount=1\n[Section1]\nSectionName=Detail\nFieldCount=0\n";
    ASSERT_TRUE(load(file));
    ASSERT_TRUE(load(file));
    ASSERT_EQ(report.SectionCount(), 1) << "loading twice gives the same sections, not copies";
    EXPECT_EQ(report.Section(1)->SectionName(), "Detail");

    write(path, "[Report]\nObsolete=1\n[Section9]\nSectionName=Stale\n");
    ASSERT_TRUE(report.SaveReport());
    for (const QString& line : linesOf(path)) {
        EXPECT_FALSE(line.contains("Obsolete"));
        EXPECT_FALSE(line.contains("Stale"));
    }
}

TEST_F(ReportDefinition, DamagedFilesFailWithTheirErrors)
{
    const struct {
        QByteArray file;
        int error;
        const char* why;
    } rows[] = {
        {"[Report]\nGridX=40000\n", 6, "a 16-bit value beyond its range"},
        {"[Report]\nSectionCount=1\n[Section1]\nSectionName=A\nFooter=Maybe\n", 13, "Footer is no truth word"},
        {"[Report]\nSectionCount=1\n[Section1]\nSectionName=A\nFieldCount=2\n[Section1Field1]\nFieldName=X\n"
         "[Section1Field2]\nFieldName=x\n",
         9, "two fields of one name leave the second position empty"},
        {"[Report]\nSectionCount=32000\n", 5, "a count beyond what the file holds"},
        {"[Report]\nSectionCount=1\n[Section1]\nFieldCount=1\n[Section1Field1]\nForeColour=99999999999\n", 6,
         "a colour beyond 32 bits"},
        {"[Report]\nSectionCount=1\n[Section1]\nFieldCount=1\n[Section1Field1]\nFieldLeft=-10\n"
         "FieldRight=2147483647\n",
         6, "a width from the edges beyond 32 bits"},
        {"[Report]\nSectionCount=1\n[Section1]\nFieldCount=1\n[Section1Field1]\nFieldLeft=10\n"
         "FieldRight=-2147483648\n",
         6, "a negative width from the edges beyond 32 bits"},
        {"[Report]\nSectionCount=1\n[Section1]\nFieldCount=1\n[Section1Field1]\nTop=-1\n"
         "FieldBottom=2147483647\n",
         6, "a height from the edges beyond 32 bits"},
        {"[Report]\nSectionCount=1\n[Section1]\nSectionName=A\nFooter=nan\n", 13, "Footer is not a number"},
        {"[Report]\nSectionCount=1\n[Section1]\nSectionName=A\nFooter=inf\n", 13, "Footer is infinite"},
        {"[Report]\nSectionCount=1\n[Section1]\nSectionName=A\nFooter=-Infinity\n", 13, "Footer is infinite"},
        {utf16(QStringConverter::Utf16LE, "[Report]\r\nSectionCount=0\r\n"), 5, "UTF-16 without a byte-order mark"},
        {utf16(QStringConverter::Utf16BE, "[Report]\r\nSectionCount=0\r\n"), 5, "UTF-16 BE without one"},
    };
    for (const auto& row : rows) {
        int number = 0;
        try {
            load(row.file);
        } catch (const Error& error) {
            number = error.number();
        }
        EXPECT_EQ(number, row.error) << row.why;
    }
}

TEST_F(ReportDefinition, TheLargestTableLoadsWithoutItsCells)
{
    const QByteArray file = "[Report]\nSectionCount=1\n[Section1]\nSectionName=Grid\nFieldCount=1\n"
                            "[Section1Field1]\nFieldName=Cells\nFieldType=5\nTableNoRows=32767\nTableNoCols=32767\n";
    ASSERT_TRUE(load(file));
    const auto field = report.Section(1)->Field(1);
    EXPECT_EQ(field->TableNumberRows(), 32767);
    EXPECT_EQ(field->TableNumberCols(), 32767);
    EXPECT_EQ(field->CellValue(32767, 32767), "");
    field->setCellValue(32767, 32767, "last");
    EXPECT_EQ(field->CellValue(32767, 32767), "last");
}

TEST_F(ReportDefinition, AUtf16FileWithAByteOrderMarkLoads)
{
    const QString text = QString::fromUtf8("[Report]\r\nSectionCount=1\r\n[Section1]\r\nSectionName=D\xC3\xA9tail\r\n");
    for (const QStringConverter::Encoding encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
        ASSERT_TRUE(load(encoder.encode(text)));
        ASSERT_EQ(report.SectionCount(), 1) << (encoding == QStringConverter::Utf16LE ? "LE" : "BE");
        EXPECT_EQ(report.Section(1)->SectionName(), QString::fromUtf8("D\xC3\xA9tail"));
    }
}

TEST_F(ReportDefinition, AValueTooLongToReadBackIsNotSaved)
{
    const auto field = addField(addSection("Detail"), "Note");
    field->setDefault_Value(QString(254, u'x'));
    report.setReportName(path);
    ASSERT_TRUE(report.SaveReport());
    const QStringList saved = linesOf(path);

    field->setDefault_Value(QString(255, u'x'));
    int number = 0;
    try {
        report.SaveReport();
    } catch (const Error& error) {
        number = error.number();
    }
    EXPECT_EQ(number, 5) << "a value the reader would cut";
    EXPECT_EQ(linesOf(path), saved) << "a refused save leaves the file as it was";
}

TEST_F(ReportDefinition, AMissingFileIsReportedAndTheReportKept)
{
    addSection("Kept");
    QString name = dir.filePath("missing.rdn");
    EXPECT_FALSE(report.LoadReport(name));
    EXPECT_EQ(messages->said, QStringList{"Report file not found"});
    EXPECT_EQ(report.ReportName(), name);
    EXPECT_EQ(report.SectionCount(), 1);
}

TEST_F(ReportDefinition, AFileThatCannotBeWrittenIsAnError)
{
    report.setReportName(dir.filePath("no/such/folder/report.rdn"));
    EXPECT_THROW(report.SaveReport(), Error);
}

TEST_F(ReportDefinition, WithoutANameSavingAsksForTheFile)
{
    addSection("Detail");
    answerFileDialog({});
    EXPECT_FALSE(report.SaveReport()) << "cancelled";
    EXPECT_EQ(report.ReportName(), "");

    write(path, "[Report]\nSectionCount=0\n");
    messages->answer = false;
    answerFileDialog(path);
    EXPECT_FALSE(report.SaveReport());
    EXPECT_EQ(messages->said, QStringList{"File exists.  Overwrite file?"});
    EXPECT_EQ(report.ReportName(), "") << "declining to overwrite forgets the name";
    EXPECT_EQ(linesOf(path), (QStringList{"[Report]\nSectionCount=0\n"})) << "the file is left alone";
}

TEST_F(ReportDefinition, WithoutANameLoadingAsksForTheFile)
{
    addSection("Detail");
    report.setReportName(path);
    ASSERT_TRUE(report.SaveReport());

    Report loaded(messages);
    answerFileDialog(path);
    EXPECT_TRUE(loaded.LoadReport());
    EXPECT_EQ(loaded.ReportName(), path);
    EXPECT_EQ(loaded.SectionCount(), 1);
    answerFileDialog({});
    EXPECT_FALSE(loaded.LoadReport());
    EXPECT_EQ(loaded.SectionCount(), 1) << "a cancelled load changes nothing";
}

TEST_F(ReportDefinition, AFileLargerThanTheEngineReadsIsRefusedAndTheReportKept)
{
    addSection("Kept");
    const QByteArray definition = "[Report]\nSectionCount=1\n[Section1]\nSectionName=Read\n;";
    const qsizetype limit = detail::ProfileReader::maxFileSize;
    // Padded with a comment to exactly the largest size, and one byte more.
    write(path, definition + QByteArray(limit - definition.size(), 'x'));
    ASSERT_TRUE(report.LoadReport(path));
    ASSERT_EQ(report.SectionCount(), 1);
    EXPECT_EQ(report.Section(1)->SectionName(), "Read");

    write(path, definition + QByteArray(limit - definition.size() + 1, 'x'));
    std::optional<Error> refused;
    try {
        report.LoadReport(path);
    } catch (const Error& error) {
        refused = error;
    }
    ASSERT_TRUE(refused.has_value()) << "a file past the limit loaded";
    EXPECT_EQ(refused->number(), 5);
    EXPECT_TRUE(refused->description().contains(path)) << refused->description().toStdString();
    EXPECT_TRUE(refused->description().contains("16 MB")) << refused->description().toStdString();
    EXPECT_EQ(report.Section(1)->SectionName(), "Read") << "the report keeps what it had";
}

// A definition of a hundred thousand fields loads in a child process whose
// data may grow by no more than ten times the file (and a little for the
// run's own start), so that a file near the limit cannot take gigabytes.
TEST_F(ReportDefinition, ALargeFileLoadsWithinTenTimesItsSize)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory aside, which the limit would count";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory aside, which the limit would count";
#endif
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    constexpr int sections = 4;
    constexpr int fields = 30000;
    const QByteArray file = manySmallFields(sections, fields);
    write(path, file);
    const auto loadUnderLimit = [&] {
        rlimit limit{};
        getrlimit(RLIMIT_DATA, &limit);
        limit.rlim_cur = dataInUse() + 10 * static_cast<rlim_t>(file.size()) + 16 * 1024 * 1024;
        if (setrlimit(RLIMIT_DATA, &limit) != 0)
            std::_Exit(3);
        try {
            const bool loaded = report.LoadReport(path);
            std::fprintf(stderr, "loaded %d sections\n", report.SectionCount());
            std::_Exit(loaded && report.SectionCount() == sections && report.Section(sections)->FieldCount() == fields
                           ? 0
                           : 1);
        } catch (const Error& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.description()));
            std::_Exit(2);
        } catch (const std::bad_alloc&) {
            std::fprintf(stderr, "out of memory\n");
            std::_Exit(4);
        }
    };
    EXPECT_EXIT(loadUnderLimit(), ::testing::ExitedWithCode(0), "loaded 4 sections");
}
