// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Tables are laid out piece by piece: as many rows as fit on a page, each
// cell a text field inside its border lines, the section's other fields
// repeated with every piece.

#include "ReportRunSupport.h"

#include "drawing/PainterSurface.h"
#include "output/TableSection.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quirepress;
using namespace runsupport;

namespace {

constexpr int32_t black = 0;
constexpr int32_t buttonFace = static_cast<int32_t>(0x8000000F);

class TableSectionTest : public ::testing::Test {
protected:
    TableSectionTest()
    {
        report.setPageHeight(15800);
        report.setPageWidth(12200);
        for (auto set :
             {&Report::setTopMargin, &Report::setBottomMargin, &Report::setLeftMargin, &Report::setRightMargin})
            (report.*set)(720);
        section = addSection(report, QStringLiteral("Body"), 600);
        QString name = QStringLiteral("Table");
        table = section->AddField(name);
        table->setFieldType(cFieldTable);
        table->setFieldTop(300);
        table->setFieldLeft(200);
    }

    void fill(int16_t rows, int16_t cols)
    {
        table->setTableNumberRows(rows);
        table->setTableNumberCols(cols);
        for (int16_t row = 1; row <= rows; ++row)
            for (int16_t col = 1; col <= cols; ++col)
                table->setCellValue(col, row, QStringLiteral("r%1c%2").arg(row).arg(col));
    }

    int16_t rowHeight()
    {
        detail::TextStyle style;
        style.font = table->Font();
        style.size = table->Size();
        measure.surface().setTextStyle(style);
        return static_cast<int16_t>(std::nearbyint(measure.surface().textHeight(QStringLiteral("ABCDEFPGabcdefpgq"))));
    }

    detail::TablePiece piece(int16_t startRow, bool paged = true)
    {
        return detail::buildTableSection(report, *section, 1, startRow, measure.surface(), paged);
    }

    Report report{std::make_shared<RecordedMessages>()};
    detail::MeasuringSurface measure;
    std::shared_ptr<Section> section;
    std::shared_ptr<Field> table;
};

TEST_F(TableSectionTest, ALongTableIsSplitIntoPiecesThatFitTheUsablePage)
{
    fill(100, 2);
    const int16_t height = rowHeight();
    const int firstRows = static_cast<int>(std::nearbyint((15800.0 - 720 - 720 - 700) / height - 1));
    ASSERT_LT(firstRows, 100);

    const detail::TablePiece first = piece(0);
    EXPECT_EQ(first.sectionName, QStringLiteral("TableSection"));
    EXPECT_EQ(first.endRow, firstRows);
    auto built = report.Section(first.sectionName);
    EXPECT_EQ(built->Height(), height * firstRows + 300);
    EXPECT_EQ(built->Width(), 12200 - 720 - 720);
    EXPECT_NO_THROW(built->Field(QStringLiteral("field%1,2").arg(firstRows)));
    EXPECT_THROW(built->Field(QStringLiteral("field%1,1").arg(firstRows + 1)), Error);
    report.RemoveSection(first.sectionName);

    const detail::TablePiece second = piece(first.endRow);
    EXPECT_EQ(second.endRow, 100);
    auto rest = report.Section(second.sectionName);
    auto firstOfRest = rest->Field(QStringLiteral("field%1,1").arg(firstRows + 1));
    EXPECT_EQ(firstOfRest->FieldTop(), 300) << "each piece starts at the table's top";
    EXPECT_EQ(firstOfRest->Value(), QStringLiteral("r%1c1").arg(firstRows + 1));
    EXPECT_EQ(rest->Height(), height * (100 - firstRows) + 300);
}

TEST_F(TableSectionTest, AShortTableIsOnePieceAndOffThePageEveryRowGoesInOne)
{
    fill(50, 2);
    EXPECT_EQ(piece(0).endRow, 50);
    report.RemoveSection(QStringLiteral("TableSection"));
    fill(1000, 2);
    EXPECT_EQ(piece(0, false).endRow, 1000);
}

TEST_F(TableSectionTest, CellsAreInsetWithinTheirBordersAndBordersFollowTheLabels)
{
    fill(3, 3);
    table->setTableFirstRowLabel(true);
    table->setTableFirstColLabel(true);
    table->setBold(true);
    table->setForeColour(0x123456);
    auto built = report.Section(piece(0).sectionName);
    const int16_t height = rowHeight();

    // Column 1 is as wide as its widest label and 100 more; the others share
    // the rest of the width.
    int16_t labelWidth = 0;
    int16_t columnWidth = 0;
    table->TableColumnWidths(
        [this](const QString& text) { return static_cast<int32_t>(measure.surface().textWidth(text)); }, 12200 - 1440,
        200, labelWidth, columnWidth);

    auto cell = built->Field(QStringLiteral("field2,3"));
    EXPECT_EQ(cell->FieldLeft(), 200 + labelWidth + columnWidth + 50);
    EXPECT_EQ(cell->FieldWidth(), columnWidth - 100);
    EXPECT_EQ(cell->FieldTop(), 300 + height);
    EXPECT_EQ(cell->FieldType(), cFieldText);
    EXPECT_EQ(cell->Value(), QStringLiteral("r2c3"));
    EXPECT_TRUE(cell->Bold());
    EXPECT_EQ(cell->ForeColour(), 0x123456);

    struct Line {
        QString name;
        int32_t left, top, width, height, colour;
    };
    const int32_t tableWidth = labelWidth + 2 * columnWidth;
    const Line expected[] = {
        {QStringLiteral("rfield1,1"), 200 + labelWidth, 300, 0, 3 * height, black}, // label column
        {QStringLiteral("rfield1,2"), 200 + labelWidth + columnWidth, 300, 0, 3 * height, buttonFace},
        {QStringLiteral("rfield1,3"), 200 + tableWidth, 300, 0, 3 * height, black}, // last column
        {QStringLiteral("lfield2,1"), 200, 300 + height, 0, height, black},
        {QStringLiteral("bfield1,1"), 200, 300 + height, tableWidth, 0, black}, // under the label row
        {QStringLiteral("bfield2,1"), 200, 300 + 2 * height, tableWidth, 0, buttonFace},
        {QStringLiteral("bfield3,1"), 200, 300 + 3 * height, tableWidth, 0, black}, // last row
        {QStringLiteral("tfield1,2"), 200 + labelWidth, 300, columnWidth, 0, black},
    };
    for (const Line& line : expected) {
        SCOPED_TRACE(line.name.toStdString());
        auto field = built->Field(line.name);
        EXPECT_EQ(field->FieldType(), cFieldSquare);
        EXPECT_FALSE(field->FieldBox());
        EXPECT_EQ(field->FieldLeft(), line.left);
        EXPECT_EQ(field->FieldTop(), line.top);
        EXPECT_EQ(field->FieldWidth(), line.width);
        EXPECT_EQ(field->FieldHeight(), line.height);
        EXPECT_EQ(field->ForeColour(), line.colour);
    }
    EXPECT_THROW(built->Field(QStringLiteral("tfield2,2")), Error) << "top lines only above a piece's first row";
    EXPECT_THROW(built->Field(QStringLiteral("lfield2,2")), Error) << "left lines only in column 1";
}

TEST_F(TableSectionTest, TheSectionsOtherFieldsAreRepeatedAndThoseBelowFollowThePiece)
{
    fill(100, 2);
    addText(*section, QStringLiteral("Above"), 0, 0, 2000, QStringLiteral("Title"));
    auto below = addSquare(*section, QStringLiteral("Below"), 0, 500, 3000, 200, true, 0x00FF00);
    auto first = piece(0);
    auto built = report.Section(first.sectionName);
    const int32_t rows = first.endRow;

    EXPECT_EQ(built->Field(QStringLiteral("Above"))->FieldTop(), 0);
    EXPECT_EQ(built->Field(QStringLiteral("Above"))->Value(), QStringLiteral("Title"));
    auto copy = built->Field(QStringLiteral("Below"));
    EXPECT_EQ(copy->FieldTop(), 500 + rows * rowHeight());
    EXPECT_TRUE(copy->FieldBox()) << "a box beside a table stays a box";
    EXPECT_EQ(copy->FieldHeight(), 200);
    EXPECT_EQ(copy->BackColour(), 0x00FF00);
    EXPECT_EQ(below->FieldTop(), 500) << "the caller's own field never moves";
    EXPECT_EQ(built->Height(), copy->FieldTop() + 200) << "the piece holds the box below its rows";
}

TEST_F(TableSectionTest, APieceReachesDownToHoldTheTextBelowItsRows)
{
    fill(10, 2);
    auto note = addText(*section, QStringLiteral("Note"), 0, 400, 2000, QStringLiteral("Total"));
    note->setSize(20);
    auto built = report.Section(piece(0).sectionName);
    const int32_t top = built->Field(QStringLiteral("Note"))->FieldTop();
    EXPECT_EQ(top, 400 + 10 * rowHeight());
    detail::TextStyle style;
    style.size = 20;
    measure.surface().setTextStyle(style);
    const double lineHeight = measure.surface().textHeight(QStringLiteral("Total"));
    EXPECT_EQ(built->Height(), top + static_cast<int32_t>(std::nearbyint(lineHeight)));
}

TEST_F(TableSectionTest, EvenOnAPageTooSmallForOneRowEveryPieceHoldsARow)
{
    fill(3, 1);
    report.setPageHeight(1000);
    EXPECT_EQ(piece(0).endRow, 1);
}

TEST_F(TableSectionTest, ATableTooBigToLayOutIsAnErrorBeforeAnyCellIsMade)
{
    // What a definition file can ask for: too many cells to make a field
    // of each, on a page or in a file.
    table->setTableNumberRows(32767);
    table->setTableNumberCols(32767);
    for (const bool paged : {true, false}) {
        SCOPED_TRACE(paged ? "on pages" : "in a file");
        try {
            piece(0, paged);
            ADD_FAILURE() << "laid out";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), 6);
        }
        EXPECT_EQ(report.Section(QStringLiteral("TableSection"))->FieldCount(), 0);
        report.RemoveSection(QStringLiteral("TableSection"));
    }
    // The longest table of a few columns still goes into a file in one piece.
    table->setTableNumberCols(3);
    EXPECT_EQ(piece(0, false).endRow, 32767);
}

} // namespace
