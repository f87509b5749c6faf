// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/FontCache.h"
#include "drawing/PageSurface.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFontMetricsF>

namespace quirepress::detail {

// A page kept as the drawing steps its layout made: text runs with their
// style, colour and place, lines, boxes and pictures, in the order drawn,
// to be drawn again on any PageSurface (the preview's painter, a PDF).
//
// The steps are written compactly as they are recorded: a tag byte, whole
// twips as variable-length numbers, texts as UTF-8 and a style only where it
// changes. A page of a list report takes a few kilobytes, and the bytes are
// what the page spool keeps, as they are.
class RecordingSurface : public PageSurface {
public:
    // Text is measured in the fonts of `fonts`, which must outlive the
    // surface, exactly as PainterSurface measures it: a layout recorded here
    // is the layout a printer gets.
    explicit RecordingSurface(FontCache& fonts);

    void setTextStyle(const TextStyle& style) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void drawText(double x, double y, const QString& text, int32_t colour) override;
    void drawAlignedText(double left, double width, double y, const QString& text, TextAlignment alignment,
                         int32_t colour) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int lineWidth) override;
    void drawBox(const QRect& box, int32_t outline, int32_t fill, int lineWidth) override;
    void drawImage(int32_t x, int32_t y, const QImage& image) override;

    // The steps recorded so far.
    const QByteArray& steps() const { return steps_; }
    // Starts a new, empty page; the bytes' capacity is kept for it.
    void clear();

private:
    // The style is written before the first text drawn in it.
    void writeStyleIfChanged();

    FontCache& fonts_;
    TextStyle style_;
    QFontMetricsF metrics_;
    bool styleWritten_ = false;
    QByteArray steps_;
};

// Draws the steps recorded by a RecordingSurface on `surface`, in their
// order. False, after drawing what came before, when the bytes end in the
// middle of a step or hold a step of no known kind (a damaged spool).
bool drawSteps(QByteArrayView steps, PageSurface& surface);

} // namespace quirepress::detail
