// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The report object model: defaults, the naming rules of the section and
// field collections, table cells and column widths, and the page images a
// report cleans up when it is made and when it goes.

#include <quirepress/quirepress.h>

#include "RecordedMessages.h"

#include "model/PageImages.h"
#include "model/Report_p.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace quirepress;

namespace {

int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error.number();
    }
    return 0;
}

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

class ReportModel : public ::testing::Test {
protected:
    std::shared_ptr<RecordedMessages> messages = std::make_shared<RecordedMessages>();
    Report report{messages};
};

TEST_F(ReportModel, ANewReportHasItsDefaults)
{
    EXPECT_EQ(report.GridX(), 120);
    EXPECT_EQ(report.GridY(), 240);
    EXPECT_EQ(report.Orientation(), 0);
    EXPECT_EQ(report.OutputTo(), cOutputToUnknown);
    EXPECT_EQ(report.SectionCount(), 0);
    EXPECT_FALSE(report.Cancel());
    report.setOutputTo(static_cast<OutputOptions>(42));
    EXPECT_EQ(report.OutputTo(), 42) << "the target is stored as given";
}

TEST_F(ReportModel, ATakenSectionNameGetsACounterOnTheCallersName)
{
    QString name = "Detail";
    report.AddSection(name);
    EXPECT_EQ(name, "Detail");
    name = "Detail";
    report.AddSection(name);
    EXPECT_EQ(name, "Detail(1)");
    name = "Detail";
    report.AddSection(name);
    EXPECT_EQ(name, "Detail(2)");
    name = "detail";
    report.AddSection(name);
    EXPECT_EQ(name, "detail(3)") << "names compare without regard to case";
    EXPECT_EQ(report.SectionCount(), 4);
    EXPECT_EQ(report.Section(2)->SectionName(), "Detail(1)");
    EXPECT_EQ(report.Section("DETAIL(2)")->SectionName(), "Detail(2)");
}

// The counter search remembers where it stopped for each name; a counter
// freed by a removal, or a name taken by hand, must still give the names the
// plain search from 1 gives.
TEST_F(ReportModel, ACounterFreedOrTakenByHandIsFoundAsBefore)
{
    const auto add = [this](const QString& given) {
        QString name = given;
        report.AddSection(name);
        return name;
    };
    for (int i = 0; i < 4; ++i)
        add("Detail");
    report.RemoveSection("detail(1)");
    EXPECT_EQ(add("DETAIL"), "DETAIL(1)") << "a freed counter is used again";
    EXPECT_EQ(add("Detail"), "Detail(4)");
    EXPECT_EQ(add("Detail(5)"), "Detail(5)");
    EXPECT_EQ(add("Detail"), "Detail(6)") << "a name taken by hand is skipped";
    report.RemoveSection("Detail");
    EXPECT_EQ(add("Detail"), "Detail") << "the name itself comes first";
    EXPECT_EQ(add("Detail(1)"), "Detail(1)(1)") << "the counter goes on the name as given";
    for (int i = report.SectionCount(); i >= 1; --i)
        report.RemoveSection(i);
    EXPECT_EQ(add("Detail"), "Detail");
    EXPECT_EQ(add("Detail"), "Detail(1)") << "an emptied report counts from 1 again";
}

TEST_F(ReportModel, ANewSectionIsOneLineHighAndAPageWide)
{
    QString name = "Header";
    const auto section = report.AddSection(name);
    EXPECT_GT(section->Height(), 150) << "one line of 10-point text is about 230 twips";
    EXPECT_LT(section->Height(), 350);
    EXPECT_FALSE(section->Footer());
    report.setOrientation(2);
    name = "Wide";
    const auto wide = report.AddSection(name);
    // The widths are read only now: each is the page's in the orientation
    // its section was added in.
    EXPECT_GT(section->Width(), 10000);
    EXPECT_GT(wide->Width(), section->Width()) << "landscape takes the long side";
    section->setWidth(5000);
    EXPECT_EQ(section->Width(), 5000);
}

TEST_F(ReportModel, AFieldsValueStaysAsItWasSet)
{
    QString name = "Detail";
    const auto field = report.AddSection(name)->AddField("Amount");
    const QString longValue(300, u'x');
    // Short values are copied into the field's own room, long ones shared.
    for (const QString& value : {QStringLiteral("1,284.50"), QString(), QStringLiteral(""), longValue,
                                 QStringLiteral("Café"), QStringLiteral("INV-000001")}) {
        QString callers = value;
        field->setValue(callers);
        callers.append(u'!');
        const QString taken = field->Value();
        EXPECT_EQ(taken, value) << "the caller's string changing afterwards does not change the field";
        EXPECT_EQ(taken.isNull(), value.isNull()) << "no value stays distinct from an empty one";
        field->setValue(QStringLiteral("next"));
        EXPECT_EQ(taken, value) << "a value read stays as it was when the field changes";
    }
}

TEST_F(ReportModel, LookupsAndRemovalsReportTheirErrors)
{
    QString name = "Detail";
    report.AddSection(name);
    EXPECT_EQ(errorNumberOf([&] { report.Section("Nope"); }), 5);
    EXPECT_EQ(errorNumberOf([&] { report.Section(0); }), 9);
    EXPECT_EQ(errorNumberOf([&] { report.Section(2); }), 9);
    EXPECT_EQ(errorNumberOf([&] { report.RemoveSection("Nope"); }), 5);
    EXPECT_EQ(report.SectionCount(), 1) << "a failed removal changes nothing";
    report.RemoveSection("DETAIL");
    EXPECT_EQ(report.SectionCount(), 0);

    const auto section = report.AddSection(name);
    QString field = "Total";
    section->AddField(field);
    EXPECT_EQ(errorNumberOf([&] { section->Field("Sum"); }), 5);
    EXPECT_EQ(errorNumberOf([&] { section->RemoveField(2); }), 9);
    section->RemoveField(1);
    EXPECT_EQ(section->FieldCount(), 0);
}

TEST_F(ReportModel, AFieldNamedLikeAnotherIsReturnedButNotAdded)
{
    QString name = "Detail";
    const auto section = report.AddSection(name);
    QString first = "Total";
    const auto older = section->AddField(first);
    older->setValue("kept");
    QString again = "TOTAL";
    const auto newer = section->AddField(again);
    EXPECT_EQ(again, "TOTAL") << "a field name is never changed";
    EXPECT_NE(newer, older);
    EXPECT_EQ(section->FieldCount(), 1);
    EXPECT_EQ(section->Field("total"), older);
    EXPECT_EQ(newer->Font(), "Arial");
    EXPECT_EQ(newer->Size(), 10.0f);
    EXPECT_EQ(newer->ForeColour(), 0);
    EXPECT_EQ(newer->BackColour(), 0xFFFFFF);
    EXPECT_EQ(newer->FieldType(), cFieldText);
    EXPECT_EQ(newer->LineWidth(), 1);
    EXPECT_EQ(newer->Justification(), cJustificationLeft);
}

TEST_F(ReportModel, ClearPutsEveryDefaultValueBack)
{
    QString name = "Detail";
    const auto section = report.AddSection(name);
    QString a = "A";
    QString b = "B";
    const auto fieldA = section->AddField(a);
    const auto fieldB = section->AddField(b);
    fieldA->setDefault_Value("A");
    fieldA->setValue("changed");
    fieldB->setValue("changed too");
    section->Clear();
    EXPECT_EQ(fieldA->Value(), "A");
    EXPECT_EQ(fieldB->Value(), "");
}

TEST(FieldTable, CellsLiveWithinTheCountsAndAreLostWhenTheyChange)
{
    Field table;
    table.setTableNumberCols(4);
    table.setTableNumberRows(2);
    table.setCellValue(2, 1, "B1");
    table.setCellValue(0, 0, "corner");
    EXPECT_EQ(table.CellValue(2, 1), "B1");
    EXPECT_EQ(table.CellValue(0, 0), "corner") << "row 0 and column 0 exist";
    table.setCellValue(5, 1, "beyond");
    EXPECT_EQ(table.CellValue(5, 1), "") << "a column beyond the count reads empty";
    EXPECT_EQ(table.CellValue(1, 3), "");
    EXPECT_EQ(errorNumberOf([&] { table.CellValue(-1, 1); }), 9);
    EXPECT_EQ(errorNumberOf([&] { table.setCellValue(1, -1, "x"); }), 9);

    table.setTableNumberRows(3);
    EXPECT_EQ(table.TableNumberCols(), 4) << "the other count stays";
    EXPECT_EQ(table.CellValue(2, 1), "") << "a new count empties every cell";
    EXPECT_EQ(table.CellValue(2, 3), "");

    // The largest counts cost nothing until cells are written.
    table.setTableNumberCols(32767);
    table.setTableNumberRows(32767);
    table.setCellValue(32767, 32767, "far corner");
    table.setCellValue(1, 1, "near");
    EXPECT_EQ(table.CellValue(32767, 32767), "far corner");
    EXPECT_EQ(table.CellValue(1, 1), "near");
    EXPECT_EQ(table.CellValue(32766, 32767), "");
    table.setTableNumberCols(32767);
    EXPECT_EQ(table.CellValue(32767, 32767), "") << "setting the same count still empties every cell";
    EXPECT_EQ(table.CellValue(1, 1), "");
}

TEST(FieldTable, ColumnWidthsShareTheRestOfTheSection)
{
    const auto measure = [](const QString& text) { return static_cast<int32_t>(text.size() * 100); };
    Field table;
    table.setTableNumberCols(3);
    table.setTableNumberRows(2);
    int16_t label = 0;
    int16_t column = 0;
    table.TableColumnWidths(measure, 10000, 1000, label, column);
    EXPECT_EQ(column, 3000);
    EXPECT_EQ(label, 3000) << "without a label column every column is alike";

    table.setTableMaxColumnWidth(2500);
    table.TableColumnWidths(measure, 10000, 1000, label, column);
    EXPECT_EQ(column, 2500);

    // 10000 - 1000 over 4 columns is 2250; 10001 - 1000 gives 2250.25 and
    // 10002 - 1000 gives 2250.5, which rounds to the even 2250.
    table.setTableMaxColumnWidth(0);
    table.setTableNumberCols(4);
    table.TableColumnWidths(measure, 10002, 1000, label, column);
    EXPECT_EQ(column, 2250);
    table.TableColumnWidths(measure, 10006, 1000, label, column);
    EXPECT_EQ(column, 2252) << "2251.5 rounds to the even 2252";

    // A label column as wide as its widest label plus 100.
    table.setTableFirstColLabel(true);
    table.setCellValue(1, 1, "Short");
    table.setCellValue(1, 2, "Much longer");
    label = 0;
    table.TableColumnWidths(measure, 10000, 1000, label, column);
    EXPECT_EQ(label, 1200);
    EXPECT_EQ(column, (10000 - 1200 - 1000) / 3);
    label = 2000;
    table.TableColumnWidths(measure, 10000, 1000, label, column);
    EXPECT_EQ(label, 2100) << "the incoming width is a minimum";

    table.setCellValue(1, 1, QString(400, 'x'));
    label = 0;
    EXPECT_EQ(errorNumberOf([&] { table.TableColumnWidths(measure, 10000, 1000, label, column); }), 6);
}

TEST(PageImageFiles, NamedByTheReportsCreationTime)
{
    const QDateTime created(QDate(2026, 12, 7), QTime(1, 57, 30));
    EXPECT_EQ(detail::pageImageBaseName(created), "qrp071226015730");
    EXPECT_EQ(detail::pageSpoolPath("/tmp/", "qrp071226015730"), "/tmp/qrp071226015730.qpg");
}

TEST(PageImageFiles, ANewReportDeletesOtherDaysImagesAndKeepsTodays)
{
    QString folder;
    {
        Report probe(std::make_shared<RecordedMessages>());
        folder = ReportPrivate::of(probe)->temporaryFolder;
    }
    EXPECT_NE(folder, QDir::tempPath() + "/") << "the shared folder is not the report's to clean";
    ASSERT_FALSE(folder.isEmpty());
    const QDate today = QDate::currentDate();
    // Page spools, and the page images of earlier versions.
    for (const QString& ending : {QStringLiteral("101010.qpg"), QStringLiteral("101010p1.bmp")}) {
        SCOPED_TRACE(ending.toStdString());
        const QString todays = folder + "qrp" + today.toString("ddMMyy") + ending;
        const QString yesterdays = folder + "qrp" + today.addDays(-1).toString("ddMMyy") + ending;
        const QString other = folder + "notes" + ending;
        touch(todays);
        touch(yesterdays);
        touch(other);
        {
            Report report(std::make_shared<RecordedMessages>());
            EXPECT_EQ(ReportPrivate::of(report)->temporaryFolder, folder);
        }
        EXPECT_TRUE(QFile::exists(todays)) << "another report may still show it";
        EXPECT_FALSE(QFile::exists(yesterdays));
        EXPECT_TRUE(QFile::exists(other));
        QFile::remove(todays);
        QFile::remove(other);
    }
}

TEST(PageImageFiles, AReportDeletesItsPageSpoolWhenItGoes)
{
    auto report = std::make_unique<Report>(std::make_shared<RecordedMessages>());
    ReportPrivate::of(*report)->pageSpool.setMemoryBound(0);
    report->setOutputTo(cOutputToScreen);
    QString name = QStringLiteral("Line");
    report->AddSection(name)->setHeight(300);
    report->PrintSection(name);
    report->NewPage();
    report->NewPage();
    report->EndReport();
    const QString spool = ReportPrivate::of(*report)->pageSpool.path();
    ASSERT_TRUE(QFile::exists(spool));
    report.reset();
    EXPECT_FALSE(QFile::exists(spool));
}
