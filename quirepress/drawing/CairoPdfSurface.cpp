// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "drawing/CairoPdfSurface.h"

#include "drawing/PainterSurface.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QIODevice>

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

namespace quirepress::detail {

namespace {

constexpr double pointsPerTwip = 1.0 / 20.0;
// HarfBuzz positions in 1/64 of a twip: whole numbers fine enough that the
// rounding never shows.
constexpr double hbUnitsPerTwip = 64.0;
// A report that prints a new text in every field (invoice numbers, dates)
// would grow the caches without end; past this many texts a style's cache
// starts again.
constexpr qsizetype maximumRuns = 4096;
// As FontCache: a caller setting a new size on every field starts the
// styles again past this many.
constexpr size_t maximumStyles = 64;
constexpr size_t maximumImages = 16;

double pointsOf(int twips) { return twips * pointsPerTwip; }

} // namespace

// A font file opened once for the process: FreeType's face for cairo's
// drawing and embedding, HarfBuzz's over the same face for shaping. Kept
// for the process's life: cairo keeps fonts it drew in caches of its own
// past the surface that drew them, and the faces must outlive those.
struct CairoPdfSurface::Typeface {
    QString family;
    bool bold = false;
    bool italic = false;
    // Null when the font file could not be read: its texts are measured,
    // but not drawn.
    FT_Face ft = nullptr;
    cairo_font_face_t* cairo = nullptr;
    hb_face_t* hb = nullptr;

    static Typeface& of(const QString& family, bool bold, bool italic);
};

struct CairoPdfSurface::ShapedRun {
    QByteArray utf8;
    // Positions in twips from the run's left end on its baseline.
    std::vector<cairo_glyph_t> glyphs;
    std::vector<cairo_text_cluster_t> clusters;
    cairo_text_cluster_flags_t clusterFlags = cairo_text_cluster_flags_t(0);
    double advance = 0;
};

struct CairoPdfSurface::StyleFont {
    TextStyle style;
    // Measures as PainterSurface does: the same font in twips.
    QFontMetricsF metrics;
    QHash<QString, double> widths;
    // Made when the style is first drawn with.
    Typeface* typeface = nullptr;
    hb_font_t* hb = nullptr;
    double pixelSize = 0;
    double underlineOffset = 0;
    double underlineThickness = 0;
    QHash<QString, ShapedRun> runs;

    StyleFont(const TextStyle& ofStyle, const QFont& font) : style(ofStyle), metrics(font) {}
    ~StyleFont()
    {
        if (hb)
            hb_font_destroy(hb);
    }
    StyleFont(const StyleFont&) = delete;
    StyleFont& operator=(const StyleFont&) = delete;
};

struct CairoPdfSurface::Cairo {
    // Where the document goes; null once it is abandoned.
    QIODevice* device = nullptr;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    hb_buffer_t* buffer = hb_buffer_create();
    // Texts of one font and colour drawn one after the other, waiting to
    // go to cairo as one: cairo's cost is in its operations far more than
    // in their glyphs (each is recorded, then replayed twice when the page
    // ends, the first time to work out what the page covers).
    StyleFont* pendingFont = nullptr;
    int32_t pendingColour = 0;
    QByteArray pendingText;
    std::vector<cairo_glyph_t> pendingGlyphs;
    std::vector<cairo_text_cluster_t> pendingClusters;
    // The underlines of those texts: x, y, width, height.
    std::vector<std::array<double, 4>> pendingUnderlines;
    // An image drawn on many pages (a logo) is embedded once: cairo
    // shares what it wrote of one image surface. The layout reads a
    // picture's file anew for each page, so images are told apart by their
    // pixels.
    struct Image {
        size_t hash;
        QImage image;
        cairo_surface_t* pixels;
    };
    std::vector<Image> images;

    ~Cairo()
    {
        for (Image& image : images)
            cairo_surface_destroy(image.pixels);
        if (cr)
            cairo_destroy(cr);
        if (surface)
            cairo_surface_destroy(surface);
        hb_buffer_destroy(buffer);
    }
};

namespace {

std::mutex& typefaceLock()
{
    static std::mutex lock;
    return lock;
}

FT_Library freeType()
{
    static FT_Library library = [] {
        FT_Library made = nullptr;
        if (FT_Init_FreeType(&made) != 0)
            return FT_Library(nullptr);
        return made;
    }();
    return library;
}

void doneFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

cairo_status_t writeTo(void* closure, const unsigned char* data, unsigned int length)
{
    QIODevice* device = *static_cast<QIODevice**>(closure);
    if (!device)
        return CAIRO_STATUS_SUCCESS;
    const auto size = static_cast<qint64>(length);
    return device->write(reinterpret_cast<const char*>(data), size) == size ? CAIRO_STATUS_SUCCESS
                                                                            : CAIRO_STATUS_WRITE_ERROR;
}

const cairo_user_data_key_t faceKey{};

} // namespace

CairoPdfSurface::Typeface& CairoPdfSurface::Typeface::of(const QString& family, bool bold, bool italic)
{
    const std::lock_guard<std::mutex> locked(typefaceLock());
    // Never freed, see above; a report uses a handful.
    static auto* typefaces = new std::vector<std::unique_ptr<Typeface>>;
    for (auto& typeface : *typefaces) {
        if (typeface->family == family && typeface->bold == bold && typeface->italic == italic)
            return *typeface;
    }
    auto typeface = std::make_unique<Typeface>();
    typeface->family = family;
    typeface->bold = bold;
    typeface->italic = italic;

    FcPattern* pattern = FcPatternCreate();
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    FcChar8* file = nullptr;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        (void)FcPatternGetInteger(match, FC_INDEX, 0, &index);
        (void)FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        (void)FcPatternGetInteger(match, FC_SLANT, 0, &slant);
        FT_Face face = nullptr;
        if (freeType() && FT_New_Face(freeType(), reinterpret_cast<const char*>(file), index, &face) == 0) {
            typeface->ft = face;
            // Outlines as designed: hinting means nothing in a PDF file.
            typeface->cairo = cairo_ft_font_face_create_for_ft_face(face, FT_LOAD_NO_HINTING);
            // The cairo face owns the FreeType face from here on.
            cairo_font_face_set_user_data(typeface->cairo, &faceKey, face, doneFace);
            // A family without a bold or an italic face is drawn bold or
            // slanted from its regular one, as Qt draws it.
            int synthesize = 0;
            if (bold && weight < FC_WEIGHT_DEMIBOLD)
                synthesize |= CAIRO_FT_SYNTHESIZE_BOLD;
            if (italic && slant == FC_SLANT_ROMAN)
                synthesize |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
            if (synthesize)
                cairo_ft_font_face_set_synthesize(typeface->cairo, static_cast<unsigned int>(synthesize));
            typeface->hb = hb_ft_face_create_referenced(face);
        }
    }
    if (match)
        FcPatternDestroy(match);
    typefaces->push_back(std::move(typeface));
    return *typefaces->back();
}

CairoPdfSurface::CairoPdfSurface(QIODevice* device, QSize pageTwips, double dotsPerInch)
    : cairo_(std::make_unique<Cairo>()), defaultPage_(pageTwips), dotsPerInch_(dotsPerInch)
{
    cairo_->device = device;
    cairo_->surface = cairo_pdf_surface_create_for_stream(writeTo, &cairo_->device, pointsOf(pageTwips.width()),
                                                          pointsOf(pageTwips.height()));
    cairo_->cr = cairo_create(cairo_->surface);
    cairo_t* cr = cairo_->cr;
    // Every position is in twips from the page's top-left corner, as
    // cairo's are in points from there.
    cairo_scale(cr, pointsPerTwip, pointsPerTwip);
    // QPen's defaults, which the other surfaces draw with.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_BEVEL);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    current_ = &fontOf(TextStyle());
}

CairoPdfSurface::~CairoPdfSurface()
{
    // Cairo writes the rest of the document as it goes; none of it reaches
    // the device now.
    if (!finished_)
        cairo_->device = nullptr;
}

void CairoPdfSurface::setTitle(const QString& title)
{
    cairo_pdf_surface_set_metadata(cairo_->surface, CAIRO_PDF_METADATA_TITLE, title.toUtf8().constData());
}

void CairoPdfSurface::setCreator(const QString& creator)
{
    cairo_pdf_surface_set_metadata(cairo_->surface, CAIRO_PDF_METADATA_CREATOR, creator.toUtf8().constData());
}

void CairoPdfSurface::beginPage(QSize pageTwips)
{
    if (pageOpen_)
        endPage();
    cairo_pdf_surface_set_size(cairo_->surface, pointsOf(pageTwips.width()), pointsOf(pageTwips.height()));
    pageOpen_ = true;
    ++pagesBegun_;
}

void CairoPdfSurface::endPage()
{
    if (!pageOpen_)
        return;
    drawPending();
    // Writes the page, drawn or blank.
    cairo_show_page(cairo_->cr);
    pageOpen_ = false;
}

bool CairoPdfSurface::finish()
{
    if (pagesBegun_ == 0)
        beginPage(defaultPage_);
    drawPending();
    endPage();
    cairo_surface_finish(cairo_->surface);
    finished_ = true;
    return !failed();
}

bool CairoPdfSurface::failed() const
{
    return cairo_status(cairo_->cr) != CAIRO_STATUS_SUCCESS
        || cairo_surface_status(cairo_->surface) != CAIRO_STATUS_SUCCESS;
}

QString CairoPdfSurface::failure() const
{
    cairo_status_t status = cairo_surface_status(cairo_->surface);
    if (status == CAIRO_STATUS_SUCCESS)
        status = cairo_status(cairo_->cr);
    return status == CAIRO_STATUS_SUCCESS ? QString() : QString::fromUtf8(cairo_status_to_string(status));
}

CairoPdfSurface::StyleFont& CairoPdfSurface::fontOf(const TextStyle& style)
{
    for (size_t index = 0; index < fonts_.size(); ++index) {
        if (fonts_[index]->style == style) {
            // Styles used together stay at the front.
            if (index > 0)
                std::swap(fonts_[index], fonts_[0]);
            return *fonts_[0];
        }
    }
    if (fonts_.size() >= maximumStyles) {
        drawPending();
        fonts_.clear();
        current_ = nullptr;
        cairoFont_ = nullptr;
    }
    fonts_.insert(fonts_.begin(), std::make_unique<StyleFont>(style, PainterSurface::fontInTwips(style)));
    return *fonts_.front();
}

void CairoPdfSurface::setTextStyle(const TextStyle& style)
{
    if (current_ && current_->style == style)
        return;
    current_ = &fontOf(style);
}

double CairoPdfSurface::textWidth(const QString& text) const
{
    // The same width as PainterSurface's, asked of Qt once per text.
    auto found = current_->widths.constFind(text);
    if (found != current_->widths.constEnd())
        return *found;
    if (current_->widths.size() >= maximumRuns)
        current_->widths.clear();
    const double width = current_->metrics.horizontalAdvance(text);
    current_->widths.insert(text, width);
    return width;
}

double CairoPdfSurface::textHeight(const QString& text) const
{
    (void)text;
    return current_->metrics.height();
}

const CairoPdfSurface::ShapedRun& CairoPdfSurface::shaped(const QString& text)
{
    StyleFont& font = *current_;
    auto found = font.runs.constFind(text);
    if (found != font.runs.constEnd())
        return *found;
    if (!font.typeface) {
        const QFont qtFont = PainterSurface::fontInTwips(font.style);
        // The family Qt draws the style in ("Arial" is Liberation Sans
        // here), so that this file's text looks as the preview's.
        const QFontInfo chosen(qtFont);
        font.typeface = &Typeface::of(chosen.family(), font.style.bold, font.style.italic);
        font.pixelSize = qtFont.pixelSize();
        if (font.typeface->hb) {
            font.hb = hb_font_create(font.typeface->hb);
            const int scale = static_cast<int>(std::lround(font.pixelSize * hbUnitsPerTwip));
            hb_font_set_scale(font.hb, scale, scale);
        }
        const FT_Face face = font.typeface->ft;
        if (face && face->units_per_EM > 0) {
            const double perUnit = font.pixelSize / face->units_per_EM;
            font.underlineOffset = -face->underline_position * perUnit;
            font.underlineThickness = face->underline_thickness * perUnit;
        }
        if (font.underlineThickness <= 0) {
            font.underlineOffset = font.pixelSize / 10.0;
            font.underlineThickness = font.pixelSize / 20.0;
        }
    }
    if (font.runs.size() >= maximumRuns)
        font.runs.clear();
    ShapedRun run;
    run.utf8 = text.toUtf8();
    if (font.hb && !run.utf8.isEmpty()) {
        hb_buffer_t* buffer = cairo_->buffer;
        hb_buffer_clear_contents(buffer);
        hb_buffer_add_utf8(buffer, run.utf8.constData(), static_cast<int>(run.utf8.size()), 0,
                           static_cast<int>(run.utf8.size()));
        hb_buffer_guess_segment_properties(buffer);
        // In the style's font alone: a character it lacks is drawn as its
        // empty box, where Qt would take it from another font.
        hb_shape(font.hb, buffer, nullptr, 0);
        unsigned int count = 0;
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
        const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
        const bool backward = HB_DIRECTION_IS_BACKWARD(hb_buffer_get_direction(buffer));
        run.clusterFlags = backward ? CAIRO_TEXT_CLUSTER_FLAG_BACKWARD : cairo_text_cluster_flags_t(0);
        run.glyphs.reserve(count);
        double x = 0;
        double y = 0;
        for (unsigned int index = 0; index < count; ++index) {
            run.glyphs.push_back({infos[index].codepoint, x + positions[index].x_offset / hbUnitsPerTwip,
                                  y - positions[index].y_offset / hbUnitsPerTwip});
            x += positions[index].x_advance / hbUnitsPerTwip;
            y -= positions[index].y_advance / hbUnitsPerTwip;
        }
        run.advance = x;
        // Glyphs of one cluster value are one cluster; its bytes reach to
        // the next cluster's start in the text. HarfBuzz's clusters grow
        // along the glyphs, or shrink in a right-to-left run, whose clusters
        // cairo takes in the text's order from the last glyph.
        const auto textEnd = static_cast<uint32_t>(run.utf8.size());
        if (!backward) {
            for (unsigned int start = 0; start < count;) {
                unsigned int end = start + 1;
                while (end < count && infos[end].cluster == infos[start].cluster)
                    ++end;
                const uint32_t next = end < count ? infos[end].cluster : textEnd;
                run.clusters.push_back({static_cast<int>(next - infos[start].cluster), static_cast<int>(end - start)});
                start = end;
            }
        } else {
            for (unsigned int end = count; end > 0;) {
                unsigned int start = end - 1;
                while (start > 0 && infos[start - 1].cluster == infos[end - 1].cluster)
                    --start;
                const uint32_t next = start > 0 ? infos[start - 1].cluster : textEnd;
                run.clusters.push_back({static_cast<int>(next - infos[start].cluster), static_cast<int>(end - start)});
                end = start;
            }
        }
    }
    return *font.runs.insert(text, std::move(run));
}

void CairoPdfSurface::setColour(int32_t colour)
{
    if (hasColour_ && cairoColour_ == colour)
        return;
    const QColor rgb = colourFromReport(colour);
    cairo_set_source_rgb(cairo_->cr, rgb.redF(), rgb.greenF(), rgb.blueF());
    cairoColour_ = colour;
    hasColour_ = true;
}

void CairoPdfSurface::drawPending(bool backward)
{
    Cairo& pending = *cairo_;
    StyleFont* font = pending.pendingFont;
    if (!font)
        return;
    cairo_t* cr = pending.cr;
    if (cairoFont_ != font) {
        cairo_set_font_face(cr, font->typeface->cairo);
        cairo_set_font_size(cr, font->pixelSize);
        cairoFont_ = font;
    }
    setColour(pending.pendingColour);
    cairo_show_text_glyphs(cr, pending.pendingText.constData(), static_cast<int>(pending.pendingText.size()),
                           pending.pendingGlyphs.data(), static_cast<int>(pending.pendingGlyphs.size()),
                           pending.pendingClusters.data(), static_cast<int>(pending.pendingClusters.size()),
                           backward ? CAIRO_TEXT_CLUSTER_FLAG_BACKWARD : cairo_text_cluster_flags_t(0));
    if (!pending.pendingUnderlines.empty()) {
        for (const auto& [x, y, width, height] : pending.pendingUnderlines)
            cairo_rectangle(cr, x, y, width, height);
        cairo_fill(cr);
    }
    pending.pendingFont = nullptr;
    pending.pendingText.resize(0);
    pending.pendingGlyphs.clear();
    pending.pendingClusters.clear();
    pending.pendingUnderlines.clear();
}

void CairoPdfSurface::drawRun(double x, double y, const ShapedRun& run, int32_t colour)
{
    if (run.glyphs.empty() || !current_->typeface->cairo)
        return;
    Cairo& pending = *cairo_;
    // A right-to-left run's clusters go the other way round: it is drawn
    // on its own.
    const bool backward = run.clusterFlags & CAIRO_TEXT_CLUSTER_FLAG_BACKWARD;
    if (pending.pendingFont && (pending.pendingFont != current_ || pending.pendingColour != colour || backward))
        drawPending();
    pending.pendingFont = current_;
    pending.pendingColour = colour;
    // The baseline where Qt's metrics put it, as on the other surfaces.
    const double baseline = y + current_->metrics.ascent();
    for (const cairo_glyph_t& glyph : run.glyphs)
        pending.pendingGlyphs.push_back({glyph.index, x + glyph.x, baseline + glyph.y});
    pending.pendingText.append(run.utf8);
    pending.pendingClusters.insert(pending.pendingClusters.end(), run.clusters.begin(), run.clusters.end());
    if (current_->style.underline)
        pending.pendingUnderlines.push_back({x,
                                             baseline + current_->underlineOffset - current_->underlineThickness / 2.0,
                                             run.advance, current_->underlineThickness});
    if (backward)
        drawPending(true);
}

void CairoPdfSurface::drawText(double x, double y, const QString& text, int32_t colour)
{
    drawRun(x, y, shaped(text), colour);
}

void CairoPdfSurface::drawAlignedText(double left, double width, double y, const QString& text, TextAlignment alignment,
                                      int32_t colour)
{
    // The shaped advance is what is drawn, so the text's right edge lands
    // exactly on the span's.
    const ShapedRun& run = shaped(text);
    const double start =
        alignment == TextAlignment::Right ? left + width - run.advance : left + (width - run.advance) / 2.0;
    drawRun(start, y, run, colour);
}

void CairoPdfSurface::setPen(int32_t colour, int lineWidth)
{
    cairo_set_line_width(cairo_->cr, lineWidthInTwips(lineWidth, dotsPerInch_));
    setColour(colour);
}

void CairoPdfSurface::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int lineWidth)
{
    // Over the texts before it, as it was drawn after them.
    drawPending();
    cairo_t* cr = cairo_->cr;
    setPen(colour, lineWidth);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_stroke(cr);
}

void CairoPdfSurface::drawBox(const QRect& box, int32_t outline, int32_t fill, int lineWidth)
{
    drawPending();
    cairo_t* cr = cairo_->cr;
    cairo_rectangle(cr, box.x(), box.y(), box.width(), box.height());
    setColour(fill);
    cairo_fill_preserve(cr);
    setPen(outline, lineWidth);
    cairo_stroke(cr);
}

void CairoPdfSurface::drawImage(int32_t x, int32_t y, const QImage& image)
{
    if (image.isNull())
        return;
    drawPending();
    const size_t hash = qHashBits(image.constBits(), static_cast<size_t>(image.sizeInBytes()));
    cairo_surface_t* pixels = nullptr;
    for (const Cairo::Image& made : cairo_->images) {
        if (made.hash == hash && made.image == image)
            pixels = made.pixels;
    }
    if (!pixels) {
        const bool alpha = image.hasAlphaChannel();
        // Both hold a pixel as one native 32-bit word, 0xAARRGGBB.
        const QImage source = image.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        pixels = cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, source.width(),
                                            source.height());
        cairo_surface_flush(pixels);
        unsigned char* rows = cairo_image_surface_get_data(pixels);
        const int stride = cairo_image_surface_get_stride(pixels);
        if (rows) {
            const auto rowBytes = static_cast<size_t>(source.width()) * 4;
            for (int row = 0; row < source.height(); ++row)
                std::copy_n(source.constScanLine(row), rowBytes, rows + static_cast<ptrdiff_t>(row) * stride);
        }
        cairo_surface_mark_dirty(pixels);
        if (cairo_->images.size() >= maximumImages) {
            cairo_surface_destroy(cairo_->images.front().pixels);
            cairo_->images.erase(cairo_->images.begin());
        }
        cairo_->images.push_back({hash, image, pixels});
    }
    const QSizeF natural = naturalSizeInTwips(image);
    cairo_t* cr = cairo_->cr;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, natural.width() / image.width(), natural.height() / image.height());
    cairo_set_source_surface(cr, pixels, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    // Brings the colour from before back as the source.
    cairo_restore(cr);
}

} // namespace quirepress::detail
