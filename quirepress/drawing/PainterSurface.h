// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/FontCache.h"
#include "drawing/PageSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

class QPaintDevice;

namespace quirepress::detail {

// A page surface over any QPaintDevice: a QImage for the screen page, a
// QPrinter for paper. The painter works in twips and scales them to the
// device's resolution; fonts are sized in twips, so text metrics do not
// depend on the device or on screen hinting.
class PainterSurface : public PageSurface {
public:
    // Draws on `device`, whose resolution is `dotsPerInch`; the device must
    // outlive the surface. Fonts come from `fonts` when given (it must
    // outlive the surface), so that the pages of a run share them; else
    // from a cache of the surface's own. `view` moves and scales the page on
    // the device after that (the preview's zoom and scrolling); line widths
    // still count in dots of `dotsPerInch`, and scale with the view.
    PainterSurface(QPaintDevice* device, double dotsPerInch, FontCache* fonts = nullptr,
                   const QTransform& view = QTransform());
    ~PainterSurface() override;

    void setTextStyle(const TextStyle& style) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void drawText(double x, double y, const QString& text, int32_t colour) override;
    void drawAlignedText(double left, double width, double y, const QString& text, TextAlignment alignment,
                         int32_t colour) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int lineWidth) override;
    void drawBox(const QRect& box, int32_t outline, int32_t fill, int lineWidth) override;
    void drawImage(int32_t x, int32_t y, const QImage& image) override;

    // False when the device could not be painted on (a printer that
    // refused the job).
    bool isActive() const { return painter_.isActive(); }

    // The font of `style` with its size in twips.
    static QFont fontInTwips(const TextStyle& style);

private:
    QPen penFor(int32_t colour, int lineWidth) const;
    // Hands the current font to the painter, when it does not have it yet:
    // QPainter::setFont makes a font of its own each time.
    void usePainterFont();

    QPainter painter_;
    double dotsPerInch_;
    FontCache ownFonts_;
    FontCache* fonts_;
    QFont font_;
    QFontMetricsF metrics_;
    int fontId_ = -1;
    int painterFontId_ = -1;
};

// The off-screen page the preview draws on: a white page of the report's
// size, at screen resolution.
class ScreenPage {
public:
    static constexpr double dotsPerInch = 96;

    ScreenPage(int32_t widthTwips, int32_t heightTwips);

    QImage& image() { return image_; }
    // Clears the page to white, as a new page starts.
    void clear();

private:
    QImage image_;
};

// A surface that only measures text, for the targets that draw nothing;
// text metrics in twips are the same on every device.
class MeasuringSurface {
public:
    PageSurface& surface() { return surface_; }

private:
    QImage image_{1, 1, QImage::Format_RGB32};
    PainterSurface surface_{&image_, 1440};
};

} // namespace quirepress::detail
