// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Enums.h>
#include <quirepress/Export.h>
#include <quirepress/MessageBoxes.h>
#include <quirepress/ReportEvents.h>
#include <quirepress/Section.h>

#include <QString>

#include <cstdint>
#include <memory>

namespace quirepress {

class ReportPrivate;

// A report: page settings and an ordered collection of sections. A caller
// builds one, or loads it from a definition file, chooses where its output
// goes and then hands it values section by section.
//
// Creating a report deletes the page images that earlier days' reports left
// in the user's temporary folder; destroying it deletes its own.
//
// A report lives on the thread of the application object (the GUI thread)
// and is used from there only; its events arrive on that thread, inside its
// own calls. Windows (the output, file and print dialogs, the progress and
// preview windows, message boxes) appear only in a QApplication. In a
// program without one (a command-line tool, a server) the report opens
// none and what a window would have asked is Error 5: OutputTo, and for a
// file OutputFilename, must be set; the screen target cannot run, the
// printer only by PrinterName in a QGuiApplication, and a PDF file only in a
// QGuiApplication. Tables and text on pages are measured with fonts, so they
// need a QGuiApplication too.
// Failures throw quirepress::Error; the calls below say which can.
class QUIREPRESS_EXPORT Report {
public:
    // Message boxes go to `messages`; the real ones when none are given.
    explicit Report(std::shared_ptr<MessageBoxes> messages = dialogMessageBoxes());
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;
    // A report can be returned from a function or kept in a container; a
    // run under way, its preview window included, goes with it. A report
    // that was moved from may only be destroyed or assigned to.
    Report(Report&& other) noexcept;
    Report& operator=(Report&& other) noexcept;

    // Height and width of the output page, set by the output code.
    int32_t PageHeight() const;
    void setPageHeight(int32_t value);
    int32_t PageWidth() const;
    void setPageWidth(int32_t value);
    // The page being produced, from 1.
    int16_t PageCount() const;
    void setPageCount(int16_t value);
    // Page margins, in twips.
    int16_t TopMargin() const;
    void setTopMargin(int16_t value);
    int16_t BottomMargin() const;
    void setBottomMargin(int16_t value);
    int16_t LeftMargin() const;
    void setLeftMargin(int16_t value);
    int16_t RightMargin() const;
    void setRightMargin(int16_t value);
    // 1 portrait, 2 landscape, 0 not set.
    int32_t Orientation() const;
    void setOrientation(int32_t value);
    // The definition file the report was loaded from or saved to.
    QString ReportName() const;
    void setReportName(const QString& value);
    // What the document is called where people see it: the preview's
    // caption, the name "Save as PDF" suggests and the PDF's title
    // ("Invoice 42 - O'Brien & Sons"). Empty, the default, names it after
    // the definition file.
    QString DocumentTitle() const;
    void setDocumentTitle(const QString& value);
    // Width of a character column and height of a line in text output (120, 240).
    int16_t GridX() const;
    void setGridX(int16_t value);
    int16_t GridY() const;
    void setGridY(int16_t value);
    // The printer to use; empty for the default one. A PDF file gets that
    // printer's pages (the default printer's when it is not installed)
    // without printing anything.
    QString PrinterName() const;
    void setPrinterName(const QString& value);
    // The file a file target (text, HTML, CSV, PDF) writes. A run writes it
    // beside the name and puts it in place when the run ends, so that a run
    // that fails or is cancelled leaves a file of that name from before as
    // it was and no piece of its own; a failure to write is Error 75 naming
    // the file and the cause.
    QString OutputFilename() const;
    void setOutputFilename(const QString& value);
    // Set when the user cancels output.
    bool Cancel() const;
    void setCancel(bool value);

    // Writes the definition file named by ReportName, asking for a name when
    // there is none (the save dialog, then a Yes/No box before overwriting).
    // False when the user cancelled or declined to overwrite. Throws Error
    // when the file cannot be written or a value cannot be stored (a line
    // break, or more than 254 characters).
    bool SaveReport();
    // Reads a definition file, replacing every section. With no name, or an
    // empty one, the user chooses the file in the open dialog. False when
    // the user cancelled or the file does not exist ("Report file not found"
    // is shown). Throws Error for a file that cannot be read or holds a
    // value out of range or of the wrong kind, and Error 5, before reading
    // it, for a file over 16 MB (a definition takes a few hundred kilobytes
    // at most); the report then keeps its sections.
    bool LoadReport();
    bool LoadReport(const QString& sProvidedName);

    // Adds a section; never throws. A taken name (in any letter case) gets
    // "(1)", "(2)" ... appended; `SectionName` receives the name used.
    std::shared_ptr<quirepress::Section> AddSection(QString& SectionName);
    // The same for a name the caller keeps no variable for; the section's
    // SectionName() tells the name used.
    std::shared_ptr<quirepress::Section> AddSection(const QString& SectionName);
    // A section by its position from 1 (throws Error 9 outside) or its name
    // (throws Error 5 when there is none); removing one throws alike.
    std::shared_ptr<quirepress::Section> Section(int vntIndexKey) const;
    std::shared_ptr<quirepress::Section> Section(const QString& vntIndexKey) const;
    int32_t SectionCount() const;
    void RemoveSection(int vntIndexKey);
    void RemoveSection(const QString& vntIndexKey);

    // The output target, stored as given.
    void setOutputTo(OutputOptions value);
    OutputOptions OutputTo() const;

    // Emits the section named `sSection` with its fields' current values at
    // the current position, taking a page break first when it does not fit.
    // The first call of a run starts it: it may show the output dialog (no
    // target set), the save dialog (a file target without OutputFilename)
    // or the print dialog (no printer of that name), and the progress
    // window. Raises NewPage and PrintPageFooter, and lets window events
    // through. Does nothing once Cancel is set. Throws Error for an unknown
    // section, a file that cannot be written, a value out of range.
    void PrintSection(const QString& sSection);
    // Ends the run: the last page's footer, then the result goes to its
    // target: the preview window is shown, the printer job is sent, a PDF,
    // text, HTML or CSV file is opened with the desktop's program for it
    // (`xdg-open`, in a QApplication only), an e-mail is handed to the mail
    // program (`xdg-email`). A cancelled run is discarded and Cancel is
    // reset. Throws Error 53 when `xdg-open` cannot be started, 10000 when
    // no mail program takes the message, and as PrintSection does.
    void EndReport();
    // Closes the preview window, if one is open; the next PrintSection
    // starts a new run.
    void CloseWindow();
    // Takes a page break now, raising the events of a page break; nothing
    // for targets without pages. Throws as PrintSection does.
    void NewPage();
    // Cuts `sValue` to what fits on one line of `objField` in the current
    // target, or the target the run will have, and returns the rest in
    // `sRight` ("" when all fits). At least one character stays in `sValue`,
    // so a loop over the rest always ends. Throws Error 5 for no field.
    void SplitLine(const std::shared_ptr<quirepress::Field>& objField, QString& sValue, QString& sRight);
    // True when no preview window is open.
    bool CanExit() const;

    // Subject and recipient of the e-mail targets.
    QString EmailSubject() const;
    void setEmailSubject(const QString& value);
    QString EmailRecipient() const;
    void setEmailRecipient(const QString& value);

    // How the HTML targets (file and e-mail) write values. False, the
    // default, writes them as they are, so that a value may carry markup
    // such as "<B>"; true writes them as plain text with "<", ">", "&" and
    // quotes escaped, for values typed by people ("Smith & Sons").
    bool HtmlValuesAreText() const;
    void setHtmlValuesAreText(bool value);

    // Whether a run to the screen shows its preview as soon as its first
    // page is finished, and adds the pages as they are made, while the
    // caller goes on printing sections; Print and Save as PDF wait for
    // EndReport, and closing the window or the progress window's Cancel
    // cancels the run. False, the default, shows the preview at EndReport.
    bool FirstPageAtOnce() const;
    void setFirstPageAtOnce(bool value);

    // The one sink of the report's events; none by default. The report does
    // not own it. What a handler called from a window (the preview's Print
    // button) throws is caught, shown as "number - description" and ends
    // that run; what a handler throws inside PrintSection or EndReport
    // reaches their caller.
    void setEvents(ReportEvents* events);

private:
    friend class ReportPrivate;
    std::unique_ptr<ReportPrivate> d;
};

} // namespace quirepress
