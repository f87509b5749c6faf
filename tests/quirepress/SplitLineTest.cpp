// SplitLine cuts a long value into lines the way its target measures them:
// by text width on a page, by character columns in text, at line breaks in
// HTML, and not at all in CSV.

#include "ReportRunSupport.h"

#include "output/PainterSurface.h"

#include <gtest/gtest.h>

using namespace quirepress;
using namespace runsupport;

namespace {

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

TEST_F(SplitLineTest, OnAPageWithoutALimitTheRoomRunsToTheRightMargin)
{
    report.setPageWidth(6000);
    report.setRightMargin(1000);
    field->setFieldLeft(static_cast<int32_t>(5000 - width(QStringLiteral("Hello wo"))));
    EXPECT_EQ(split(cOutputToScreen, QStringLiteral("Hello world")), Split("Hello", "world"));
}

TEST_F(SplitLineTest, AFieldTooNarrowForOneCharacterStillGivesOneSoACallersLoopEnds)
{
    field->setLimitSize(true);
    field->setFieldWidth(1);
    QString rest = QStringLiteral("abc");
    QStringList lines;
    while (!rest.isEmpty() && lines.size() < 10) {
        auto [line, next] = split(cOutputToScreen, rest);
        lines << line;
        rest = next;
    }
    EXPECT_EQ(lines, (QStringList{"a", "b", "c"}));
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

} // namespace
