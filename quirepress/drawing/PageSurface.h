// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSizeF>
#include <QString>

#include <cstdint>

namespace quirepress::detail {

// The typeface a field's text is drawn and measured in.
struct TextStyle {
    QString font = QStringLiteral("Arial");
    float size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const TextStyle&) const = default;
};

// Where a text sits in the span it is given.
enum class TextAlignment { Right, Centre };

// The rules every surface draws by, so that the screen, the printer and the
// PDF cannot drift apart. A line `lineWidth` device dots wide (at least one)
// on a device of `dotsPerInch`, in twips:
inline double lineWidthInTwips(int lineWidth, double dotsPerInch)
{
    return (lineWidth < 1 ? 1 : lineWidth) * 1440.0 / dotsPerInch;
}
// A picture's natural size in twips, from its own resolution; 96 dots an
// inch when it names none.
inline QSizeF naturalSizeInTwips(const QImage& image)
{
    const double dpiX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96.0;
    const double dpiY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() * 0.0254 : 96.0;
    return QSizeF(image.width() * 1440.0 / dpiX, image.height() * 1440.0 / dpiY);
}

// A colour as reports hold it, 0x00BBGGRR; the system colour "button face"
// (0x8000000F) that table lines use becomes light grey.
QColor colourFromReport(int32_t value);

// Where a report's pages are drawn: the screen page of the preview and the
// printer both implement it, so the two cannot drift apart. Every position
// and length is in twips (1/1440 inch) from the page's top-left corner, and
// text is measured in twips independently of the device's resolution, so
// that a layout is the same on screen and on paper.
class PageSurface {
public:
    virtual ~PageSurface() = default;

    virtual void setTextStyle(const TextStyle& style) = 0;
    // Width and height of `text` in the current style.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;

    // `text` in the current style with its top-left corner at (x, y).
    virtual void drawText(double x, double y, const QString& text, int32_t colour) = 0;
    // `text` in the current style with its top at y, against the right edge
    // of the span `width` twips wide from `left` or in its middle; the text
    // may reach out of the span on the left.
    virtual void drawAlignedText(double left, double width, double y, const QString& text, TextAlignment alignment,
                                 int32_t colour) = 0;
    virtual void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int lineWidth) = 0;
    // A rectangle outlined in `outline` and filled with `fill`.
    virtual void drawBox(const QRect& box, int32_t outline, int32_t fill, int lineWidth) = 0;
    // An image at its natural size (its own resolution) with its top-left
    // corner at (x, y).
    virtual void drawImage(int32_t x, int32_t y, const QImage& image) = 0;
};

} // namespace quirepress::detail
