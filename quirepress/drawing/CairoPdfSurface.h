#pragma once

#include "drawing/PageSurface.h"

#include <QSize>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;

namespace quirepress::detail {

// A page surface that writes a PDF document with cairo, for the PDF file
// and for pages saved from the preview. Text is shaped by HarfBuzz in the
// font fontconfig finds for the style (the one Qt uses) and drawn with its
// characters attached, so that the file's text can be searched and copied;
// cairo embeds the subsets of the fonts that were used.
//
// Text is measured exactly as PainterSurface measures it, with Qt's font
// metrics in twips: the layout splits lines and fits tables by these
// widths, and the file must have the pages of the preview and the printer.
//
// A caller draws page by page: beginPage() with the page's size, the
// drawing calls, endPage(); finish() writes the document's end. The
// surface stops at the first failure (a write the device refused) and
// says so in failed(), which a caller checks after each page.
class CairoPdfSurface : public PageSurface {
public:
    // QPdfWriter's resolution: line widths count in its dots, so that the
    // files look as those it wrote.
    static constexpr double pdfDotsPerInch = 1200;

    // Writes into `device`, which is open for writing and outlives the
    // surface. Pages are `pageTwips` large unless beginPage() says
    // otherwise. Line widths count in dots of `dotsPerInch`.
    CairoPdfSurface(QIODevice* device, QSize pageTwips, double dotsPerInch = pdfDotsPerInch);
    // Without finish(), the surface writes nothing more to the device: the
    // document is abandoned.
    ~CairoPdfSurface() override;
    CairoPdfSurface(const CairoPdfSurface&) = delete;
    CairoPdfSurface& operator=(const CairoPdfSurface&) = delete;

    // The document's title and the program that made it, in its metadata.
    void setTitle(const QString& title);
    void setCreator(const QString& creator);

    // Starts a page `pageTwips` large; ends the page before, when one is
    // open.
    void beginPage(QSize pageTwips);
    void endPage();
    // Ends the open page and writes the document's end. A document without
    // any page gets one empty page, as a printer's would. False when the
    // document could not be written whole.
    bool finish();

    // Whether drawing or writing has failed; what went wrong then.
    bool failed() const;
    QString failure() const;

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
