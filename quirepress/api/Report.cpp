// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include <quirepress/Error.h>
#include <quirepress/Report.h>

#include "api/ReportInternals.h"
#include "model/CDialog.h"
#include "model/LibraryFolder.h"
#include "model/PageImages.h"
#include "model/ProfileFile.h"
#include "model/ReportDefinition.h"
#include "model/Report_p.h"
#include "model/TextMeasure.h"
#include "output/ReportRun.h"
#include "windows/WidgetRunWindows.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace quirepress {

namespace {

// The product's name, the same in every language.
const QString messageTitle = QStringLiteral("Quirepress");
constexpr int32_t hideReadOnly = 4;
constexpr int32_t pathMustExist = 2048;
constexpr int32_t fileMustExist = 4096;

// A fresh dialog on the library's folder, as both definition dialogs open.
detail::CDialog definitionDialog(int32_t flags)
{
    detail::CDialog dialog;
    const QString folder = detail::libraryFolder();
    dialog.Filename = folder + QStringLiteral("/*.rdn");
    //: A file type in the list of the open and save dialogs
    dialog.setFilter(
        QStringLiteral("%1|*.rdn").arg(QCoreApplication::translate("quirepress::Report", "Report Definition")));
    dialog.FilterIndex = 1;
    dialog.InitDir = folder;
    dialog.flags = flags;
    return dialog;
}

// The report's private part with its run, which the model's part knows
// nothing of: made last and destroyed first, since a run refers to the rest.
struct ReportInternals final : ReportPrivate {
    std::unique_ptr<detail::ReportRun> run;
};

detail::ReportRun& runOf(const std::unique_ptr<ReportPrivate>& d) { return *static_cast<ReportInternals&>(*d).run; }

} // namespace

Report::Report(std::shared_ptr<MessageBoxes> messages) : d(std::make_unique<ReportInternals>())
{
    d->messages = messages ? std::move(messages) : dialogMessageBoxes();
    d->temporaryFolder = detail::privateTemporaryFolder(d->temporaryFolderMadeAnew);
    const QDateTime now = QDateTime::currentDateTime();
    // Reports made in the same second, in this program or another, would
    // share their page images: the process and a random number tell them
    // apart (not the object's address: a report can move, and another take
    // its old place).
    d->pageImageBaseName = detail::pageImageBaseName(now)
        + QStringLiteral("_%1_%2")
              .arg(QCoreApplication::applicationPid())
              .arg(QRandomGenerator::global()->generate(), 0, 16);
    static_cast<ReportInternals&>(*d).run =
        std::make_unique<detail::ReportRun>(*this, std::make_unique<detail::WidgetRunWindows>());
    if (!d->temporaryFolder.isEmpty())
        detail::deleteOtherDaysPageImages(d->temporaryFolder, now.date());
}

Report::~Report()
{
    // A report that was moved from has nothing left to release.
    if (!d)
        return;
    static_cast<ReportInternals&>(*d).run.reset();
    d->sections.clear();
    d->pageSpool.clear();
    if (d->temporaryFolderMadeAnew)
        detail::releaseTemporaryFolder(d->temporaryFolder);
}

Report::Report(Report&& other) noexcept : d(std::move(other.d))
{
    if (d)
        runOf(d).moveTo(*this);
}

Report& Report::operator=(Report&& other) noexcept
{
    if (this != &other) {
        Report released(std::move(*this));
        d = std::move(other.d);
        if (d)
            runOf(d).moveTo(*this);
    }
    return *this;
}

int32_t Report::PageHeight() const { return d->pageHeight; }
void Report::setPageHeight(int32_t value) { d->pageHeight = value; }
int32_t Report::PageWidth() const { return d->pageWidth; }
void Report::setPageWidth(int32_t value) { d->pageWidth = value; }
int16_t Report::PageCount() const { return d->pageCount; }
void Report::setPageCount(int16_t value) { d->pageCount = value; }
int16_t Report::TopMargin() const { return d->topMargin; }
void Report::setTopMargin(int16_t value) { d->topMargin = value; }
int16_t Report::BottomMargin() const { return d->bottomMargin; }
void Report::setBottomMargin(int16_t value) { d->bottomMargin = value; }
int16_t Report::LeftMargin() const { return d->leftMargin; }
void Report::setLeftMargin(int16_t value) { d->leftMargin = value; }
int16_t Report::RightMargin() const { return d->rightMargin; }
void Report::setRightMargin(int16_t value) { d->rightMargin = value; }
int32_t Report::Orientation() const { return d->orientation; }
void Report::setOrientation(int32_t value) { d->orientation = value; }
QString Report::ReportName() const { return d->reportName; }
void Report::setReportName(const QString& value) { d->reportName = value; }
QString Report::DocumentTitle() const { return d->documentTitle; }
void Report::setDocumentTitle(const QString& value) { d->documentTitle = value; }
int16_t Report::GridX() const { return d->gridX; }
void Report::setGridX(int16_t value) { d->gridX = value; }
int16_t Report::GridY() const { return d->gridY; }
void Report::setGridY(int16_t value) { d->gridY = value; }
QString Report::PrinterName() const { return d->printerName; }
void Report::setPrinterName(const QString& value) { d->printerName = value; }
QString Report::OutputFilename() const { return d->outputFilename; }
void Report::setOutputFilename(const QString& value) { d->outputFilename = value; }
bool Report::Cancel() const { return d->cancel; }
void Report::setCancel(bool value) { d->cancel = value; }
QString Report::EmailSubject() const { return d->emailSubject; }
void Report::setEmailSubject(const QString& value) { d->emailSubject = value; }
QString Report::EmailRecipient() const { return d->emailRecipient; }
void Report::setEmailRecipient(const QString& value) { d->emailRecipient = value; }
bool Report::FirstPageAtOnce() const { return d->firstPageAtOnce; }
void Report::setFirstPageAtOnce(bool value) { d->firstPageAtOnce = value; }

bool Report::HtmlValuesAreText() const { return d->htmlValuesAreText; }
void Report::setHtmlValuesAreText(bool value) { d->htmlValuesAreText = value; }
void Report::setOutputTo(OutputOptions value) { d->outputTo = value; }
OutputOptions Report::OutputTo() const { return d->outputTo; }
void Report::setEvents(ReportEvents* events) { d->events = events; }

std::shared_ptr<quirepress::Section> Report::AddSection(const QString& SectionName)
{
    QString used = SectionName;
    return AddSection(used);
}

std::shared_ptr<quirepress::Section> Report::AddSection(QString& SectionName)
{
    return d->addPageWideSection(SectionName);
}

std::shared_ptr<quirepress::Section> Report::Section(int vntIndexKey) const { return d->sections.at(vntIndexKey); }
std::shared_ptr<quirepress::Section> Report::Section(const QString& vntIndexKey) const
{
    return d->sections.at(vntIndexKey);
}
int32_t Report::SectionCount() const { return d->sections.count(); }
void Report::RemoveSection(int vntIndexKey)
{
    d->sections.remove(vntIndexKey);
    d->nextNameCounter.clear();
}
void Report::RemoveSection(const QString& vntIndexKey)
{
    d->sections.remove(vntIndexKey);
    d->nextNameCounter.clear();
}

void Report::PrintSection(const QString& sSection) { runOf(d).PrintSection(sSection); }
void Report::EndReport() { runOf(d).EndReport(); }
void Report::CloseWindow() { runOf(d).CloseWindow(); }
void Report::NewPage() { runOf(d).NewPage(); }
bool Report::CanExit() const { return runOf(d).CanExit(); }
void Report::SplitLine(const std::shared_ptr<quirepress::Field>& objField, QString& sValue, QString& sRight)
{
    if (!objField)
        throw Error(5, QStringLiteral("Quirepress.Report"),
                    QStringLiteral("Invalid procedure call or argument: no field"));
    runOf(d).SplitLine(*objField, sValue, sRight);
}

bool Report::SaveReport()
{
    if (d->reportName.isEmpty()) {
        detail::CDialog dialog = definitionDialog(hideReadOnly);
        if (!dialog.ShowSave())
            return false;
        d->reportName = dialog.Filename;
        if (QFileInfo::exists(d->reportName)
            && !d->messages->askYesNo(
                QCoreApplication::translate("quirepress::Report", "File exists.  Overwrite file?"), messageTitle)) {
            d->reportName.clear();
            return false;
        }
    }
    detail::ProfileWriter writer;
    detail::writeDefinition(*this, writer);
    writer.saveTo(d->reportName);
    return true;
}

bool Report::LoadReport() { return LoadReport(QString()); }

bool Report::LoadReport(const QString& sProvidedName)
{
    if (!sProvidedName.isEmpty()) {
        d->reportName = sProvidedName;
    } else {
        detail::CDialog dialog = definitionDialog(hideReadOnly | pathMustExist | fileMustExist);
        if (!dialog.ShowOpen())
            return false;
        d->reportName = dialog.Filename;
        if (!QFileInfo::exists(d->reportName))
            return false;
    }
    if (!QFileInfo(d->reportName).isFile()) {
        d->messages->inform(QCoreApplication::translate("quirepress::Report", "Report file not found"), messageTitle);
        return false;
    }
    const detail::ProfileReader reader = detail::ProfileReader::fromFile(d->reportName);
    detail::readDefinition(*this, reader);
    return true;
}

namespace detail {

ReportRun& runOf(Report& report) { return *static_cast<ReportInternals*>(ReportPrivate::of(report))->run; }

} // namespace detail

} // namespace quirepress
