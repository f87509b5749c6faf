// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The preview window shown and driven for real: its buttons clicked, its
// zoom box typed into and left, its scroll bars moved. Each page is drawn
// in a colour of its own with a yellow bottom-right quarter, so that what
// the window shows tells which page it is and whether it was scaled or cut.

#include "drawing/PageSteps.h"
#include "windows/PageView.h"
#include "windows/frmDisplay.h"

#include "WindowControls.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <map>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

void PrintTo(const QSize& size, std::ostream* out) { *out << "QSize(" << size.width() << ", " << size.height() << ')'; }

void PrintTo(const QPoint& point, std::ostream* out) { *out << "QPoint(" << point.x() << ", " << point.y() << ')'; }

void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height() << ')';
}

using namespace quirepress::detail;

namespace {

// A letter page at 96 dots per inch.
constexpr int32_t pageWidth = 12240;
constexpr int32_t pageHeight = 15840;
const QSize pagePixels(816, 1056);
const QColor marker = Qt::yellow;
const QColor pageColours[] = {Qt::red, Qt::green, Qt::blue};

class PreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int page = 1; page <= 3; ++page) {
            FontCache fonts;
            RecordingSurface steps(fonts);
            const auto box = [&steps](QRect twips, QColor colour) {
                const int32_t inReport = colour.red() | colour.green() << 8 | colour.blue() << 16;
                steps.drawBox(twips, inReport, inReport, 1);
            };
            box(QRect(0, 0, pageWidth, pageHeight), pageColours[page - 1]);
            box(QRect(pageWidth / 2, pageHeight / 2, pageWidth / 2, pageHeight / 2), marker);
            drawings[page] = steps.steps();
        }
        window.pageDrawing = [this](int page) -> std::optional<QByteArray> {
            const auto found = drawings.find(page);
            if (found == drawings.end())
                return std::nullopt;
            return found->second;
        };
        window.setPageSize(pageWidth, pageHeight);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void click(int index)
    {
        if (auto* button = control<QAbstractButton>(window, qPrintable(QStringLiteral("cmdToolbar%1").arg(index))))
            QTest::mouseClick(button, Qt::LeftButton);
    }

    // Whether buttons 0 to 4 can be clicked.
    std::vector<bool> enabledButtons()
    {
        std::vector<bool> enabled;
        for (int index = 0; index < 5; ++index) {
            auto* button = control<QAbstractButton>(window, qPrintable(QStringLiteral("cmdToolbar%1").arg(index)));
            enabled.push_back(button && button->isEnabled());
        }
        return enabled;
    }

    QString pageLabel()
    {
        auto* label = control<QLabel>(window, "lblPage");
        return label ? label->text() : QString();
    }

    PageView* image() { return control<PageView>(window, "ImageObject"); }
    QFrame* page() { return control<QFrame>(window, "Page1"); }
    QFrame* shadow() { return control<QFrame>(window, "Page0"); }
    QComboBox* zoomBox() { return control<QComboBox>(window, "cboZoom"); }
    QScrollBar* bar(const char* name) { return control<QScrollBar>(window, name); }

    // The colour of the page drawn in the window; invalid when there is
    // none.
    QColor shownColour()
    {
        PageView* view = image();
        if (!view || !view->hasDrawing())
            return {};
        return view->grab(QRect(0, 0, 4, 4)).toImage().pixelColor(2, 2);
    }

    // What the image control paints at the given fractions of its size.
    QColor paintedAt(double x, double y)
    {
        PageView* view = image();
        if (!view)
            return {};
        const QImage painted = view->grab().toImage();
        return painted.pixelColor(int(x * painted.width()), int(y * painted.height()));
    }

    // Replaces the zoom box's text by `text` as typed, and leaves the box
    // by `leave` (Enter or Tab).
    void typeZoom(const QString& text, Qt::Key leave)
    {
        QComboBox* box = zoomBox();
        if (!box)
            return;
        box->setFocus();
        QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box->lineEdit(), text);
        QTest::keyClick(box->lineEdit(), leave);
    }

    // Chooses item `index` of the zoom list with the arrow keys, up to the
    // first item and down from there.
    void chooseZoom(int index)
    {
        QComboBox* box = zoomBox();
        if (!box)
            return;
        for (int step = 0; step < box->count(); ++step)
            QTest::keyClick(box, Qt::Key_Up);
        for (int step = 0; step < index; ++step)
            QTest::keyClick(box, Qt::Key_Down);
    }

    // The window's size and its scroll bars' in twips.
    int32_t innerWidth() { return pixelsToTwips(window.width()); }
    int32_t innerHeight() { return pixelsToTwips(window.height()); }
    int32_t vScrollWidth() { return pixelsToTwips(bar("VScroll")->width()); }
    int32_t hScrollHeight() { return pixelsToTwips(bar("HScroll")->height()); }

    void resizeWindow(int width, int height)
    {
        window.resize(width, height);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(width, height); }));
    }

    std::map<int, QByteArray> drawings;
    frmDisplay window;
};

TEST_F(PreviewWindowTest, OnePageDisablesTurningAndStillPrints)
{
    EXPECT_EQ(window.windowTitle(), "Quirepress Display");
    EXPECT_EQ(pageLabel(), "Page 1 of 1");
    QSignalSpy printed(&window, &frmDisplay::printRequested);
    window.showFirstPage(1);

    EXPECT_EQ(pageLabel(), "Page 1 of 1");
    EXPECT_EQ(enabledButtons(), std::vector<bool>({false, false, false, false, true}));
    EXPECT_EQ(shownColour(), pageColours[0]);
    for (int index = 0; index < 4; ++index)
        click(index);
    EXPECT_EQ(printed.count(), 0);

    click(4);
    EXPECT_EQ(printed.count(), 1);
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_EQ(pageLabel(), "Page 1 of 1");
    EXPECT_EQ(shownColour(), pageColours[0]);
    EXPECT_EQ(enabledButtons(), std::vector<bool>({false, false, false, false, true}));
}

// Screen readers announce a window by its role and name; a plain widget's
// role ("filler") is passed over.
TEST_F(PreviewWindowTest, AssistiveTechnologySeesAWindowNamedByItsCaption)
{
    window.setWindowTitle("Invoice 42");
    window.show();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&window);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Window);
    EXPECT_EQ(face->text(QAccessible::Name), "Invoice 42");
}

TEST_F(PreviewWindowTest, ButtonsTurnThePagesAndEnableWhereTheyCanGo)
{
    QSignalSpy printed(&window, &frmDisplay::printRequested);
    window.showFirstPage(3);
    EXPECT_EQ(pageLabel(), "Page 1 of 3");
    EXPECT_EQ(enabledButtons(), std::vector<bool>({false, false, true, true, true}));
    EXPECT_EQ(shownColour(), pageColours[0]);

    click(2);
    EXPECT_EQ(window.currentPage(), 2);
    EXPECT_EQ(pageLabel(), "Page 2 of 3");
    EXPECT_EQ(enabledButtons(), std::vector<bool>({true, true, true, true, true}));
    EXPECT_EQ(shownColour(), pageColours[1]);

    // Printing leaves the page where it is.
    click(4);
    EXPECT_EQ(printed.count(), 1);
    EXPECT_EQ(pageLabel(), "Page 2 of 3");
    EXPECT_EQ(shownColour(), pageColours[1]);

    click(3);
    EXPECT_EQ(window.currentPage(), 3);
    EXPECT_EQ(pageLabel(), "Page 3 of 3");
    EXPECT_EQ(enabledButtons(), std::vector<bool>({true, true, false, false, true}));
    EXPECT_EQ(shownColour(), pageColours[2]);

    click(1);
    EXPECT_EQ(pageLabel(), "Page 2 of 3");
    EXPECT_EQ(shownColour(), pageColours[1]);

    click(0);
    EXPECT_EQ(window.currentPage(), 1);
    EXPECT_EQ(pageLabel(), "Page 1 of 3");
    EXPECT_EQ(enabledButtons(), std::vector<bool>({false, false, true, true, true}));
    EXPECT_EQ(shownColour(), pageColours[0]);
    EXPECT_EQ(paintedAt(0.25, 0.25), pageColours[0]);
    EXPECT_EQ(printed.count(), 1);
}

TEST_F(PreviewWindowTest, MissingPageImageLeavesThePreviousPageShown)
{
    drawings.erase(2);
    window.showFirstPage(3);
    click(2);
    EXPECT_EQ(pageLabel(), "Page 2 of 3");
    EXPECT_EQ(shownColour(), pageColours[0]);
    click(2);
    EXPECT_EQ(pageLabel(), "Page 3 of 3");
    EXPECT_EQ(shownColour(), pageColours[2]);
}

TEST_F(PreviewWindowTest, WindowWithoutPageImagesShowsAnEmptyPage)
{
    frmDisplay empty;
    empty.show();
    empty.showFirstPage(2);
    auto* view = control<PageView>(empty, "ImageObject");
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->hasDrawing());
    auto* next = control<QAbstractButton>(empty, "cmdToolbar2");
    ASSERT_NE(next, nullptr);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(control<QLabel>(empty, "lblPage")->text(), "Page 2 of 2");
    EXPECT_FALSE(view->hasDrawing());
}

TEST_F(PreviewWindowTest, ZoomScalesPageShadowAndImage)
{
    window.showFirstPage(3);
    QComboBox* box = zoomBox();
    ASSERT_NE(box, nullptr);
    QStringList items;
    for (int item = 0; item < box->count(); ++item)
        items << box->itemText(item);
    EXPECT_EQ(items, QStringList({"100%", "50%", "200%", "Page Width", "Page Height"}));
    EXPECT_EQ(box->currentText(), "100%");
    EXPECT_EQ(page()->size(), pagePixels);
    EXPECT_EQ(shadow()->size(), pagePixels);
    EXPECT_EQ(image()->geometry(), QRect(QPoint(0, 0), pagePixels));
    EXPECT_EQ(shadow()->pos() - page()->pos(), QPoint(8, 8));

    chooseZoom(1);
    EXPECT_EQ(box->currentText(), "50%");
    EXPECT_EQ(page()->size(), pagePixels / 2);
    EXPECT_EQ(shadow()->size(), pagePixels / 2);
    EXPECT_EQ(image()->size(), pagePixels / 2);
    EXPECT_EQ(shadow()->pos() - page()->pos(), QPoint(8, 8));
    // The whole page, shrunk: its yellow quarter is still a quarter.
    EXPECT_EQ(paintedAt(0.25, 0.25), pageColours[0]);
    EXPECT_EQ(paintedAt(0.75, 0.75), marker);

    // Another page is loaded at the zoom chosen.
    click(2);
    EXPECT_EQ(image()->size(), pagePixels / 2);
    EXPECT_EQ(paintedAt(0.25, 0.25), pageColours[1]);
    EXPECT_EQ(paintedAt(0.75, 0.75), marker);

    typeZoom("200%", Qt::Key_Return);
    EXPECT_EQ(page()->size(), pagePixels * 2);
    EXPECT_EQ(image()->size(), pagePixels * 2);
    EXPECT_EQ(paintedAt(0.25, 0.25), pageColours[1]);
    EXPECT_EQ(paintedAt(0.75, 0.75), marker);
    EXPECT_TRUE(bar("HScroll")->isEnabled());

    typeZoom("100%", Qt::Key_Return);
    EXPECT_EQ(page()->size(), pagePixels);
    EXPECT_EQ(image()->size(), pagePixels);
    EXPECT_EQ(paintedAt(0.75, 0.75), marker);
    EXPECT_FALSE(bar("HScroll")->isEnabled());

    // Typed zooms are taken as typed, not completed from the list.
    typeZoom("20", Qt::Key_Return);
    EXPECT_EQ(box->currentText(), "20");
    EXPECT_EQ(page()->width(), twipsToPixels(0.2 * pageWidth));

    typeZoom("75.5 %", Qt::Key_Return);
    EXPECT_EQ(page()->width(), twipsToPixels(0.755 * pageWidth));
    EXPECT_EQ(box->currentText(), "75.5 %");
}

TEST_F(PreviewWindowTest, ZoomTextWithoutANumberFallsBackTo100Percent)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.showFirstPage(1);
    QComboBox* box = zoomBox();
    ASSERT_NE(box, nullptr);

    typeZoom("50%", Qt::Key_Tab);
    EXPECT_EQ(page()->size(), pagePixels / 2);
    EXPECT_FALSE(box->hasFocus());
    typeZoom("abc", Qt::Key_Tab);
    EXPECT_EQ(box->currentText(), "100%");
    EXPECT_EQ(page()->size(), pagePixels);

    typeZoom("50%", Qt::Key_Return);
    EXPECT_EQ(page()->size(), pagePixels / 2);
    typeZoom("abc", Qt::Key_Return);
    EXPECT_EQ(box->currentText(), "100%");
    EXPECT_EQ(page()->size(), pagePixels);
    EXPECT_EQ(box->count(), 5) << "typed zooms are not added to the list";
}

TEST_F(PreviewWindowTest, PageWidthAndPageHeightFitTheWindow)
{
    window.showFirstPage(1);
    chooseZoom(3);
    EXPECT_EQ(zoomBox()->currentText(), "Page Width");
    EXPECT_EQ(page()->width(), twipsToPixels(innerWidth() - vScrollWidth() - 600));
    EXPECT_EQ(image()->width(), page()->width());
    EXPECT_FALSE(bar("HScroll")->isEnabled());

    chooseZoom(4);
    auto* toolbar = control<QWidget>(window, "PictureToolbar");
    ASSERT_NE(toolbar, nullptr);
    const int32_t room =
        innerHeight() - hScrollHeight() - pixelsToTwips(toolbar->y()) - pixelsToTwips(toolbar->height()) - 720;
    EXPECT_EQ(page()->height(), twipsToPixels(room));
    EXPECT_EQ(image()->height(), page()->height());
    EXPECT_FALSE(bar("VScroll")->isEnabled());

    // Typed, and in another window size, too.
    resizeWindow(640, 480);
    typeZoom("Page Width", Qt::Key_Return);
    EXPECT_EQ(page()->width(), twipsToPixels(innerWidth() - vScrollWidth() - 600));
}

TEST_F(PreviewWindowTest, AbsurdZoomsAreKeptWithinBounds)
{
    window.showFirstPage(1);
    typeZoom("0.0001%", Qt::Key_Return);
    EXPECT_GE(std::min(page()->width(), page()->height()), PreviewGeometry::minimumPagePixels);
    typeZoom("99999%", Qt::Key_Return);
    EXPECT_LE(std::max(page()->width(), page()->height()), PreviewGeometry::maximumPagePixels);
    EXPECT_EQ(image()->size(), page()->size());
    EXPECT_GT(bar("VScroll")->maximum(), 0);
    // Painting a corner of the huge page does not scale all of it.
    const QImage corner = image()->grab(QRect(0, 0, 40, 40)).toImage();
    EXPECT_EQ(corner.pixelColor(20, 20), pageColours[0]);
    window.SetZoom(0);
    EXPECT_GT(page()->width(), 0);
}

TEST_F(PreviewWindowTest, ScrollBarsFollowThePageAndTheWindow)
{
    window.showFirstPage(1);
    QScrollBar* horizontal = bar("HScroll");
    QScrollBar* vertical = bar("VScroll");
    auto* blank = control<QWidget>(window, "cmdBlank");
    ASSERT_TRUE(horizontal && vertical && blank);

    // The page is narrower than the 900 pixel window: centred, no sideways
    // scrolling.
    EXPECT_EQ(window.size(), QSize(900, 700));
    EXPECT_FALSE(horizontal->isEnabled());
    EXPECT_EQ(horizontal->maximum(), 0);
    EXPECT_EQ(page()->pos(), QPoint(twipsToPixels((innerWidth() - pageWidth) / 2.0 - vScrollWidth()), 32));
    EXPECT_EQ(shadow()->pos(), page()->pos() + QPoint(8, 8));
    EXPECT_TRUE(vertical->isEnabled());
    EXPECT_EQ(vertical->maximum(), 600 + pageHeight + 400 - innerHeight() + hScrollHeight() + 200);
    EXPECT_EQ(vertical->geometry(),
              QRect(window.width() - vertical->width() - 8, 32, vertical->width(), horizontal->y() - 32));
    EXPECT_EQ(horizontal->geometry(),
              QRect(0, twipsToPixels(innerHeight() - hScrollHeight() - 400), vertical->x(), horizontal->height()));
    EXPECT_EQ(blank->geometry(), QRect(vertical->x(), horizontal->y(), vertical->width(), horizontal->height()));

    // A page step down moves the page up by it, as far as the bar goes.
    EXPECT_EQ(vertical->pageStep(), qRound(0.9 * innerHeight()));
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int step = vertical->value();
    EXPECT_EQ(step, std::min(vertical->pageStep(), vertical->maximum()));
    EXPECT_EQ(page()->y(), twipsToPixels(480 - step));
    EXPECT_EQ(shadow()->y(), twipsToPixels(600 - step));

    // Smaller than the page, the window scrolls sideways from the margin.
    resizeWindow(600, 500);
    EXPECT_EQ(vertical->value(), 0);
    EXPECT_EQ(page()->pos(), QPoint(8, 32));
    EXPECT_EQ(shadow()->pos(), QPoint(16, 40));
    EXPECT_TRUE(horizontal->isEnabled());
    EXPECT_EQ(horizontal->maximum(), pageWidth + 600 - innerWidth() + vScrollWidth());
    EXPECT_EQ(horizontal->pageStep(), qRound(0.9 * innerWidth()));
    EXPECT_EQ(blank->geometry(), QRect(vertical->x(), horizontal->y(), vertical->width(), horizontal->height()));

    horizontal->setValue(1500);
    vertical->setValue(3000);
    EXPECT_EQ(page()->pos(), QPoint(twipsToPixels(120 - 1500), twipsToPixels(480 - 3000)));
    EXPECT_EQ(shadow()->pos(), QPoint(twipsToPixels(240 - 1500), twipsToPixels(600 - 3000)));

    // Resizing starts both bars again from the top left.
    resizeWindow(620, 520);
    EXPECT_EQ(horizontal->value(), 0);
    EXPECT_EQ(vertical->value(), 0);
    EXPECT_EQ(page()->pos(), QPoint(8, 32));

    // Large enough again, the page is centred once more.
    resizeWindow(1200, 700);
    EXPECT_FALSE(horizontal->isEnabled());
    EXPECT_EQ(page()->x(), twipsToPixels((innerWidth() - pageWidth) / 2.0 - vScrollWidth()));
}

TEST_F(PreviewWindowTest, ClosingClearsThePageAndThenTellsTheOwner)
{
    window.showFirstPage(1);
    ASSERT_TRUE(shownColour().isValid());
    bool clearedWhenTold = false;
    QObject::connect(&window, &frmDisplay::closed, &window, [&] { clearedWhenTold = !image()->hasDrawing(); });
    QSignalSpy closed(&window, &frmDisplay::closed);

    EXPECT_TRUE(window.close());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(clearedWhenTold);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(image()->hasDrawing());
}

} // namespace
