// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The page surface: twips in, device dots out, and text measured the same
// whatever the device's resolution.

#include "drawing/PainterSurface.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

using namespace quirepress::detail;

namespace {

constexpr int32_t black = 0x000000;
constexpr int32_t white = 0xFFFFFF;
constexpr int32_t red = 0x0000FF; // 0x00BBGGRR

QImage imageAt(double dotsPerInch, int32_t widthTwips, int32_t heightTwips)
{
    QImage image(static_cast<int>(widthTwips * dotsPerInch / 1440), static_cast<int>(heightTwips * dotsPerInch / 1440),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(PageSurface, ReportColoursAreBlueGreenRed)
{
    EXPECT_EQ(colourFromReport(red), QColor(255, 0, 0));
    EXPECT_EQ(colourFromReport(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(colourFromReport(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(colourFromReport(static_cast<int32_t>(0x8000000F)), QColor(0xF0, 0xF0, 0xF0))
        << "the button-face system colour of table lines";
}

TEST(PageSurface, TextIsMeasuredAlikeAtEveryResolution)
{
    QImage screen = imageAt(96, 2880, 2880);
    QImage fine = imageAt(600, 2880, 2880);
    PainterSurface onScreen(&screen, 96);
    PainterSurface onPaper(&fine, 600);
    const TextStyle style{QStringLiteral("Arial"), 10, false, false, false};
    onScreen.setTextStyle(style);
    onPaper.setTextStyle(style);
    const QString text = QStringLiteral("Invoice total: 1,234.56");
    EXPECT_DOUBLE_EQ(onScreen.textWidth(text), onPaper.textWidth(text));
    EXPECT_DOUBLE_EQ(onScreen.textHeight(text), onPaper.textHeight(text));

    // One line of 10-point text is about 230 twips high; twice the size is
    // twice as wide.
    EXPECT_GT(onScreen.textHeight(text), 200);
    EXPECT_LT(onScreen.textHeight(text), 300);
    const double width = onScreen.textWidth(text);
    onScreen.setTextStyle({QStringLiteral("Arial"), 20, false, false, false});
    EXPECT_NEAR(onScreen.textWidth(text), 2 * width, 2 * width * 0.02);
    onScreen.setTextStyle({QStringLiteral("Arial"), 10, true, false, false});
    EXPECT_GT(onScreen.textWidth(text), width) << "bold is wider";
}

TEST(PageSurface, ABoxLandsWhereItsTwipsSay)
{
    QImage page = imageAt(96, 4320, 4320); // three inches square: 288 dots
    {
        PainterSurface surface(&page, 96);
        // One inch in from the top-left, one inch square, filled red.
        surface.drawBox(QRect(1440, 1440, 1440, 1440), black, red, 1);
    }
    EXPECT_EQ(page.pixelColor(144, 144), QColor(255, 0, 0)) << "the middle of the box is filled";
    EXPECT_EQ(page.pixelColor(80, 144), QColor(Qt::white)) << "left of the box is untouched";
    EXPECT_EQ(page.pixelColor(144, 200), QColor(Qt::white)) << "below the box is untouched";
    EXPECT_LT(page.pixelColor(96, 144).lightness(), 100) << "the outline on the box's left edge is dark";
}

TEST(PageSurface, LinesTextAndImages)
{
    QImage page = imageAt(96, 4320, 4320);
    QImage picture(48, 24, QImage::Format_RGB32); // half an inch by a quarter at 96 dots an inch
    picture.fill(Qt::blue);
    picture.setDotsPerMeterX(static_cast<int>(96 / 0.0254));
    picture.setDotsPerMeterY(static_cast<int>(96 / 0.0254));
    {
        PainterSurface surface(&page, 96);
        surface.drawLine(0, 2160, 4320, 2160, black, 1); // across the middle
        surface.setTextStyle({QStringLiteral("Arial"), 24, true, false, false});
        surface.drawText(1440, 360, QStringLiteral("MMMM"), black);
        surface.drawImage(1440, 2880, picture);
    }
    EXPECT_LT(page.pixelColor(10, 144).lightness(), 128) << "the line crosses the page";
    EXPECT_EQ(page.pixelColor(10, 100), QColor(Qt::white));

    int darkInText = 0;
    for (int x = 96; x < 288; ++x)
        for (int y = 24; y < 72; ++y)
            darkInText += page.pixelColor(x, y).lightness() < 128 ? 1 : 0;
    EXPECT_GT(darkInText, 200) << "the text is drawn below and right of its top-left corner";
    EXPECT_EQ(page.pixelColor(50, 40), QColor(Qt::white)) << "nothing left of the text";

    EXPECT_EQ(page.pixelColor(96 + 24, 192 + 12), QColor(Qt::blue)) << "the picture at its natural size";
    EXPECT_EQ(page.pixelColor(96 + 52, 192 + 12), QColor(Qt::white)) << "and no larger";
}

TEST(PageSurface, TheScreenPageIsAWhitePageOfTheReportsSize)
{
    ScreenPage page(12200, 15800);
    EXPECT_EQ(page.image().width(), 813); // 12200 / 1440 x 96
    EXPECT_EQ(page.image().height(), 1053);
    {
        PainterSurface surface(&page.image(), ScreenPage::dotsPerInch);
        surface.drawBox(QRect(0, 0, 1440, 1440), black, black, 1);
    }
    EXPECT_EQ(page.image().pixelColor(40, 40), QColor(Qt::black));
    page.clear();
    EXPECT_EQ(page.image().pixelColor(40, 40), QColor(Qt::white));
}

namespace {

// A page with `draw` done on a fresh surface at screen resolution.
template <typename Draw>
QImage drawnPage(Draw draw)
{
    QImage page = imageAt(96, 7200, 1440);
    {
        PainterSurface surface(&page, 96);
        draw(surface);
    }
    return page;
}

const TextStyle plain{QStringLiteral("Arial"), 10, false, false, false};
const TextStyle heading{QStringLiteral("DejaVu Serif"), 14, true, true, false};
const TextStyle underlined{QStringLiteral("Arial"), 12, false, false, true};

} // namespace

TEST(PageSurface, FieldsOfDifferentStylesOnOneLineKeepTheirOwnFonts)
{
    struct Placed {
        TextStyle style;
        double x;
        QString text;
    };
    const Placed line[] = {{plain, 100, QStringLiteral("Invoice")},
                           {heading, 1400, QStringLiteral("Total due")},
                           {underlined, 4000, QStringLiteral("1,284.50")}};
    // Each style twice, alternating, as the fields of lines come.
    const QImage drawn = drawnPage([&](PageSurface& surface) {
        for (int pass = 0; pass < 2; ++pass) {
            for (const Placed& field : line) {
                surface.setTextStyle(field.style);
                surface.drawText(field.x, 100, field.text, black);
            }
        }
    });
    // The same with a font made for every field; twice over too, as smoothed
    // text drawn twice comes out darker.
    QImage expected = imageAt(96, 7200, 1440);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(96.0 / 1440, 96.0 / 1440);
        for (int pass = 0; pass < 2; ++pass) {
            for (const Placed& field : line) {
                const QFont font = PainterSurface::fontInTwips(field.style);
                painter.setFont(font);
                painter.drawText(QPointF(field.x, 100 + QFontMetricsF(font).ascent()), field.text);
            }
        }
    }
    EXPECT_EQ(drawn, expected);
}

TEST(PageSurface, AlignedTextLandsWhereItsMeasuredWidthPutsIt)
{
    const QString texts[] = {QStringLiteral("1,284.50"), QStringLiteral("Harbourside Joinery Ltd "),
                             QStringLiteral("Größe € 日本"), QStringLiteral("tab\there")};
    for (const TextStyle& style : {plain, heading, underlined}) {
        for (const QString& text : texts) {
            for (const TextAlignment alignment : {TextAlignment::Right, TextAlignment::Centre}) {
                const QImage aligned = drawnPage([&](PageSurface& surface) {
                    surface.setTextStyle(style);
                    surface.drawAlignedText(1000, 4000, 300, text, alignment, black);
                });
                const QImage measured = drawnPage([&](PageSurface& surface) {
                    surface.setTextStyle(style);
                    const double room = 4000 - surface.textWidth(text);
                    surface.drawText(1000 + (alignment == TextAlignment::Right ? room : room / 2), 300, text, black);
                });
                EXPECT_EQ(aligned, measured) << text.toStdString() << " in " << style.font.toStdString() << ", "
                                             << (alignment == TextAlignment::Right ? "right" : "centred");
            }
        }
    }
}
