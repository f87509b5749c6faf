#pragma once

#include "output/EventPacer.h"
#include "output/LineTarget.h"
#include "output/PageTarget.h"
#include "output/RunWindows.h"
#include "output/SectionLines.h"

#include <quirepress/Enums.h>

#include <QString>

#include <cstdint>
#include <functional>
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

class MeasuringSurface;

// One report's runs: from the first PrintSection to EndReport, the target,
// the position on the page, the footer and the progress window. The
// Report's output operations are carried out here; what it shows on the
// screen goes through `windows`.
class ReportRun {
public:
    ReportRun(Report& report, std::unique_ptr<RunWindows> windows);
    ~ReportRun();
    // The report object now lives at `report` (it was moved); the run and
    // its windows go on with it.
    void moveTo(Report& report);
    ReportRun(const ReportRun&) = delete;
    ReportRun& operator=(const ReportRun&) = delete;

    void PrintSection(const QString& sSection);
    void EndReport();
    void NewPage();
    void CloseWindow();
    bool CanExit() const;
    void SplitLine(const Field& field, QString& sValue, QString& sRight);

    // What the run has produced so far, for those who look inside.
    bool started() const { return started_; }
    int32_t currentY() const { return currentY_; }
    const QString& emailBody() const { return emailBody_; }
    ProgressWindow* progress() const { return progress_.get(); }
    PreviewWindow* preview() const { return preview_.get(); }

private:
    // The preview window (ReportPreview.cpp).
    void openPreview(QSize page);
    void showPreview();
    // A page of a screen run is finished: with FirstPageAtOnce the preview
    // shows the pages made so far.
    void showPagesMade(int16_t pagesMade);
    // Closes and drops the window; its pages are dropped when
    // `deleteImages`.
    void closePreview(bool deleteImages);
    void previewPrintPressed();
    // The preview's "Save as PDF": asks for a file and writes the shown
    // pages to it.
    void savePreviewAsPdf();
    void deletePageImages();
    // Runs what a window asked for (the preview's print button). Qt's event
    // loop cannot carry an exception through, so whatever `action` throws
    // stops here: the run it broke is dropped and the user is told.
    void fromWindow(const std::function<void()>& action);

    // Lifecycle (ReportRun.cpp).
    void startReport();
    bool chooseTarget();
    bool openPageTarget(OutputOptions target);
    bool openPrinter();
    bool openPdfFile();
    bool openLineTarget(OutputOptions target);
    // The output file of a file target is named, by the user when the
    // report names none. False when the user declined to name one.
    bool prepareOutputFile(OutputOptions target);
    bool chooseOutputFile(OutputOptions target);
    // The name of a print job: the report file's name.
    QString documentName() const;
    // What people see the document called: its title, else documentName.
    QString documentTitle() const;
    void showProgress();
    void closeProgress();
    void restoreCursor();
    // Drops the run without delivering anything: the printer job is
    // cancelled, the run's own preview closed with its pages.
    void abandonRun();
    void deliver(OutputOptions target);
    void handOverEmail(OutputOptions target);
    // Raises ReportEvents::Delivered.
    void tellDelivered(OutputOptions target, const QString& fileName);

    // Layout (SectionLayout.cpp).
    void findFooterSection();
    void emitSection(Section& section);
    void emitOnPage(Section& section);
    void emitAsLines(Section& section);
    void breakPage();
    // Places the section that waits to be kept with the next (KeepWithNext):
    // before `next`, on a new page when the two do not fit together on this
    // one; with no `next` (the run ends, or the caller breaks the page) as it
    // comes. Nothing when none waits.
    void placeKeptSection(const Section* next);
    void printFooter(bool lastPage);
    void printTextField(const Field& field);
    void drawShapeField(const Field& field);
    void splitOnPage(const Field& field, QString& sValue, QString& sRight);
    PageSurface& measuringSurface();
    // The typeface of a field's text.
    static TextStyle styleOf(const Field& field);
    bool paged() const;

    // The report object; it changes when the report is moved, its private
    // part never does.
    Report* report_;
    ReportPrivate& d_;

    bool started_ = false;
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
    bool waitCursor_ = false;
    // The run being made draws into the preview window; a run that the
    // preview's print button started does not, and leaves it as it is.
    bool previewRun_ = false;
    // The preview was shown before the run's end (FirstPageAtOnce), and the
    // run goes on.
    bool previewShowing_ = false;

    std::unique_ptr<PageTarget> pages_;
    std::unique_ptr<LineTarget> lines_;
    std::optional<SectionLines> sectionLines_;
    std::vector<Field*> lineFields_;
    EventPacer events_;
    QString emailBody_;
    std::unique_ptr<RunWindows> windows_;
    std::unique_ptr<ProgressWindow> progress_;
    // While the window itself is closing it lets go of itself later.
    std::unique_ptr<PreviewWindow> preview_;
    // Measures text for the targets that draw nothing.
    std::unique_ptr<MeasuringSurface> measuring_;
};

} // namespace quirepress::detail
