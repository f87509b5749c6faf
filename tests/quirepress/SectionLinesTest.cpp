// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Sections written as lines for the text, HTML and CSV targets: columns and
// justification, HTML cells and attributes, CSV values.

#include "output/SectionLines.h"

#include <quirepress/Field.h>

#include <QStringList>

#include <gtest/gtest.h>

#include <utility>

using namespace quirepress;
using namespace quirepress::detail;

namespace {

// The lines as they are written, each with its row end.
QStringList finished(const SectionLines& lines)
{
    QStringList written;
    for (const LineBytes& line : lines.lines())
        written << QString::fromUtf8(std::string(line.view()) + std::string(lines.rowEnd()));
    return written;
}

// A text field as Section::AddField makes it, placed as given.
std::unique_ptr<Field> field(int32_t left, int32_t width, Justifications justification = cJustificationLeft,
                             int32_t top = 0)
{
    auto made = std::make_unique<Field>();
    made->setFont("Arial");
    made->setSize(10);
    made->setBackColour(0xFFFFFF);
    made->setFieldType(cFieldText);
    made->setFieldLeft(left);
    made->setFieldWidth(width);
    made->setJustification(justification);
    made->setFieldTop(top);
    return made;
}

// Places `placed` with `text` as its value, as a run places a section's
// fields.
void place(SectionLines& lines, Field& placed, QStringView text)
{
    placed.setValue(text.toString());
    const Field* const one = &placed;
    lines.writeValues({&one, 1}, 1);
}

} // namespace

TEST(TextLines, ColumnsFollowTheGridAndTheJustification)
{
    SectionLines lines(LineFormat::Text, 120, 240, 12000);
    lines.begin(240);
    place(lines, *field(0, 1200), u"Hello");
    place(lines, *field(1200, 1200), u"World");
    EXPECT_EQ(finished(lines), QStringList{" Hello     World"}) << "the second field starts at character 12";

    lines.begin(240);
    place(lines, *field(0, 1200, cJustificationRight), u"1234");
    EXPECT_EQ(finished(lines), QStringList{"       1234"}) << "column 7; the text in characters 8 to 11";

    lines.begin(240);
    place(lines, *field(1200, 2400, cJustificationCentre), u"abcd");
    EXPECT_EQ(finished(lines).first().indexOf("abcd"), 19) << "column 19: 1200/120 + 2400/2/120 + 1 - 2";
}

TEST(TextLines, LimitSizeCutsAndALaterFieldOverwrites)
{
    SectionLines lines(LineFormat::Text, 120, 240, 12000);
    lines.begin(240);
    auto limited = field(0, 360);
    limited->setLimitSize(true);
    place(lines, *limited, u"Invoice");
    EXPECT_EQ(finished(lines), QStringList{" Inv"}) << "360 twips hold three characters";

    lines.begin(240);
    place(lines, *field(0, 2400), u"A long description");
    place(lines, *field(360, 600), u"XY");
    EXPECT_EQ(finished(lines), QStringList{" A lXYg description"})
        << "overwritten from character 5, as a text at column 4 starts there; length kept";
}

TEST(TextLines, FieldsGoToTheLineOfTheirTop)
{
    SectionLines lines(LineFormat::Text, 120, 240, 12000);
    lines.begin(720);
    place(lines, *field(0, 600, cJustificationLeft, 240), u"two");
    place(lines, *field(0, 600, cJustificationLeft, 5000), u"last");
    place(lines, *field(0, 600, cJustificationLeft, -500), u"first");
    EXPECT_EQ(finished(lines), (QStringList{" first", " two", " last"}))
        << "three lines for 720 twips, empty ones included; beyond the section its last or first line";

    lines.begin(120);
    place(lines, *field(0, 600), u"lost");
    EXPECT_TRUE(finished(lines).isEmpty()) << "half a grid row has no lines";
}

// The lines of one run place the same field again section after section:
// each time where the field and the grid are then, whatever it was before.
TEST(TextLines, AFieldIsPlacedWhereItIsNowOnTheGridOfNow)
{
    const struct {
        const char* what;
        int32_t left;
        int32_t width;
        Justifications justification;
        int32_t top;
        bool limitSize;
        int16_t gridX;
        int16_t gridY;
        QStringList lines;
    } steps[] = {
        {"first", 0, 1200, cJustificationLeft, 0, false, 120, 240, {" abcd", ""}},
        {"moved right", 1200, 1200, cJustificationLeft, 0, false, 120, 240, {"           abcd", ""}},
        {"wider and right-justified",
         1200,
         2400,
         cJustificationRight,
         0,
         false,
         120,
         240,
         {"                           abcd", ""}},
        {"down a line", 1200, 2400, cJustificationRight, 240, false, 120, 240, {"", "                           abcd"}},
        {"cut to its width", 1200, 240, cJustificationLeft, 240, true, 120, 240, {"", "           ab"}},
        {"a coarser grid", 1200, 240, cJustificationLeft, 240, true, 240, 480, {"      a"}},
        {"back on the first grid", 0, 1200, cJustificationLeft, 0, false, 120, 240, {" abcd", ""}},
    };
    SectionLines lines(LineFormat::Text, 120, 240, 12000);
    auto moving = field(0, 1200);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        moving->setFieldLeft(step.left);
        moving->setFieldWidth(step.width);
        moving->setJustification(step.justification);
        moving->setFieldTop(step.top);
        moving->setLimitSize(step.limitSize);
        lines.setGrid(step.gridX, step.gridY, 12000);
        lines.begin(480);
        place(lines, *moving, u"abcd");
        EXPECT_EQ(finished(lines), step.lines);
    }
}

TEST(HtmlLines, ACellFollowsThePageWidthOfNow)
{
    SectionLines lines(LineFormat::Html, 120, 240, 12000);
    auto name = field(3000, 3000);
    for (const auto& [pageWidth, cell] :
         {std::pair{12000, "<TD width=200></TD><TD WIDTH=600 "}, std::pair{6000, "<TD width=400></TD><TD WIDTH=400 "},
          std::pair{12000, "<TD width=200></TD><TD WIDTH=600 "}}) {
        SCOPED_TRACE(pageWidth);
        lines.setGrid(120, 240, pageWidth);
        lines.begin(240);
        place(lines, *name, u"x");
        EXPECT_TRUE(finished(lines).value(0).contains(QLatin1StringView(cell)))
            << finished(lines).value(0).toStdString();
    }
}

TEST(HtmlLines, CellsCarryWidthsAlignmentAndFont)
{
    SectionLines lines(LineFormat::Html, 120, 240, 12000);
    lines.begin(240);
    place(lines, *field(0, 3000), u"Name");
    auto amount = field(6000, 3000, cJustificationRight);
    amount->setBold(true);
    amount->setForeColour(0x0000FF);
    amount->setBackColour(0x00FFFF);
    amount->setSize(12.5f);
    place(lines, *amount, u"12.50");
    EXPECT_EQ(finished(lines),
              QStringList{"<TABLE border=0><TR><TD width=0></TD>"
                          "<TD WIDTH=400 ALIGN=left><FONT face=\"Arial\" Size=2>Name</FONT></TD>"
                          "<TD WIDTH=400 ALIGN=right><FONT face=\"Arial\" color=FF0000 "
                          "style=\"BACKGROUND-COLOR: #FFFF00\" Size=3><B>12.50</B></FONT></TD></TR></TABLE>"});
}

TEST(HtmlLines, SizesColoursAndMarkup)
{
    EXPECT_EQ(htmlFontSize(9.5f), "Size=1>");
    EXPECT_EQ(htmlFontSize(12), "Size=2>");
    EXPECT_EQ(htmlFontSize(12.5f), "Size=3>");
    EXPECT_EQ(htmlFontSize(36), "Size=6>");
    EXPECT_EQ(htmlFontSize(37), "Size=7>");
    EXPECT_EQ(colourToHex(255), "FF0000");
    EXPECT_EQ(colourToHex(65280), "00FF00");
    EXPECT_EQ(colourToHex(16711680), "0000FF");

    SectionLines lines(LineFormat::Html, 120, 240, 12000);
    lines.begin(240);
    place(lines, *field(0, 3000), u"<B>bold</B> & more");
    EXPECT_TRUE(finished(lines).first().contains("Size=2><B>bold</B> & more</FONT>"))
        << "a value's markup is written as it is";
}

TEST(CsvLines, ValuesAreSeparatedAndQuotedWhereNeeded)
{
    SectionLines lines(LineFormat::Csv, 120, 240, 12000);
    lines.begin(240);
    place(lines, *field(0, 600), u"a");
    place(lines, *field(600, 600), u"");
    place(lines, *field(1200, 600), u"b");
    EXPECT_EQ(finished(lines), QStringList{"a,,b"});

    lines.begin(240);
    place(lines, *field(0, 600), u"");
    place(lines, *field(600, 600), u"a");
    place(lines, *field(1200, 600), u"b");
    EXPECT_EQ(finished(lines), QStringList{"a,b"}) << "an empty first value leaves no separator";

    lines.begin(240);
    place(lines, *field(0, 600), u"O'Brien, Sons");
    place(lines, *field(600, 600), u"say \"hi\"");
    place(lines, *field(1200, 600), u"plain");
    EXPECT_EQ(finished(lines), QStringList{"\"O'Brien, Sons\",\"say \"\"hi\"\"\",plain"});
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.6), 3);
}
