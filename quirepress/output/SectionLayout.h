// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PageSurface.h"
#include "output/EventPacer.h"
#include "output/SectionLines.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace quirepress {
class Field;
class Report;
class ReportPrivate;
class Section;
} // namespace quirepress

namespace quirepress::detail {

class LineTarget;
class MeasuringSurface;
class PageTarget;

// What the run does when a page is finished: it tells the progress window
// and the preview.
class PageFinishedListener {
public:
    virtual void pageFinished(int16_t pagesMade) = 0;

protected:
    ~PageFinishedListener() = default;
};

// Where a run's sections land: on the pages of a page target, with page
// breaks, the footer at the bottom, sections kept with the next one and
// tables split over pages; or as the lines of a file or e-mail body. The
// run opens the target and hands it over; the caller's handlers of a page
// break (NewPage, PrintPageFooter) may print sections in the middle of it.
class SectionLayout {
public:
    SectionLayout(Report& report, PageFinishedListener& listener);
    ~SectionLayout();
    SectionLayout(const SectionLayout&) = delete;
    SectionLayout& operator=(const SectionLayout&) = delete;
    // The report object now lives at `report` (it was moved).
    void moveTo(Report& report) { report_ = &report; }

    // A run starts on its target: `pages` or `lines`, either or neither
    // (a target that writes nowhere), which outlive the run's layout.
    void start(PageTarget* pages, LineTarget* lines);
    // Prints the section named `name` with its fields' current values.
    void printSection(const QString& name);
    // A page break now (targets with pages only).
    void newPage();
    // The run ends: a section waiting for the next is placed, the last
    // page's footer printed.
    void finish();
    // The run ends without its output: nothing waits to be placed.
    void drop() { kept_.reset(); }
    // The run let its targets go: nothing is laid out onto them any more.
    void detachTargets()
    {
        pages_ = nullptr;
        lines_ = nullptr;
    }

    // `sValue` cut to what fits on one line of `field` on a page; the rest
    // in `sRight`. `started` tells whether the run is under way, and so
    // whether the report holds its page's size yet.
    void splitOnPage(const Field& field, bool started, QString& sValue, QString& sRight);

    int32_t currentY() const { return currentY_; }
    // Lets the window events through (a run's start).
    void letEventsThrough() { events_.letThrough(); }

private:
    void findFooterSection();
    void emitSection(Section& section);
    void emitOnPage(Section& section);
    // What emitAsLines() does with a table field: leaves it out (a table's
    // pieces are sections of their own), or writes nothing of a section
    // that has one and tells so, for it to be written in pieces.
    enum class TableFields { Skip, Refuse };
    // Writes the section as lines of the file or body. False when it was
    // refused for a table field.
    bool emitAsLines(Section& section, TableFields tables);
    void breakPage();
    // Places the section that waits to be kept with the next (KeepWithNext):
    // before `next`, on a new page when the two do not fit together on this
    // one; with no `next` (the run ends, or the caller breaks the page) as it
    // comes. Nothing when none waits.
    void placeKeptSection(const Section* next);
    void printFooter(bool lastPage);
    void printTextField(const Field& field);
    void drawShapeField(const Field& field);
    PageSurface& measuringSurface();
    // The typeface of a field's text.
    static TextStyle styleOf(const Field& field);
    bool paged() const { return pages_ != nullptr; }

    // The report object; it changes when the report is moved, its private
    // part never does.
    Report* report_;
    ReportPrivate& d_;
    PageFinishedListener& listener_;

    PageTarget* pages_ = nullptr;
    LineTarget* lines_ = nullptr;
    int32_t originX_ = 0;
    int32_t currentY_ = 0;
    int32_t sectionTop_ = 0;
    int16_t bottomReserve_ = 0;
    QString footerSection_;
    int32_t footerHeight_ = 0;
    // Where the first section below a page's heading starts: a kept section
    // there gains nothing from a break.
    int32_t pageBodyTop_ = 0;
    // A section printed with KeepWithNext, not placed yet, and the values
    // its fields had then: the caller may fill them anew for the next one.
    struct KeptSection {
        QString name;
        std::vector<QString> values;
    };
    std::optional<KeptSection> kept_;
    // Set while a kept section is placed: what the page break's handlers
    // print then goes straight onto the page.
    bool placingKept_ = false;
    std::optional<SectionLines> sectionLines_;
    std::vector<const Field*> lineFields_;
    EventPacer events_;
    // Measures text for the targets that draw nothing.
    std::unique_ptr<MeasuringSurface> measuring_;
};

} // namespace quirepress::detail
