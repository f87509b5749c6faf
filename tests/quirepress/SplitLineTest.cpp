// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// SplitLine cuts a long value into lines the way its target measures them:
// by text width on a page, by character columns in text, at line breaks in
// HTML, and not at all in CSV.

#include "ReportRunSupport.h"

#include "drawing/PainterSurface.h"
#include "output/SplitLine.h"

#include <gtest/gtest.h>

#include <QPrinterInfo>

using namespace quirepress;
using namespace runsupport;

namespace {

// The cuts as first written, measuring again after every word or character
// taken off the end. However the cuts are found, they must land where these
// do.
void splitByMeasuringEach(const std::function<double(const QString&)>& width, double available, QString& value,
                          QString& right)
{
    right.clear();
    while (value.endsWith(u' '))
        value.chop(1);
    QString line = value;
    bool breakPending = false;
    if (const qsizetype feed = value.indexOf(u'\n'); feed >= 0) {
        const qsizetype at = feed > 0 && value[feed - 1] == u'\r' ? feed - 1 : feed;
        line = value.left(at);
        right = value.mid(feed + 1);
        breakPending = true;
    }
    const auto joinRest = [&](const QString& moved, const QString& gap) {
        right = right.isEmpty() ? moved : moved + (breakPending ? QStringLiteral("\r\n") : gap) + right;
        breakPending = false;
    };
    while (line.size() > 1 && width(line) > available) {
        if (const qsizetype blank = line.lastIndexOf(u' '); blank >= 0) {
            joinRest(line.mid(blank + 1), QStringLiteral(" "));
            line.truncate(blank);
        } else {
            const qsizetype last = line.size() >= 2 && line.back().isLowSurrogate() ? 2 : 1;
            joinRest(line.right(last), QString());
            line.chop(last);
        }
    }
    value = line;
}

QString limitByMeasuringEach(const std::function<double(const QString&)>& width, QString text, double available)
{
    while (!text.isEmpty() && width(text) > available)
        text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
    return text;
}

class SplitLineTest : public ::testing::Test {
protected:
    SplitLineTest()
    {
        section = addSection(report, QStringLiteral("Body"), 240);
        field = addText(*section, QStringLiteral("Text"), 0, 0, 1200, QString());
    }

    // What SplitLine leaves: the line and the rest.
    std::pair<QString, QString> split(OutputOptions target, const QString& value)
    {
        report.setOutputTo(target);
        QString line = value;
        QString rest = QStringLiteral("stale");
        report.SplitLine(field, line, rest);
        return {line, rest};
    }

    double width(const QString& text)
    {
        detail::TextStyle style;
        style.font = field->Font();
        style.size = field->Size();
        measure.surface().setTextStyle(style);
        return measure.surface().textWidth(text);
    }

    using Split = std::pair<QString, QString>;

    Report report{std::make_shared<RecordedMessages>()};
    detail::MeasuringSurface measure;
    std::shared_ptr<Section> section;
    std::shared_ptr<Field> field;
};

TEST_F(SplitLineTest, OnAPageWordsThatDoNotFitMoveToTheRest)
{
    field->setLimitSize(true);
    field->setFieldWidth(static_cast<int32_t>(width(QStringLiteral("Hello wo"))));
    EXPECT_EQ(split(cOutputToScreen, QStringLiteral("Hello world")), Split("Hello", "world"));
    EXPECT_EQ(split(cOutputToScreen, QStringLiteral("Hello  ")), Split("Hello", "")) << "trailing blanks go";
    EXPECT_EQ(split(cOutputToPrinter, QStringLiteral("Hello world again")), Split("Hello", "world again"));
    // Without a blank the word is cut where it stops fitting.
    const auto [line, rest] = split(cOutputToScreen, QStringLiteral("Hellohellohello"));
    EXPECT_LE(width(line), field->FieldWidth());
    EXPECT_GT(width(line + rest.front()), field->FieldWidth());
    EXPECT_EQ(line + rest, QStringLiteral("Hellohellohello"));
}

TEST_F(SplitLineTest, OnAPageALineBreakEndsTheLineAndAWordPushedPastItKeepsTheBreak)
{
    field->setLimitSize(true);
    field->setFieldWidth(static_cast<int32_t>(width(QStringLiteral("one tw"))));
    EXPECT_EQ(split(cOutputToScreen, QStringLiteral("one\r\ntwo")), Split("one", "two"));
    EXPECT_EQ(split(cOutputToScreen, QStringLiteral("one\ntwo")), Split("one", "two"));
    EXPECT_EQ(split(cOutputToScreen, QStringLiteral("one two\r\nthree")), Split("one", "two\r\nthree"));
}

TEST_F(SplitLineTest, OnAPageWithoutALimitTheRoomRunsToTheRightMarginOfThePageTheRunHas)
{
    // Landscape, so that the page is not one a run might have by chance.
    report.setOrientation(2);
    report.setLeftMargin(720);
    report.setRightMargin(1000);
    report.setPrinterName(QStringLiteral("PDF"));
    field->setFieldLeft(500);
    QString words;
    for (int word = 1; word <= 60; ++word)
        words += QStringLiteral("word%1 ").arg(word);

    for (const OutputOptions target : {cOutputToScreen, cOutputToPrinter}) {
        SCOPED_TRACE(target);
        if (target == cOutputToPrinter && !QPrinterInfo::availablePrinterNames().contains(report.PrinterName())) {
            if (qEnvironmentVariableIsSet("QUIREPRESS_REQUIRE_PRINTER"))
                ADD_FAILURE() << "no CUPS queue \"PDF\": run scripts/print-server.sh";
            continue;
        }
        // Split before the run has started, and again once it has its page.
        const Split before = split(target, words);
        report.PrintSection(section->SectionName());
        ASSERT_TRUE(runOf(report).started());
        const Split after = split(target, words);
        EXPECT_EQ(before, after);
        const double room = report.PageWidth() - 1000 - (720 + 500);
        EXPECT_LE(width(after.first), room);
        EXPECT_GT(width(after.first + u' ' + after.second.section(u' ', 0, 0)), room);
        report.CloseWindow();
    }
}

TEST_F(SplitLineTest, AFieldTooNarrowForOneCharacterStillGivesOneSoACallersLoopEnds)
{
    // On a page 1 twip, in text less than half a column (a FieldWidth of 0
    // is a new field's own).
    const QString smile = QString::fromUtf8("\U0001F600");
    const struct {
        OutputOptions target;
        int32_t fieldWidth;
        QString value;
        QStringList lines;
    } cases[] = {
        {cOutputToScreen, 1, QStringLiteral("abc"), {"a", "b", "c"}},
        {cOutputToPrinter, 1, smile + smile, {smile, smile}},
        {cOutputToTextFile, 0, QStringLiteral("abc"), {"a", "b", "c"}},
        {cOutputToEmailText, 50, smile + u'x', {smile, "x"}},
    };
    field->setLimitSize(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 on target %2").arg(c.value).arg(c.target).toStdString());
        field->setFieldWidth(c.fieldWidth);
        QString rest = c.value;
        QStringList lines;
        while (!rest.isEmpty() && lines.size() < 10) {
            auto [line, next] = split(c.target, rest);
            lines << line;
            rest = next;
        }
        EXPECT_EQ(lines, c.lines);
    }
}

TEST_F(SplitLineTest, InTextTheFieldsColumnsDecideAndTheLastBlankIsTheCut)
{
    // 1200 twips of 120 are ten characters.
    EXPECT_EQ(split(cOutputToTextFile, QStringLiteral("Hello world again")), Split("Hello", "world again"));
    EXPECT_EQ(split(cOutputToEmailText, QStringLiteral("Short")), Split("Short", ""));
    EXPECT_EQ(split(cOutputToTextFile, QStringLiteral("ab\r\ncd")), Split("ab", "cd"));
    EXPECT_EQ(split(cOutputToTextFile, QStringLiteral("Abcdefghijklm")), Split("Abcdefghij", "klm"));
}

TEST_F(SplitLineTest, HtmlSplitsOnlyAtLineBreaksAndCsvNever)
{
    const QString long_ = QStringLiteral("A value far wider than its field could ever show");
    EXPECT_EQ(split(cOutputToHTMLFile, long_), Split(long_, ""));
    EXPECT_EQ(split(cOutputToEmailHTML, QStringLiteral("first\r\nsecond\r\nthird")), Split("first", "second\r\nthird"));
    EXPECT_EQ(split(cOutputToCSVFile, QStringLiteral("a\r\nb")), Split("a\r\nb", ""));
    EXPECT_EQ(split(cOutputToEmailCSV, long_), Split(long_, ""));
    EXPECT_EQ(split(cOutputToUnknown, long_), Split(long_, ""));
}

TEST_F(SplitLineTest, CutsToAWidthLandWhereMeasuringEveryCharacterPutThem)
{
    // Words, runs of blanks, line breaks, kerning pairs, combining accents,
    // characters beyond the basic plane (not first: a lone one that does not
    // fit is kept whole now), and a word longer than any line.
    const QString values[] = {
        QStringLiteral("The quick brown fox jumps over the lazy dog"),
        QStringLiteral("Supercalifragilisticexpialidocious"),
        QStringLiteral("two  blanks   and three"),
        QStringLiteral(" leading blank and a tail"),
        QStringLiteral("one two\r\nthree four"),
        QStringLiteral("a line that ends in a blank \r\n"),
        QStringLiteral("line feed\nalone here"),
        QStringLiteral("kerning AVAVA WAWA To Ty Yo"),
        QString::fromUtf8("e\u0301te\u0301 cafe\u0301 na\u0308ive"),
        QString::fromUtf8("abc \U0001F600\U0001F600 x\U0001F600y\U0001F600"),
        QString::fromUtf8("12.345,67 \u20AC and 890.00"),
    };
    detail::TextStyle style;
    style.font = QStringLiteral("Arial");
    style.size = 11;
    measure.surface().setTextStyle(style);
    const std::function<double(const QString&)> measured = [this](const QString& text) {
        return measure.surface().textWidth(text);
    };
    for (const QString& value : values) {
        // Every width at which a character more or less fits, and the
        // widths just short of them.
        std::vector<double> widths{-50, 0};
        for (qsizetype length = 1; length <= value.size(); ++length) {
            widths.push_back(measured(value.left(length)));
            widths.push_back(widths.back() - 0.01);
        }
        for (const double available : widths) {
            SCOPED_TRACE(QStringLiteral("%1 in %2").arg(value).arg(available).toStdString());
            QString expectedLine = value;
            QString expectedRest;
            splitByMeasuringEach(measured, available, expectedLine, expectedRest);
            QString line = value;
            QString rest = QStringLiteral("stale");
            detail::splitToWidth(measured, available, line, rest);
            EXPECT_EQ(line, expectedLine);
            EXPECT_EQ(rest, expectedRest);
            EXPECT_EQ(detail::limitToWidth(measured, value, available),
                      limitByMeasuringEach(measured, value, available));
        }
    }
}

} // namespace
