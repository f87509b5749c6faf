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
// in the user's own temporary folder; destroying it deletes its own.
//
// In a program without a QApplication (a command-line tool, a server) no
// window is shown: OutputTo, and for a file OutputFilename, must be set;
// the screen target cannot run, and the printer only by PrinterName with a
// QGuiApplication.
class QUIREPRESS_EXPORT Report {
public:
    // Message boxes go to `messages`; the real ones when none are given.
    explicit Report(std::shared_ptr<MessageBoxes> messages = dialogMessageBoxes());
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

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
    // Width of a character column and height of a line in text output (120, 240).
    int16_t GridX() const;
    void setGridX(int16_t value);
    int16_t GridY() const;
    void setGridY(int16_t value);
    // The printer to use; empty for the default one.
    QString PrinterName() const;
    void setPrinterName(const QString& value);
    // The file a file target writes.
    QString OutputFilename() const;
    void setOutputFilename(const QString& value);
    // Set when the user cancels output.
    bool Cancel() const;
    void setCancel(bool value);

    // Writes the definition file named by ReportName, asking for a name when
    // there is none. False when the user cancelled or declined to overwrite;
    // other failures throw Error.
    bool SaveReport();
    // Reads a definition file, replacing every section. With no name, or an
    // empty one, the user chooses the file. False when the user cancelled or
    // the file does not exist; other failures throw Error.
    bool LoadReport();
    bool LoadReport(const QString& sProvidedName);

    // Adds a section. A taken name (in any letter case) gets "(1)", "(2)" ...
    // appended; `SectionName` receives the name used.
    std::shared_ptr<quirepress::Section> AddSection(QString& SectionName);
    // The same for a name the caller keeps no variable for; the section's
    // SectionName() tells the name used.
    std::shared_ptr<quirepress::Section> AddSection(const QString& SectionName);
    // A section by its position from 1 (Error 9 outside) or its name (Error 5
    // when there is none).
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
    // The first call of a run starts it, asking for the target when none is
    // set. Does nothing once Cancel is set.
    void PrintSection(const QString& sSection);
    // Ends the run: the last page's footer, then the result goes to its
    // target. A cancelled run is discarded and Cancel is reset.
    void EndReport();
    // Closes the preview window, if one is open; the next PrintSection
    // starts a new run.
    void CloseWindow();
    // Takes a page break now; nothing for targets without pages.
    void NewPage();
    // Cuts `sValue` to what fits on one line of `objField` in the current
    // target and returns the rest in `sRight` ("" when all fits).
    void SplitLine(const std::shared_ptr<quirepress::Field>& objField, QString& sValue, QString& sRight);
    // True when no preview window is open.
    bool CanExit() const;

    // Subject and recipient of the e-mail targets.
    QString EmailSubject() const;
    void setEmailSubject(const QString& value);
    QString EmailRecipient() const;
    void setEmailRecipient(const QString& value);

    // The one sink of the report's events; none by default. The report does
    // not own it.
    void setEvents(ReportEvents* events);

private:
    friend class ReportPrivate;
    std::unique_ptr<ReportPrivate> d;
};

} // namespace quirepress
