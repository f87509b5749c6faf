// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PageTarget.h"
#include "output/LineTarget.h"
#include "output/RunWindows.h"
#include "output/SectionLayout.h"

#include <quirepress/Enums.h>

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quirepress {
class Field;
class Report;
class ReportPrivate;
class Section;
} // namespace quirepress

namespace quirepress::detail {

// One report's runs, from the first PrintSection to EndReport: the target
// chosen and opened, the progress window and the preview, and what is
// delivered at the end. The sections are laid out by its SectionLayout;
// what it shows on the screen goes through `windows`.
class ReportRun final : private PageFinishedListener {
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
    int32_t currentY() const { return layout_.currentY(); }
    QString emailBody() const
    {
        return QString::fromUtf8(emailBody_.data(), static_cast<qsizetype>(emailBody_.size()));
    }
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

    // The run's part of a page break (PageFinishedListener).
    void pageFinished(int16_t pagesMade) override;
    // Lets the targets go, the layout's hold on them first.
    void dropTargets();

    // The report object; it changes when the report is moved, its private
    // part never does.
    Report* report_;
    ReportPrivate& d_;

    bool started_ = false;
    bool waitCursor_ = false;
    // The run being made draws into the preview window; a run that the
    // preview's print button started does not, and leaves it as it is.
    bool previewRun_ = false;
    // The preview was shown before the run's end (FirstPageAtOnce), and the
    // run goes on.
    bool previewShowing_ = false;

    std::unique_ptr<PageTarget> pages_;
    std::unique_ptr<LineTarget> lines_;
    // The e-mail body, in UTF-8 as its lines are made; a QString once, when
    // it is handed over.
    std::string emailBody_;
    std::unique_ptr<RunWindows> windows_;
    std::unique_ptr<ProgressWindow> progress_;
    // While the window itself is closing it lets go of itself later.
    std::unique_ptr<PreviewWindow> preview_;
    // Declared last: it lays out onto the targets above.
    SectionLayout layout_;
};

} // namespace quirepress::detail
