// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PdfSurface.h"

#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;

namespace quirepress::detail {

// The PDF surface of the engine's PDF module, written with cairo. Text is
// shaped by HarfBuzz in the font fontconfig finds for the style (the one Qt
// uses) and drawn with its characters attached, so that the file's text
// can be searched and copied; cairo embeds the subsets of the fonts that
// were used. Text is measured exactly as PainterSurface measures it, with
// Qt's font metrics in twips.
class CairoPdfSurface final : public PdfSurface {
public:
    CairoPdfSurface(QIODevice* device, QSize pageTwips, double dotsPerInch = pdfDotsPerInch);
    ~CairoPdfSurface() override;
    CairoPdfSurface(const CairoPdfSurface&) = delete;
    CairoPdfSurface& operator=(const CairoPdfSurface&) = delete;

    void setTitle(const QString& title) override;
    void setCreator(const QString& creator) override;
    void beginPage(QSize pageTwips) override;
    void endPage() override;
    bool finish() override;
    bool failed() const override;
    QString failure() const override;

    void setTextStyle(const TextStyle& style) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void drawText(double x, double y, const QString& text, int32_t colour) override;
    void drawAlignedText(double left, double width, double y, const QString& text, TextAlignment alignment,
                         int32_t colour) override;
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int lineWidth) override;
    void drawBox(const QRect& box, int32_t outline, int32_t fill, int lineWidth) override;
    void drawImage(int32_t x, int32_t y, const QImage& image) override;

    // A typeface of the process, shared by all surfaces; a style's font at
    // its size; and a text shaped in that font.
    struct Typeface;
    struct StyleFont;
    struct ShapedRun;

private:
    StyleFont& fontOf(const TextStyle& style);
    const ShapedRun& shaped(const QString& text);
    // `run` with its left end at x and its top at y.
    void drawRun(double x, double y, const ShapedRun& run, int32_t colour);
    // Hands cairo the texts drawn since it was last called, as one.
    void drawPending(bool backward = false);
    void setColour(int32_t colour);
    void setPen(int32_t colour, int lineWidth);

    struct Cairo;
    std::unique_ptr<Cairo> cairo_;
    QSize defaultPage_;
    double dotsPerInch_;
    bool pageOpen_ = false;
    int pagesBegun_ = 0;
    bool finished_ = false;

    // Every style the surface met, most recently used first found.
    std::vector<std::unique_ptr<StyleFont>> fonts_;
    StyleFont* current_ = nullptr;
    StyleFont* cairoFont_ = nullptr;
    int32_t cairoColour_ = 0;
    bool hasColour_ = false;
};

} // namespace quirepress::detail
