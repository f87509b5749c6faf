// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The life of a run: StartReport, EndReport, CloseWindow and CanExit, and
// what each target does at the start and at the end.

#include "output/ReportRun.h"
#include "model/ApplicationKind.h"

#include "drawing/PainterSurface.h"
#include "model/CDialog.h"
#include "model/PageImages.h"
#include "model/Report_p.h"
#include "model/TextMeasure.h"
#include "output/DetachedProgram.h"
#include "output/MailHandOver.h"
#include "output/OutputChoice.h"
#include "output/PdfTarget.h"
#include "output/PrinterChoice.h"
#include "output/PrinterTarget.h"
#include "output/ReportSettings.h"
#include "output/ScreenTarget.h"
#include "output/SplitLine.h"

#include <quirepress/Error.h>
#include <quirepress/Report.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace quirepress::detail {

namespace {

const QStringList htmlHead{QStringLiteral("<HTML>"), QStringLiteral("<BODY>")};
const QStringList htmlTail{QStringLiteral("</BODY>"), QStringLiteral("</HTML>")};
constexpr int32_t hideReadOnly = 4;

// Shows a finished file with the program the desktop associates with it.
void openWithDesktop(const QString& path)
{
    if (!startDetachedProgram(QStringLiteral("xdg-open"), {path}))
        throw Error(53, QStringLiteral("Quirepress.Output"),
                    QStringLiteral("File not found: xdg-open, to show %1").arg(path));
}

// A program without widgets (a command-line tool, a server) has no windows
// to show: no dialogs, no progress and no preview. What a window would have
// asked for is then the caller's to give.
[[noreturn]] void noWindowFor(const QString& what)
{
    throw Error(5, QStringLiteral("Quirepress.Output"),
                QStringLiteral("Invalid procedure call or argument: %1, and a program without windows cannot ask the "
                               "user.")
                    .arg(what));
}

} // namespace

QString ReportRun::documentTitle() const
{
    return report_->DocumentTitle().isEmpty() ? documentName() : report_->DocumentTitle();
}

QString ReportRun::documentName() const
{
    const QString name = QFileInfo(report_->ReportName()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Quirepress report") : name;
}

ReportRun::ReportRun(Report& report, std::unique_ptr<RunWindows> windows)
    : report_(&report), d_(*ReportPrivate::of(report)), windows_(std::move(windows)), layout_(report, *this)
{}

void ReportRun::moveTo(Report& report)
{
    report_ = &report;
    layout_.moveTo(report);
    if (progress_)
        progress_->follow(&report);
}

ReportRun::~ReportRun() = default;

void ReportRun::dropTargets()
{
    layout_.detachTargets();
    pages_.reset();
    lines_.reset();
}

void ReportRun::startReport()
{
    report_->setPageCount(1);
    previewRun_ = false;
    if (report_->OutputTo() == cOutputToUnknown && !chooseTarget()) {
        report_->setCancel(true);
        return;
    }
    const OutputOptions target = report_->OutputTo();
    dropTargets();
    std::string().swap(emailBody_);
    const bool opened = hasPages(target) ? openPageTarget(target) : openLineTarget(target);
    if (!opened) {
        report_->setCancel(true);
        return;
    }
    showProgress();
    started_ = true;
    layout_.start(pages_.get(), lines_.get());
}

void ReportRun::PrintSection(const QString& sSection)
{
    if (report_->Cancel())
        return;
    if (!started_) {
        startReport();
        if (report_->Cancel())
            return;
        layout_.letEventsThrough();
        if (report_->Cancel())
            return;
    }
    layout_.printSection(sSection);
}

void ReportRun::pageFinished(int16_t pagesMade)
{
    if (progress_ && progress_->isShowing())
        progress_->showPage(pagesMade + 1);
    showPagesMade(pagesMade);
}

bool ReportRun::chooseTarget()
{
    if (!windowsAvailable())
        noWindowFor(QStringLiteral("the report has no target (OutputTo is cOutputToUnknown)"));
    restoreCursor();
    const std::optional<OutputChoice> choice = windows_->chooseTarget(report_->ReportName());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursor_ = true;
    if (!choice)
        return false;
    report_->setOutputTo(targetFor(*choice));
    return true;
}

bool ReportRun::openPageTarget(OutputOptions target)
{
    if (target == cOutputToPrinter)
        return openPrinter();
    if (target == cOutputToPDFFile)
        return openPdfFile();
    if (!windowsAvailable())
        noWindowFor(QStringLiteral("the screen target shows its pages in a window"));
    // Looked at again: the folder may have gone since the report was made.
    const QString temporaryFolder = d_.writableTemporaryFolder();
    const QSize page = defaultPageSize(report_->Orientation());
    d_.pageSpool.start(pageSpoolPath(temporaryFolder, d_.pageImageBaseName), page);
    auto screen = std::make_unique<ScreenTarget>(page, d_.pageSpool);
    report_->setPageHeight(screen->pageSize().height());
    report_->setPageWidth(screen->pageSize().width());
    openPreview(screen->pageSize());
    pages_ = std::move(screen);
    previewRun_ = true;
    return true;
}

bool ReportRun::openPrinter()
{
    if (!fontsAvailable())
        noWindowFor(QStringLiteral("the printer target draws pages, which needs a QGuiApplication"));
    QString printerName = report_->PrinterName();
    std::unique_ptr<PrintJob> job = choosePrinter(printerName, report_->Orientation(), documentName());
    if (!job)
        return false;
    report_->setPrinterName(printerName);
    auto paper = std::make_unique<PrinterTarget>(std::move(job));
    report_->setPageHeight(paper->pageSize().height());
    report_->setPageWidth(paper->pageSize().width());
    pages_ = std::move(paper);
    return true;
}

bool ReportRun::openPdfFile()
{
    if (!fontsAvailable())
        noWindowFor(QStringLiteral("the PDF file target draws pages, which needs a QGuiApplication"));
    if (!prepareOutputFile(cOutputToPDFFile))
        return false;
    // The pages the printer would print, without asking for or needing one.
    const QSize page = pageSizeOfPrinter(report_->PrinterName(), report_->Orientation());
    QString title = report_->DocumentTitle();
    if (title.isEmpty())
        title = QFileInfo(report_->ReportName()).completeBaseName();
    if (title.isEmpty())
        title = QFileInfo(report_->OutputFilename()).completeBaseName();
    auto pdf = std::make_unique<PdfTarget>(report_->OutputFilename(), page, title);
    report_->setPageHeight(pdf->pageSize().height());
    report_->setPageWidth(pdf->pageSize().width());
    pages_ = std::move(pdf);
    return true;
}

bool ReportRun::openLineTarget(OutputOptions target)
{
    if (isFileTarget(target) && !prepareOutputFile(target))
        return false;
    // A target value outside the known ones writes nowhere.
    if (isFileTarget(target) || isEmailTarget(target))
        lines_ = std::make_unique<LineTarget>(target, report_->OutputFilename(), emailBody_);
    report_->setPageHeight(0);
    int32_t widest = 0;
    for (int index = 1; index <= report_->SectionCount(); ++index)
        widest = std::max(widest, report_->Section(index)->Width());
    report_->setPageWidth(widest);
    if (lines_ && lines_->format() == LineFormat::Html)
        lines_->writeLines(htmlHead);
    return true;
}

bool ReportRun::prepareOutputFile(OutputOptions target)
{
    // A file of that name from before is replaced only once the run has
    // written its own whole (WholeFile).
    return !report_->OutputFilename().isEmpty() || chooseOutputFile(target);
}

bool ReportRun::chooseOutputFile(OutputOptions target)
{
    if (!windowsAvailable())
        noWindowFor(QStringLiteral("the report has no OutputFilename"));
    ReportSettings settings(report_->ReportName());
    CDialog dialog;
    dialog.flags = hideReadOnly;
    const QString extension = extensionFor(target);
    if (!report_->ReportName().isEmpty())
        dialog.Filename = settings.readFileName(extension);
    if (target == cOutputToPDFFile) {
        //: A file type in the list of the save dialog
        dialog.setFilter(
            QStringLiteral("%1|*.pdf").arg(QCoreApplication::translate("quirepress::detail::ReportRun", "PDF files")));
        dialog.DefaultExt = extension;
        // The last output file may be a text or HTML file of the report:
        // offered as it is, a PDF would be written over it.
        const QFileInfo last(dialog.Filename);
        if (!dialog.Filename.isEmpty() && last.suffix().compare(extension, Qt::CaseInsensitive) != 0)
            dialog.Filename = last.path() + u'/' + last.completeBaseName() + u'.' + extension;
    }
    if (!dialog.ShowSave())
        return false;
    report_->setOutputFilename(dialog.Filename);
    settings.writeFileName(dialog.Filename);
    return true;
}

void ReportRun::showProgress()
{
    if (!windowsAvailable())
        return;
    if (!progress_)
        progress_ = windows_->makeProgress();
    progress_->follow(report_);
    progress_->showPage(1);
    progress_->appear();
}

void ReportRun::closeProgress()
{
    if (progress_)
        progress_->disappear();
}

void ReportRun::restoreCursor()
{
    if (waitCursor_) {
        QApplication::restoreOverrideCursor();
        waitCursor_ = false;
    }
}

void ReportRun::EndReport()
{
    layout_.finish();
    closeProgress();
    restoreCursor();
    if (report_->Cancel()) {
        abandonRun();
        return;
    }
    if (started_)
        deliver(report_->OutputTo());
}

void ReportRun::abandonRun()
{
    closeProgress();
    restoreCursor();
    report_->setCancel(false);
    if (pages_)
        pages_->cancel();
    if (lines_)
        lines_->cancel();
    if (previewRun_)
        closePreview(true);
    // Nothing of a cancelled run is kept: the next section starts anew.
    layout_.drop();
    started_ = false;
}

void ReportRun::deliver(OutputOptions target)
{
    if (pages_) {
        pages_->finish(report_->PageCount());
        if (previewRun_ && preview_ && previewShowing_) {
            previewShowing_ = false;
            preview_->pagesComplete(report_->PageCount());
        } else if (previewRun_ && preview_) {
            showPreview();
        }
        if (target == cOutputToPrinter)
            tellDelivered(target, QString());
        if (target == cOutputToPDFFile) {
            tellDelivered(target, report_->OutputFilename());
            // A program without windows only writes the file.
            if (windowsAvailable())
                openWithDesktop(report_->OutputFilename());
        }
        return;
    }
    if (!lines_)
        return;
    if (lines_->format() == LineFormat::Html)
        lines_->writeLines(htmlTail);
    lines_->finish();
    if (isFileTarget(target))
        tellDelivered(target, report_->OutputFilename());
    // Nor is a file opened in an editor by a program that shows no windows.
    if (isFileTarget(target) && !windowsAvailable())
        return;
    switch (target) {
    case cOutputToTextFile:
    case cOutputToCSVFile:
        openWithDesktop(report_->OutputFilename());
        break;
    case cOutputToHTMLFile:
        if (QFileInfo::exists(report_->OutputFilename()))
            openWithDesktop(report_->OutputFilename());
        break;
    case cOutputToEmailText:
    case cOutputToEmailHTML:
    case cOutputToEmailCSV:
        handOverEmail(target);
        break;
    default:
        break;
    }
}

void ReportRun::tellDelivered(OutputOptions target, const QString& fileName)
{
    if (d_.events)
        d_.events->Delivered(target, fileName);
}

void ReportRun::handOverEmail(OutputOptions target)
{
    MailMessage message;
    message.recipient = report_->EmailRecipient();
    message.subject = mailSubject(report_->ReportName(), report_->EmailSubject());
    const QString body = QString::fromUtf8(emailBody_.data(), static_cast<qsizetype>(emailBody_.size()));
    if (target == cOutputToEmailHTML)
        message.htmlBody = body;
    else
        message.plainBody = body;
    // A failed hand-over keeps the body for another try.
    SendEmail(message, target == cOutputToEmailHTML ? d_.writableTemporaryFolder() : QString());
    std::string().swap(emailBody_);
}

void ReportRun::NewPage() { layout_.newPage(); }

void ReportRun::CloseWindow()
{
    closePreview(true);
    layout_.drop();
    started_ = false;
}

bool ReportRun::CanExit() const { return preview_ == nullptr; }

void ReportRun::SplitLine(const Field& field, QString& sValue, QString& sRight)
{
    switch (report_->OutputTo()) {
    case cOutputToScreen:
    case cOutputToPrinter:
    case cOutputToPDFFile:
        layout_.splitOnPage(field, started_, sValue, sRight);
        break;
    case cOutputToTextFile:
    case cOutputToEmailText:
        splitToColumns(field, report_->GridX(), sValue, sRight);
        break;
    case cOutputToHTMLFile:
    case cOutputToEmailHTML:
        splitAtLineBreak(sValue, sRight);
        break;
    default:
        sRight.clear();
        break;
    }
}

} // namespace quirepress::detail
