// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Where a section's fields land: on a page (screen and printer), with page
// breaks, the footer at the bottom and tables split over pages, or as lines
// of a file or e-mail body.

#include "output/SectionLayout.h"
#include "drawing/PageTarget.h"
#include "drawing/PainterSurface.h"
#include "model/ApplicationKind.h"
#include "model/Field_p.h"
#include "model/LibraryFolder.h"
#include "model/Report_p.h"
#include "model/Section_p.h"
#include "model/TextMeasure.h"
#include "output/Checked.h"
#include "output/LineTarget.h"
#include "output/Placeholders.h"
#include "output/PrinterChoice.h"
#include "output/SplitLine.h"
#include "output/TableSection.h"

#include <quirepress/Error.h>
#include <quirepress/Report.h>

#include <QGuiApplication>
#include <QImage>
#include <QScopeGuard>
#include <QScopedValueRollback>

#include <algorithm>
#include <limits>

namespace quirepress::detail {

namespace {

// Removes the temporary section of a table piece however its emission ends.
class TemporarySection {
public:
    TemporarySection(Report& report, QString name) : owner_(report), name_(std::move(name)) {}
    ~TemporarySection() { owner_.RemoveSection(name_); }
    TemporarySection(const TemporarySection&) = delete;
    TemporarySection& operator=(const TemporarySection&) = delete;

private:
    Report& owner_;
    QString name_;
};

int firstTableField(const Section& section)
{
    int index = 1;
    for (const auto& [name, field] : SectionPrivate::fieldsOf(section)) {
        if (FieldPrivate::of(*field).type == cFieldTable)
            return index;
        ++index;
    }
    return 0;
}

bool isShape(const Field& field) { return field.FieldType() == cFieldSquare || field.FieldType() == cFieldPicture; }

// A box that reaches far past the page is drawn as one that ends a page's
// width or height beyond its edges: it looks the same, and its corners stay
// within what a QRect can hold (a width near 2^31 would overflow it).
QRect boxOnPage(int32_t left, int32_t top, int32_t width, int32_t height, QSize page)
{
    const auto onPage = [](int64_t position, int extent) {
        return static_cast<int>(std::clamp<int64_t>(position, -int64_t{extent}, 2 * int64_t{extent}));
    };
    const int x1 = onPage(left, page.width());
    const int y1 = onPage(top, page.height());
    const int x2 = onPage(int64_t{left} + width, page.width());
    const int y2 = onPage(int64_t{top} + height, page.height());
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

} // namespace

TextStyle SectionLayout::styleOf(const Field& field)
{
    TextStyle style;
    style.font = field.Font();
    style.size = field.Size();
    style.bold = field.Bold();
    style.italic = field.Italics();
    style.underline = field.Underline();
    return style;
}

PageSurface& SectionLayout::measuringSurface()
{
    if (pages_)
        return pages_->surface();
    if (!fontsAvailable())
        throw Error(5, QStringLiteral("Quirepress.Output"),
                    QStringLiteral("Invalid procedure call or argument: tables and split lines are measured in fonts, "
                                   "which a program without a QGuiApplication does not have."));
    if (!measuring_)
        measuring_ = std::make_unique<MeasuringSurface>();
    return measuring_->surface();
}

SectionLayout::SectionLayout(Report& report, PageFinishedListener& listener)
    : report_(&report), d_(*ReportPrivate::of(report)), listener_(listener)
{}

SectionLayout::~SectionLayout() = default;

void SectionLayout::start(PageTarget* pages, LineTarget* lines)
{
    pages_ = pages;
    lines_ = lines;
    sectionLines_.reset();
    originX_ = report_->LeftMargin();
    currentY_ = report_->TopMargin();
    pageBodyTop_ = currentY_;
    kept_.reset();
    bottomReserve_ = report_->BottomMargin();
    findFooterSection();
}

void SectionLayout::newPage()
{
    if (!paged())
        return;
    placeKeptSection(nullptr);
    breakPage();
}

void SectionLayout::finish()
{
    if (report_->Cancel())
        kept_.reset();
    placeKeptSection(nullptr);
    printFooter(true);
}

void SectionLayout::printSection(const QString& sSection)
{
    int16_t lastRow = 0;
    while (!report_->Cancel()) {
        const std::shared_ptr<Section>& named = d_.sections.at(sSection);
        // The lines of a file or body: nothing that runs before they are
        // written can add or remove a section, so the section is used where
        // the report holds it, without a count of its own taken and given
        // back for every row.
        if (!paged() && lines_ && emitAsLines(*named, TableFields::Refuse)) {
            events_.letThroughWhenDue();
            return;
        }
        const int tableIndex = firstTableField(*named);
        // The caller's handlers run from here on, at page breaks and between
        // the pieces of a table, and may remove the section.
        const std::shared_ptr<Section> section = named;
        if (paged() && !placingKept_ && lastRow == 0) {
            placeKeptSection(section.get());
            if (report_->Cancel())
                return;
            if (tableIndex == 0 && section->KeepWithNext() && section->SectionName() != footerSection_) {
                // It waits for the next section, which tells whether the two
                // share this page.
                KeptSection kept{section->SectionName(), {}};
                kept.values.reserve(static_cast<size_t>(section->FieldCount()));
                for (const auto& [name, field] : SectionPrivate::fieldsOf(*section))
                    kept.values.push_back(field->Value());
                kept_ = std::move(kept);
                return;
            }
        }
        if (tableIndex == 0) {
            emitSection(*section);
            events_.letThroughWhenDue();
            return;
        }
        const TablePiece piece =
            buildTableSection(*report_, *section, tableIndex, lastRow, measuringSurface(), paged());
        {
            const TemporarySection removeAfterwards(*report_, piece.sectionName);
            emitSection(*report_->Section(piece.sectionName));
            events_.letThroughWhenDue();
        }
        lastRow = piece.endRow;
        if (lastRow >= section->Field(tableIndex)->TableNumberRows())
            return;
    }
}

void SectionLayout::emitSection(Section& section)
{
    if (paged())
        emitOnPage(section);
    else
        emitAsLines(section, TableFields::Skip);
}

void SectionLayout::emitOnPage(Section& section)
{
    sectionTop_ = currentY_;
    if (!footerSection_.isEmpty() && section.SectionName() == footerSection_) {
        currentY_ = sectionTop_ = checked32(int64_t{report_->PageHeight()} - bottomReserve_);
    } else {
        if (int64_t{currentY_} + section.Height() > int64_t{report_->PageHeight()} - bottomReserve_)
            breakPage();
        sectionTop_ = currentY_;
    }
    // Shapes and pictures first, so that text lies over boxes.
    for (const bool shapes : {true, false}) {
        for (int index = 1; index <= section.FieldCount(); ++index)
            section.Field(index)->setPrinted(false);
        for (int index = 1; index <= section.FieldCount(); ++index) {
            const std::shared_ptr<Field> field = section.Field(index);
            if (isShape(*field) == shapes) {
                if (shapes)
                    drawShapeField(*field);
                else if (field->FieldType() != cFieldTable)
                    printTextField(*field);
            }
            field->setPrinted(true);
        }
    }
    currentY_ = checked32(int64_t{currentY_} + section.Height());
}

bool SectionLayout::emitAsLines(Section& section, TableFields tables)
{
    if (!lines_)
        return true;
    // Squares and pictures are never written; the text fields go from left
    // to right, the earlier one first where two start at the same place.
    // They are nearly always added in that order already, and are sorted
    // only when they are not.
    lineFields_.clear();
    bool inOrder = true;
    int32_t lastLeft = std::numeric_limits<int32_t>::min();
    for (const auto& [name, field] : SectionPrivate::fieldsOf(section)) {
        FieldPrivate& stored = FieldPrivate::of(*field);
        if (stored.type == cFieldTable && tables == TableFields::Refuse)
            return false;
        if (stored.type == cFieldSquare || stored.type == cFieldPicture || stored.type == cFieldTable)
            continue;
        inOrder = inOrder && stored.left >= lastLeft;
        lastLeft = stored.left;
        lineFields_.push_back(field.get());
    }
    if (!inOrder)
        std::stable_sort(lineFields_.begin(), lineFields_.end(), [](const Field* one, const Field* other) {
            return FieldPrivate::of(*one).left < FieldPrivate::of(*other).left;
        });
    for (const auto& [name, field] : SectionPrivate::fieldsOf(section))
        FieldPrivate::of(*field).printed = true;
    sectionTop_ = currentY_;
    // The report's own values, read straight: this runs for every line of
    // a file.
    if (!sectionLines_)
        sectionLines_.emplace(lines_->format(), d_.gridX, d_.gridY, d_.pageWidth);
    sectionLines_->setGrid(d_.gridX, d_.gridY, d_.pageWidth);
    sectionLines_->setHtmlValuesAreText(d_.htmlValuesAreText);
    const int32_t height = SectionPrivate::of(section).height;
    sectionLines_->begin(height);
    sectionLines_->writeValues(lineFields_, report_->PageCount());
    currentY_ = checked32(int64_t{currentY_} + height);
    lines_->writeSection(*sectionLines_);
    return true;
}

void SectionLayout::findFooterSection()
{
    footerSection_.clear();
    footerHeight_ = 0;
    for (int index = 1; index <= report_->SectionCount(); ++index) {
        const std::shared_ptr<Section> section = report_->Section(index);
        if (section->Footer()) {
            footerSection_ = section->SectionName();
            footerHeight_ = section->Height();
        }
    }
    bottomReserve_ = checked16(int64_t{bottomReserve_} + footerHeight_);
}

void SectionLayout::breakPage()
{
    if (!paged())
        return;
    printFooter(false);
    report_->setPageCount(checked16(int64_t{report_->PageCount()} + 1));
    pages_->ejectPage(static_cast<int16_t>(report_->PageCount() - 1));
    listener_.pageFinished(static_cast<int16_t>(report_->PageCount() - 1));
    // The window events go through at every page: the progress window's
    // page, its Cancel, the preview's pages.
    events_.letThrough();
    originX_ = report_->LeftMargin();
    currentY_ = sectionTop_ = report_->TopMargin();
    if (report_->PageCount() != 1 && d_.events)
        d_.events->NewPage();
    pageBodyTop_ = currentY_;
}

void SectionLayout::placeKeptSection(const Section* next)
{
    if (!kept_)
        return;
    KeptSection kept = std::move(*kept_);
    kept_.reset();
    if (report_->Cancel())
        return;
    const std::shared_ptr<Section> section = report_->Section(kept.name);
    const QScopedValueRollback placing(placingKept_, true);
    if (next) {
        const int64_t together = int64_t{section->Height()} + next->Height();
        const int64_t bottom = int64_t{report_->PageHeight()} - bottomReserve_;
        // A break helps only when something stands above on this page and
        // the two fit below a new page's heading; otherwise they are printed
        // as they come, and a pair taller than a page takes no break of its
        // own.
        if (currentY_ > pageBodyTop_ && currentY_ + together > bottom && pageBodyTop_ + together <= bottom)
            breakPage();
    }
    if (report_->Cancel())
        return;
    // The section is printed with the values it was given; the caller's new
    // ones come back afterwards, however the printing ends.
    auto& fields = SectionPrivate::fieldsOf(*section);
    const auto swapValues = [&] {
        size_t index = 0;
        for (const auto& [name, field] : fields) {
            if (index == kept.values.size())
                break;
            QString value = field->Value();
            field->setValue(kept.values[index]);
            kept.values[index++] = std::move(value);
        }
    };
    swapValues();
    const auto restore = qScopeGuard(swapValues);
    emitSection(*section);
}

void SectionLayout::printFooter(bool lastPage)
{
    if (report_->Cancel() || footerSection_.isEmpty())
        return;
    bool cancelFooter = false;
    if (d_.events)
        d_.events->PrintPageFooter(footerSection_, lastPage, cancelFooter);
    if (!cancelFooter)
        printSection(footerSection_);
}

void SectionLayout::printTextField(const Field& field)
{
    PageSurface& surface = pages_->surface();
    QString text = expandPlaceholder(field.Value(), report_->PageCount());
    surface.setTextStyle(styleOf(field));
    const double y = static_cast<double>(currentY_) + field.FieldTop();
    const double left = static_cast<double>(originX_) + field.FieldLeft();
    const Justifications justification = field.Justification();
    const bool aligned = justification == cJustificationRight || justification == cJustificationCentre;
    const TextAlignment alignment = justification == cJustificationRight ? TextAlignment::Right : TextAlignment::Centre;
    if (!field.LimitSize()) {
        const QString drawn = expandPlaceholder(text, report_->PageCount());
        if (aligned)
            surface.drawAlignedText(left, field.FieldWidth(), y, drawn, alignment, field.ForeColour());
        else
            surface.drawText(left, y, drawn, field.ForeColour());
        return;
    }
    const double width = surface.textWidth(text);
    double x = left;
    if (justification == cJustificationRight)
        x = left + field.FieldWidth() - width;
    else if (justification == cJustificationCentre)
        x = left + (field.FieldWidth() - width) / 2.0;
    // The text keeps the start the whole of it would have had.
    if (width > field.FieldWidth())
        text =
            limitToWidth([&surface](const QString& part) { return surface.textWidth(part); }, text, field.FieldWidth());
    surface.drawText(x, y, expandPlaceholder(text, report_->PageCount()), field.ForeColour());
}

void SectionLayout::drawShapeField(const Field& field)
{
    PageSurface& surface = pages_->surface();
    const int32_t top = checked32(int64_t{sectionTop_} + field.FieldTop());
    if (field.FieldType() == cFieldPicture) {
        const QString value = field.Value();
        if (value.isEmpty())
            return;
        const QString path = value.contains(u'/') || value.contains(u'\\') ? value : libraryFolder() + u'/' + value;
        const QImage picture(path);
        // A picture that is missing or unreadable is left out; the rest of
        // the page is still drawn.
        if (!picture.isNull())
            surface.drawImage(field.FieldLeft(), top, picture);
        return;
    }
    const int32_t left = checked32(int64_t{report_->LeftMargin()} + field.FieldLeft());
    if (field.FieldBox()) {
        surface.drawBox(boxOnPage(left, top, field.FieldWidth(), field.FieldHeight(), pages_->pageSize()),
                        field.ForeColour(), field.BackColour(), field.LineWidth());
    } else {
        surface.drawLine(left, top, checked32(int64_t{left} + field.FieldWidth()),
                         checked32(int64_t{top} + field.FieldHeight()), field.ForeColour(), field.LineWidth());
    }
}

void SectionLayout::splitOnPage(const Field& field, bool started, QString& sValue, QString& sRight)
{
    PageSurface& surface = measuringSurface();
    surface.setTextStyle(styleOf(field));
    double available = field.FieldWidth();
    if (!field.LimitSize()) {
        // Before the run has started the report holds no page size yet:
        // the room is that of the page the run will have.
        int32_t pageWidth = report_->PageWidth();
        int32_t left = originX_;
        if (!started) {
            pageWidth = report_->OutputTo() == cOutputToPrinter || report_->OutputTo() == cOutputToPDFFile
                ? pageSizeOfPrinter(report_->PrinterName(), report_->Orientation()).width()
                : defaultPageSize(report_->Orientation()).width();
            left = report_->LeftMargin();
        }
        available =
            static_cast<double>(pageWidth) - report_->RightMargin() - (static_cast<double>(left) + field.FieldLeft());
    }
    splitToWidth([&surface](const QString& text) { return surface.textWidth(text); }, available, sValue, sRight);
}

} // namespace quirepress::detail
