// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The preview window of the screen target: made hidden when a run starts,
// shown with the kept pages when it ends, and dropped with its pages when it
// closes.

#include "model/CDialog.h"
#include "model/Report_p.h"
#include "output/PdfPages.h"
#include "output/ReportRun.h"

#include <quirepress/Error.h>
#include <quirepress/Report.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quirepress::detail {

namespace {

// The report's name as a file name in the folder last saved to, or in the
// user's documents the first time.
QString suggestedPdfPath(const QString& lastFolder, const QString& reportName)
{
    QString folder = lastFolder;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString name = reportName.trimmed();
    name.replace(u'/', u'-');
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(QStringLiteral("Report"));
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

} // namespace

void ReportRun::openPreview(QSize page)
{
    // A new screen run draws pages of the same names: an earlier window
    // would show them half made.
    closePreview(true);
    preview_ = windows_->makePreview();
    //: The preview window's caption; %1 is the report's definition file
    const QString caption = QCoreApplication::translate("quirepress::detail::frmDisplay", "Quirepress Display - %1")
                                .arg(report_->ReportName());
    preview_->setTitle(report_->DocumentTitle().isEmpty() ? caption : report_->DocumentTitle());
    // The spool belongs to the report's private part, which outlives the
    // window (and does not move when the report does).
    const PageSpool& pages = d_.pageSpool;
    preview_->setPages([&pages](int number) { return pages.page(number); }, page);
    preview_->onPrint = [this] { fromWindow([this] { previewPrintPressed(); }); };
    preview_->onSavePdf = [this] { savePreviewAsPdf(); };
    previewShowing_ = false;
    preview_->onClosed = [this] {
        // The window is in its own close event: it goes once that is over.
        preview_.release()->disposeLater();
        if (previewShowing_) {
            // Closed while its pages are still being made: that cancels the
            // run, whose end drops the pages.
            previewShowing_ = false;
            report_->setCancel(true);
            return;
        }
        deletePageImages();
        started_ = false;
    };
}

void ReportRun::showPreview()
{
    preview_->showFirstPage(report_->PageCount());
    // A window shown beside a modal one could not be used until that one
    // closes; the caller is told instead.
    if (windows_->modalWindowOpen()) {
        d_.messages->inform(
            QCoreApplication::translate("quirepress::detail::ReportRun",
                                        "Cant show report output because the calling form is a modal form."),
            QStringLiteral("Quirepress"));
        return;
    }
    preview_->bringForward();
}

void ReportRun::showPagesMade(int16_t pagesMade)
{
    if (!previewRun_ || !preview_ || !d_.firstPageAtOnce)
        return;
    if (previewShowing_) {
        preview_->showPagesSoFar(pagesMade);
        return;
    }
    // Beside a modal window it could not be used: it waits for the end,
    // where the caller is told.
    if (windows_->modalWindowOpen())
        return;
    previewShowing_ = true;
    preview_->showPagesSoFar(pagesMade);
    preview_->bringForward();
    // The progress window's Cancel stays in front of the pages.
    if (progress_ && progress_->isShowing())
        progress_->appear();
}

void ReportRun::closePreview(bool deleteImages)
{
    if (!preview_)
        return;
    // Its handlers go with it: nothing it does now reaches the run.
    const std::unique_ptr<PreviewWindow> window = std::move(preview_);
    previewShowing_ = false;
    window->onPrint = nullptr;
    window->onSavePdf = nullptr;
    window->onClosed = nullptr;
    if (deleteImages)
        deletePageImages();
}

void ReportRun::previewPrintPressed()
{
    report_->setCancel(false);
    started_ = false;
    // The preview's run is over; the caller now starts a run of its own,
    // which neither reshows nor closes the preview, whatever becomes of it.
    previewRun_ = false;
    dropTargets();
    if (d_.events)
        d_.events->PrintToPrinterButton();
}

void ReportRun::savePreviewAsPdf()
{
    // The pages are written as they are shown: the report does not run
    // again, and its caller hears only that the file was written. A failure
    // is the user's to know, and leaves the preview as it was.
    CDialog dialog;
    //: A file type in the list of the save dialog
    dialog.setFilter(
        QStringLiteral("%1|*.pdf").arg(QCoreApplication::translate("quirepress::detail::ReportRun", "PDF files")));
    dialog.DefaultExt = QStringLiteral("pdf");
    dialog.Filename = suggestedPdfPath(d_.lastPdfFolder, documentTitle());
    if (!dialog.ShowSave())
        return;
    const QString path = dialog.Filename;
    d_.lastPdfFolder = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(path)
        && !d_.messages->askYesNo(
            QCoreApplication::translate("quirepress::detail::ReportRun", "File exists.  Overwrite file?"),
            QStringLiteral("Quirepress")))
        return;
    try {
        writePagesAsPdf(d_.pageSpool, documentTitle(), path);
    } catch (const Error& error) {
        d_.messages->inform(QStringLiteral("%1 - %2").arg(error.number()).arg(error.description()),
                            QStringLiteral("Quirepress"));
        return;
    }
    // What the caller's handler throws is shown; the preview stays.
    try {
        tellDelivered(cOutputToPDFFile, path);
    } catch (const Error& error) {
        d_.messages->inform(QStringLiteral("%1 - %2").arg(error.number()).arg(error.description()),
                            error.source().isEmpty() ? QStringLiteral("Quirepress") : error.source());
    } catch (const std::exception& error) {
        d_.messages->inform(QString::fromLocal8Bit(error.what()), QStringLiteral("Quirepress"));
    }
}

void ReportRun::deletePageImages() { d_.pageSpool.clear(); }

void ReportRun::fromWindow(const std::function<void()>& action)
{
    QString text;
    QString title = QStringLiteral("Quirepress");
    try {
        action();
        return;
    } catch (const Error& error) {
        text = QStringLiteral("%1 - %2").arg(error.number()).arg(error.description());
        if (!error.source().isEmpty())
            title = error.source();
    } catch (const std::exception& error) {
        text = QString::fromLocal8Bit(error.what());
    } catch (...) {
        text = QCoreApplication::translate("quirepress::detail::ReportRun",
                                           "The report stopped on an error of unknown kind.");
    }
    abandonRun();
    d_.messages->inform(text, title);
}

} // namespace quirepress::detail
