// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Sections laid out on the screen target's pages: page breaks, the footer at
// the bottom of every page, the events a run raises, and boxes, lines and
// pictures as they land in the saved page images.

#include "ReportRunSupport.h"

#include "model/LibraryFolder.h"
#include "model/PageImages.h"
#include "windows/frmProgress.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <limits>

using namespace quirepress;
using namespace runsupport;

namespace {

constexpr int32_t margin = 720;
constexpr int twipsPerPixel = 15; // the screen page has 96 dots an inch

class PageLayoutTest : public ::testing::Test {
protected:
    PageLayoutTest()
    {
        report.setOutputTo(cOutputToScreen);
        report.setTopMargin(margin);
        report.setBottomMargin(margin);
        report.setLeftMargin(margin);
        report.setRightMargin(margin);
    }

    // The page's height, known once the run has started.
    int32_t pageHeight() const { return report.PageHeight(); }
    int32_t currentY() { return runOf(report).currentY(); }

    QImage pageImage(int page) { return runsupport::pageImage(report, page); }

    // The colour of a page image at a point given in twips.
    static QColor at(const QImage& page, int32_t x, int32_t y)
    {
        return page.pixelColor(x / twipsPerPixel, y / twipsPerPixel);
    }

    // Starts the run with an empty heading, so that the page size is known.
    void start()
    {
        addSection(report, QStringLiteral("Start"), 0);
        report.PrintSection(QStringLiteral("Start"));
        ASSERT_GT(pageHeight(), 4 * margin);
    }

    Report report{std::make_shared<RecordedMessages>()};
    RecordedEvents events{report};
};

TEST_F(PageLayoutTest, ASectionThatExactlyFitsStaysAndOneTwipMoreBreaksThePage)
{
    start();
    const int32_t room = pageHeight() - margin - currentY();
    addSection(report, QStringLiteral("Exact"), room);
    addSection(report, QStringLiteral("OneMore"), room + 1);

    report.PrintSection(QStringLiteral("Exact"));
    EXPECT_EQ(report.PageCount(), 1);
    EXPECT_EQ(currentY(), pageHeight() - margin);

    report.CloseWindow();
    report.PrintSection(QStringLiteral("Start"));
    report.PrintSection(QStringLiteral("OneMore"));
    EXPECT_EQ(report.PageCount(), 2);
    EXPECT_EQ(currentY(), margin + room + 1);
    EXPECT_EQ(events.said, QStringList{QStringLiteral("NewPage 2")});
}

TEST_F(PageLayoutTest, ASectionTallerThanThePageTakesOneBreakAndRunsOver)
{
    start();
    addSection(report, QStringLiteral("Huge"), pageHeight());
    report.PrintSection(QStringLiteral("Huge"));
    EXPECT_EQ(report.PageCount(), 2);
    EXPECT_EQ(currentY(), margin + pageHeight());
}

TEST_F(PageLayoutTest, TheFooterSitsAtTheBottomOfEveryPageAndItsEventMayCancelIt)
{
    auto footer = addSection(report, QStringLiteral("Foot"), 500);
    footer->setFooter(true);
    addSquare(*footer, QStringLiteral("Bar"), 0, 0, 3000, 500, true);
    start();
    const int32_t footerTop = pageHeight() - margin - 500;
    auto body = addSection(report, QStringLiteral("Body"), footerTop - margin);

    report.PrintSection(QStringLiteral("Body"));
    EXPECT_EQ(report.PageCount(), 1) << "the body ends where the footer starts";
    report.PrintSection(QStringLiteral("Body"));
    EXPECT_EQ(report.PageCount(), 2);
    events.cancelFooters = true; // no footer on the last page
    report.EndReport();

    EXPECT_EQ(events.said,
              (QStringList{QStringLiteral("PrintPageFooter Foot not last page 1"), QStringLiteral("NewPage 2"),
                           QStringLiteral("PrintPageFooter Foot last page 2")}));
    const QImage first = pageImage(1);
    const QImage last = pageImage(2);
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(last.isNull());
    const int32_t x = margin + 1500;
    EXPECT_EQ(at(first, x, footerTop + 250), QColor(Qt::black));
    EXPECT_EQ(at(first, x, footerTop - 100), QColor(Qt::white));
    EXPECT_EQ(at(first, x, footerTop + 600), QColor(Qt::white));
    EXPECT_EQ(at(last, x, footerTop + 250), QColor(Qt::white));
}

TEST_F(PageLayoutTest, TheLastFooterSectionIsTheFooterAndWithoutOneNoFooterEventComes)
{
    addSection(report, QStringLiteral("First"), 300)->setFooter(true);
    addSection(report, QStringLiteral("Second"), 400)->setFooter(true);
    start();
    report.NewPage();
    report.EndReport();
    EXPECT_EQ(events.said,
              (QStringList{QStringLiteral("PrintPageFooter Second not last page 1"), QStringLiteral("NewPage 2"),
                           QStringLiteral("PrintPageFooter Second last page 2")}));

    Report plain(std::make_shared<RecordedMessages>());
    RecordedEvents plainEvents(plain);
    plain.setOutputTo(cOutputToScreen);
    addSection(plain, QStringLiteral("Body"), 300);
    plain.PrintSection(QStringLiteral("Body"));
    plain.NewPage();
    plain.EndReport();
    EXPECT_EQ(plainEvents.said, QStringList{QStringLiteral("NewPage 2")});
}

TEST_F(PageLayoutTest, ASectionPrintedFromNewPageHeadsThePageAndTheBreakingSectionFollows)
{
    addSection(report, QStringLiteral("Heading"), 400);
    start();
    events.onNewPage = [this] { report.PrintSection(QStringLiteral("Heading")); };
    const int32_t room = pageHeight() - margin - currentY();
    addSection(report, QStringLiteral("Body"), room + 1);
    report.PrintSection(QStringLiteral("Body"));
    EXPECT_EQ(report.PageCount(), 2);
    EXPECT_EQ(currentY(), margin + 400 + room + 1);
}

TEST_F(PageLayoutTest, AKeptHeadingMovesToTheNextPageWithItsFirstLineAndAPairTooTallTakesNoBreak)
{
    auto heading = addSection(report, QStringLiteral("Heading"), 400);
    heading->setKeepWithNext(true);
    const auto title = addText(*heading, QStringLiteral("Title"), 0, 0, 3000, QStringLiteral("Company"));
    addSection(report, QStringLiteral("Line"), 300);
    addSection(report, QStringLiteral("PageTop"), 200);
    start();
    events.onNewPage = [this] { report.PrintSection(QStringLiteral("PageTop")); };
    // 500 twips are left: the heading alone would fit, with its line not.
    addSection(report, QStringLiteral("Filler"), pageHeight() - margin - currentY() - 500);
    report.PrintSection(QStringLiteral("Filler"));

    report.PrintSection(QStringLiteral("Heading"));
    EXPECT_EQ(report.PageCount(), 1);
    title->setValue(QStringLiteral("Filled anew for the line"));
    report.PrintSection(QStringLiteral("Line"));
    EXPECT_EQ(report.PageCount(), 2) << "the heading went with its line";
    EXPECT_EQ(title->Value(), QStringLiteral("Filled anew for the line")) << "the caller's value comes back";
    EXPECT_EQ(currentY(), margin + 200 + 400 + 300) << "under the new page's heading";
    EXPECT_TRUE(title->Printed());

    // A pair that fits stays where it is.
    report.PrintSection(QStringLiteral("Heading"));
    report.PrintSection(QStringLiteral("Line"));
    EXPECT_EQ(report.PageCount(), 2);
    EXPECT_EQ(currentY(), margin + 200 + 2 * 700);

    // A pair taller than any page: the heading is printed here all the
    // same, and only the section too tall for the page takes its break.
    addSection(report, QStringLiteral("Tall"), pageHeight());
    report.PrintSection(QStringLiteral("Heading"));
    report.PrintSection(QStringLiteral("Tall"));
    EXPECT_EQ(report.PageCount(), 3);
    EXPECT_EQ(currentY(), margin + 200 + pageHeight());
    EXPECT_EQ(events.said, (QStringList{QStringLiteral("NewPage 2"), QStringLiteral("NewPage 3")}));

    // The last section of a run is printed when the run ends.
    title->setPrinted(false);
    report.PrintSection(QStringLiteral("Heading"));
    EXPECT_FALSE(title->Printed());
    report.EndReport();
    EXPECT_TRUE(title->Printed());
}

TEST_F(PageLayoutTest, BoxesAndLinesAreDrawnFromTheMarginAndPicturesFromThePageEdge)
{
    QTemporaryDir folder;
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.setDotsPerMeterX(3780); // 96 dots an inch: 600 twips square
    red.setDotsPerMeterY(3780);
    const QString picturePath = folder.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(red.save(picturePath));

    auto shapes = addSection(report, QStringLiteral("Shapes"), 3000);
    addSquare(*shapes, QStringLiteral("WhiteBox"), 0, 0, 1500, 1500, true, 0xFFFFFF);
    addSquare(*shapes, QStringLiteral("Upright"), 3000, 0, 0, 1500, false);
    auto picture = addText(*shapes, QStringLiteral("Picture"), 4500, 1500, 0, picturePath);
    picture->setFieldType(cFieldPicture);
    auto missing = addText(*shapes, QStringLiteral("Missing"), 0, 0, 0, folder.filePath(QStringLiteral("gone.png")));
    missing->setFieldType(cFieldPicture);
    auto blank = addText(*shapes, QStringLiteral("Blank"), 0, 0, 0, QString());
    blank->setFieldType(cFieldPicture);
    report.PrintSection(QStringLiteral("Shapes"));
    report.EndReport();

    const QImage page = pageImage(1);
    ASSERT_FALSE(page.isNull());
    const int32_t top = margin;
    // An outlined white box: black edges, white inside.
    EXPECT_EQ(at(page, margin + 750, top), QColor(Qt::black));
    EXPECT_EQ(at(page, margin, top + 750), QColor(Qt::black));
    EXPECT_EQ(at(page, margin + 750, top + 750), QColor(Qt::white));
    // A square of no width is an upright line.
    EXPECT_EQ(at(page, margin + 3000, top + 750), QColor(Qt::black));
    EXPECT_EQ(at(page, margin + 3100, top + 750), QColor(Qt::white));
    // The picture's left is counted from the page's edge, not the margin.
    EXPECT_EQ(at(page, 4500 + 300, top + 1500 + 300), QColor(Qt::red));
    EXPECT_EQ(at(page, 4500 - 100, top + 1500 + 300), QColor(Qt::white));
}

TEST_F(PageLayoutTest, APictureNamedWithoutAFolderComesFromTheLibrarysFolder)
{
    const QString name = QStringLiteral("quirepress-test-%1.png").arg(QCoreApplication::applicationPid());
    const QString path = detail::libraryFolder() + u'/' + name;
    QImage blue(30, 30, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(path));
    auto shapes = addSection(report, QStringLiteral("Logo"), 1000);
    addText(*shapes, QStringLiteral("Logo"), 1000, 0, 0, name)->setFieldType(cFieldPicture);
    report.PrintSection(QStringLiteral("Logo"));
    report.EndReport();
    QFile::remove(path);
    EXPECT_EQ(at(pageImage(1), 1000 + 150, margin + 150), QColor(Qt::blue));
}

TEST_F(PageLayoutTest, TextLiesOverBoxesAndALimitedFieldIsCutAtItsWidth)
{
    auto line = addSection(report, QStringLiteral("Line"), 1000);
    // The text comes first in the section but is drawn after the box.
    auto text = addText(*line, QStringLiteral("Text"), 0, 0, 1500, QString(40, QChar(0x2588)));
    text->setSize(20);
    text->setForeColour(0x0000FF); // red
    text->setLimitSize(true);
    addSquare(*line, QStringLiteral("Box"), 0, 0, 6000, 900, true, 0xFF0000);
    report.PrintSection(QStringLiteral("Line"));
    report.EndReport();

    const QImage page = pageImage(1);
    EXPECT_EQ(at(page, margin + 700, margin + 300), QColor(Qt::red));
    EXPECT_EQ(at(page, margin + 3000, margin + 300), QColor(Qt::blue)) << "the cut text ends within its field";
}

TEST_F(PageLayoutTest, ALimitedRightJustifiedFieldStartsWhereTheWholeTextWould)
{
    auto line = addSection(report, QStringLiteral("Line"), 1000);
    auto text = addText(*line, QStringLiteral("Text"), 6000, 0, 1500, QString(10, QChar(0x2588)), cJustificationRight);
    text->setSize(20);
    text->setLimitSize(true);
    report.PrintSection(QStringLiteral("Line"));
    report.EndReport();

    const QImage page = pageImage(1);
    // Ten full blocks are wider than the field: what is left of them starts
    // left of the field and stops short of its right edge.
    EXPECT_LT(qGray(at(page, margin + 6000 - 200, margin + 200).rgb()), 100);
    EXPECT_EQ(at(page, margin + 6000 + 1400, margin + 200), QColor(Qt::white));
}

TEST_F(PageLayoutTest, ABoxAsWideAsAFieldCanBeFillsThePageToItsEdgeAndTheRestIsDrawn)
{
    auto line = addSection(report, QStringLiteral("Line"), 1500);
    addSquare(*line, QStringLiteral("Band"), 0, 0, std::numeric_limits<int32_t>::max(), 900, true, 0x0000FF);
    auto after = addSection(report, QStringLiteral("After"), 1000);
    addText(*after, QStringLiteral("Text"), 0, 0, 3000, QString(6, QChar(0x2588)))->setSize(20);
    report.PrintSection(QStringLiteral("Line"));
    report.PrintSection(QStringLiteral("After"));
    report.EndReport();

    const QImage page = pageImage(1);
    ASSERT_FALSE(page.isNull());
    const int32_t width = report.PageWidth();
    EXPECT_EQ(at(page, margin + 3000, margin + 450), QColor(Qt::red));
    EXPECT_EQ(at(page, width - 2 * twipsPerPixel, margin + 450), QColor(Qt::red)) << "the box runs off the page";
    EXPECT_EQ(at(page, margin / 2, margin + 450), QColor(Qt::white));
    EXPECT_EQ(at(page, margin + 3000, margin + 1200), QColor(Qt::white));
    // The next section's text is drawn below it.
    EXPECT_LT(qGray(at(page, margin + 200, margin + 1500 + 200).rgb()), 100);
}

} // namespace
