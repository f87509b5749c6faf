// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "drawing/PainterSurface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextLayout>

#include <cmath>

namespace quirepress::detail {

namespace {
constexpr double twipsPerInch = 1440.0;
constexpr double twipsPerPoint = 20.0;
constexpr int32_t buttonFace = static_cast<int32_t>(0x8000000F);
} // namespace

QColor colourFromReport(int32_t value)
{
    if (value == buttonFace)
        return QColor(0xF0, 0xF0, 0xF0);
    const auto bits = static_cast<uint32_t>(value);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

QFont PainterSurface::fontInTwips(const TextStyle& style)
{
    QFont font(style.font);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(style.size * twipsPerPoint))));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    // At sizes in twips hinting would only add noise to the widths.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

PainterSurface::PainterSurface(QPaintDevice* device, double dotsPerInch, FontCache* fonts, const QTransform& view)
    : painter_(device),
      dotsPerInch_(dotsPerInch),
      fonts_(fonts ? fonts : &ownFonts_),
      font_(fonts_->fontFor({}).font),
      metrics_(fonts_->fontFor({}).metrics),
      fontId_(fonts_->fontFor({}).id)
{
    // Lines and boxes stay crisp, one device dot wide; text and pictures are
    // smoothed.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.setTransform(view);
    painter_.scale(dotsPerInch / twipsPerInch, dotsPerInch / twipsPerInch);
    usePainterFont();
}

PainterSurface::~PainterSurface() = default;

void PainterSurface::setTextStyle(const TextStyle& style)
{
    const FontCache::Font& font = fonts_->fontFor(style);
    if (font.id == fontId_)
        return;
    font_ = font.font;
    metrics_ = font.metrics;
    fontId_ = font.id;
}

void PainterSurface::usePainterFont()
{
    if (painterFontId_ == fontId_)
        return;
    painter_.setFont(font_);
    painterFontId_ = fontId_;
}

double PainterSurface::textWidth(const QString& text) const { return metrics_.horizontalAdvance(text); }

double PainterSurface::textHeight(const QString& text) const
{
    (void)text;
    return metrics_.height();
}

void PainterSurface::drawText(double x, double y, const QString& text, int32_t colour)
{
    usePainterFont();
    painter_.setPen(colourFromReport(colour));
    painter_.drawText(QPointF(x, y + metrics_.ascent()), text);
}

void PainterSurface::drawAlignedText(double left, double width, double y, const QString& text, TextAlignment alignment,
                                     int32_t colour)
{
    const auto startFor = [&](double textWidth) {
        return alignment == TextAlignment::Right ? left + width - textWidth : left + (width - textWidth) / 2.0;
    };
    // QTextLine draws an underline a little unlike QPainter::drawText; such
    // text is measured and drawn apart, so that it looks as left-aligned
    // underlined text does.
    if (font_.underline()) {
        drawText(startFor(textWidth(text)), y, text, colour);
        return;
    }
    // One shaping both measures the text and draws it.
    QTextLayout layout(text, font_);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight); // as the painter's drawText
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid() || line.textLength() != text.size()) {
        // A line separator in the text starts a second line.
        drawText(startFor(textWidth(text)), y, text, colour);
        return;
    }
    painter_.setPen(colourFromReport(colour));
    // The baseline stays where the style's font puts it, even where a
    // fallback font of the text is taller.
    line.draw(&painter_, QPointF(startFor(line.horizontalAdvance()), y + metrics_.ascent() - line.ascent()));
}

QPen PainterSurface::penFor(int32_t colour, int lineWidth) const
{
    QPen pen(colourFromReport(colour));
    pen.setWidthF(lineWidthInTwips(lineWidth, dotsPerInch_));
    return pen;
}

void PainterSurface::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int lineWidth)
{
    painter_.setPen(penFor(colour, lineWidth));
    painter_.drawLine(QPoint(x1, y1), QPoint(x2, y2));
}

void PainterSurface::drawBox(const QRect& box, int32_t outline, int32_t fill, int lineWidth)
{
    painter_.setPen(penFor(outline, lineWidth));
    painter_.setBrush(colourFromReport(fill));
    painter_.drawRect(box);
    painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::drawImage(int32_t x, int32_t y, const QImage& image)
{
    painter_.drawImage(QRectF(QPointF(x, y), naturalSizeInTwips(image)), image);
}

ScreenPage::ScreenPage(int32_t widthTwips, int32_t heightTwips)
    : image_(static_cast<int>(std::lround(widthTwips * dotsPerInch / twipsPerInch)),
             static_cast<int>(std::lround(heightTwips * dotsPerInch / twipsPerInch)), QImage::Format_RGB32)
{
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    clear();
}

void ScreenPage::clear() { image_.fill(Qt::white); }

} // namespace quirepress::detail
