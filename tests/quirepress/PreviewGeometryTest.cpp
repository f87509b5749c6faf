// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The preview window's arithmetic, with numbers: a 900 x 700 pixel window
// (13500 x 10500 twips) with 17 pixel scroll bars and a 32 pixel toolbar,
// showing a letter page of 12240 x 15840 twips.

#include "windows/PreviewGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height() << ')';
}

using namespace quirepress::detail;

namespace {

PreviewGeometry window900x700(double zoom = 1)
{
    PreviewGeometry geometry;
    geometry.windowWidth = 13500;
    geometry.windowHeight = 10500;
    geometry.vScrollWidth = 255;
    geometry.hScrollHeight = 255;
    geometry.toolbarTop = 0;
    geometry.toolbarHeight = 480;
    geometry.pageWidth = 12240;
    geometry.pageHeight = 15840;
    geometry.zoom = zoom;
    return geometry;
}

TEST(PreviewGeometry, ZoomTextIsThePercentageItStartsWith)
{
    const PreviewGeometry geometry = window900x700();
    const struct {
        const char* text;
        double factor;
    } cases[] = {
        {"100%", 1}, {"150%", 1.5}, {"50%", 0.5}, {"200%", 2}, {"75.5 %", 0.755}, {"  80", 0.8}, {"12.5.7%", 0.125},
    };
    for (const auto& c : cases) {
        const ZoomChoice choice = geometry.zoomFor(QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(choice.factor, c.factor) << c.text;
        EXPECT_EQ(choice.text, QString::fromLatin1(c.text)) << "a zoom that was read keeps its text";
    }
}

TEST(PreviewGeometry, ZoomTextWithoutANumberBecomes100Percent)
{
    const PreviewGeometry geometry = window900x700();
    for (const char* text : {"abc", "", "%", "-50%", "0%", "0.0", "x150%"}) {
        const ZoomChoice choice = geometry.zoomFor(QString::fromLatin1(text));
        EXPECT_DOUBLE_EQ(choice.factor, 1) << text;
        EXPECT_EQ(choice.text, "100%") << text;
    }
}

TEST(PreviewGeometry, PageWidthAndPageHeightFitThePageToTheWindow)
{
    PreviewGeometry geometry = window900x700();
    const ZoomChoice width = geometry.zoomFor("Page Width");
    // 13500 - 255 - 600 twips of room.
    EXPECT_DOUBLE_EQ(width.factor, 12645.0 / 12240);
    EXPECT_EQ(width.text, "Page Width");
    // 10500 - 255 - 0 - 480 - 720 twips of room.
    EXPECT_DOUBLE_EQ(geometry.zoomFor("Page Height").factor, 9045.0 / 15840);

    // The fitted width fills the room exactly, so nothing scrolls sideways.
    geometry.zoom = width.factor;
    const PreviewPlacement placed = geometry.placement();
    EXPECT_EQ(placed.page.width(), 12645);
    EXPECT_EQ(placed.horizontal.maximum, 0);
    EXPECT_FALSE(placed.horizontal.enabled);

    // They follow the window and the toolbar.
    geometry.windowWidth = 9000;
    geometry.toolbarTop = 60;
    EXPECT_DOUBLE_EQ(geometry.zoomFor("Page Width").factor, 8145.0 / 12240);
    EXPECT_DOUBLE_EQ(geometry.zoomFor("Page Height").factor, 8985.0 / 15840);
}

TEST(PreviewGeometry, PageNarrowerThanTheWindowIsCentredAndDoesNotScrollSideways)
{
    const PreviewPlacement placed = window900x700().placement();
    // 12240 + 600 - 13500 + 255 is below 0.
    EXPECT_EQ(placed.horizontal.maximum, 0);
    EXPECT_FALSE(placed.horizontal.enabled);
    // (13500 - 12240) / 2 - 255; the shadow 120 right of and below the page.
    EXPECT_EQ(placed.page, QRect(375, 480, 12240, 15840));
    EXPECT_EQ(placed.shadow, QRect(495, 600, 12240, 15840));
    // 600 + 15840 + 400 - 10500 + 255 + 200.
    EXPECT_EQ(placed.vertical.maximum, 6795);
    EXPECT_TRUE(placed.vertical.enabled);
    EXPECT_EQ(placed.horizontal.pageStep, 12150);
    EXPECT_EQ(placed.vertical.pageStep, 9450);
}

TEST(PreviewGeometry, PageWiderThanTheWindowScrollsFromTheLeftMargin)
{
    const PreviewPlacement placed = window900x700(2).placement();
    // 24480 + 600 - 13500 + 255.
    EXPECT_EQ(placed.horizontal.maximum, 11835);
    EXPECT_TRUE(placed.horizontal.enabled);
    EXPECT_EQ(placed.page, QRect(120, 480, 24480, 31680));
    EXPECT_EQ(placed.shadow, QRect(240, 600, 24480, 31680));
    EXPECT_EQ(placed.vertical.maximum, 600 + 31680 + 400 - 10500 + 255 + 200);

    // One twip too wide is enough.
    PreviewGeometry justWider = window900x700();
    justWider.windowWidth = 12240 + 600 + 255 - 1;
    EXPECT_EQ(justWider.placement().horizontal.maximum, 1);
    EXPECT_EQ(justWider.placement().page.left(), 120);
    justWider.windowWidth += 1;
    EXPECT_FALSE(justWider.placement().horizontal.enabled);
}

TEST(PreviewGeometry, PageShorterThanTheWindowDoesNotScroll)
{
    PreviewGeometry geometry = window900x700(0.5);
    const PreviewPlacement placed = geometry.placement();
    // 600 + 7920 + 400 - 10500 + 255 + 200 is below 0.
    EXPECT_EQ(placed.vertical.maximum, 0);
    EXPECT_FALSE(placed.vertical.enabled);
    EXPECT_EQ(placed.page, QRect(3435, 480, 6120, 7920));
}

TEST(PreviewGeometry, ScrollBarsRunAlongTheRightAndBottomWithTheBlankInTheCorner)
{
    const PreviewPlacement placed = window900x700().placement();
    // Just below the toolbar, 120 from the right edge, ending 400 above the
    // horizontal bar's bottom.
    EXPECT_EQ(placed.vertical.geometry, QRect(13125, 480, 255, 9365));
    EXPECT_EQ(placed.horizontal.geometry, QRect(0, 9845, 13125, 255));
    EXPECT_EQ(placed.blank, QRect(13125, 9845, 255, 255));

    // A window too small for them gives them no room rather than less.
    PreviewGeometry tiny = window900x700();
    tiny.windowWidth = 300;
    tiny.windowHeight = 900;
    const PreviewPlacement squeezed = tiny.placement();
    EXPECT_EQ(squeezed.vertical.geometry.height(), 0);
    EXPECT_EQ(squeezed.horizontal.geometry.width(), 0);
}

TEST(PreviewGeometry, AbsurdZoomsKeepThePageBetweenAFewAndSixteenThousandPixels)
{
    PreviewGeometry geometry = window900x700();
    for (const char* text : {"0.0001%", "0.5%", "99999%", "1e9%", "99999999999999999999999999%"}) {
        geometry.zoom = geometry.zoomFor(QString::fromLatin1(text)).factor;
        const QSize page = geometry.zoomedPage();
        EXPECT_GE(std::min(page.width(), page.height()), pixelsToTwips(PreviewGeometry::minimumPagePixels)) << text;
        EXPECT_LE(std::max(page.width(), page.height()), pixelsToTwips(PreviewGeometry::maximumPagePixels)) << text;
    }
    for (double zoom : {-1.0, 0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        const double limited = geometry.limitedZoom(zoom);
        EXPECT_TRUE(std::isfinite(limited) && limited > 0) << zoom;
    }
    // Reasonable zooms are not touched.
    for (double zoom : {0.25, 1.0, 4.0})
        EXPECT_DOUBLE_EQ(geometry.limitedZoom(zoom), zoom);

    // A page of no size cannot divide by zero.
    geometry.pageWidth = 0;
    geometry.pageHeight = 0;
    EXPECT_TRUE(std::isfinite(geometry.zoomFor("Page Width").factor));
    EXPECT_TRUE(std::isfinite(geometry.zoomFor("Page Height").factor));
    EXPECT_EQ(geometry.zoomedPage(), QSize(0, 0));
}

TEST(PreviewGeometry, TwipsBecomeThe96DotsPerInchPixelsOfThePageImages)
{
    EXPECT_EQ(twipsToPixels(12240), 816);
    EXPECT_EQ(twipsToPixels(15840), 1056);
    // Rounded to the nearest pixel, not cut off.
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(twipsToPixels(-8), -1);
    EXPECT_EQ(twipsToPixels(QRect(120, 480, 400, 15)), QRect(8, 32, 27, 1));
    EXPECT_EQ(pixelsToTwips(17), 255);
}

} // namespace
