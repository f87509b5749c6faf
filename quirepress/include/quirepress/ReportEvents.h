// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Enums.h>
#include <quirepress/Export.h>

#include <QString>

namespace quirepress {

// What a report tells its caller while it runs. A caller registers one sink
// with Report::setEvents(); the events arrive on the caller's thread, inside
// the report's own operations.
class QUIREPRESS_EXPORT ReportEvents {
public:
    virtual ~ReportEvents();

    // A page other than the first has been started.
    virtual void NewPage() {}
    // The user asked the preview window to print; Cancel was reset first.
    // The run the caller starts here leaves the preview as it is. It is
    // called from the window's event handling: an exception that escapes
    // it is shown to the user as a message and drops the run it broke.
    virtual void PrintToPrinterButton() {}
    // A page is being closed and the report has a page-footer section named
    // `SectionName`; `LastPage` is true on the report's last page. Setting
    // `Cancel` keeps the footer from being printed.
    virtual void PrintPageFooter(const QString& SectionName, bool LastPage, bool& Cancel)
    {
        (void)SectionName;
        (void)LastPage;
        (void)Cancel;
    }
    // The run's result has reached its target for good: the printer job
    // was handed to the print system (`FileName` empty), or a file target's
    // file was written (`FileName` names it), or the preview's "Save as
    // PDF" wrote `FileName` (`Target` is cOutputToPDFFile). Not raised for
    // the preview window itself, for an e-mail hand-over, or for a run that
    // was cancelled or failed. What it throws reaches the caller of
    // EndReport; from the preview's "Save as PDF" it is shown in a message
    // and the preview stays open. (Added last, so that the events before it
    // keep their places.)
    virtual void Delivered(OutputOptions Target, const QString& FileName)
    {
        (void)Target;
        (void)FileName;
    }
};

} // namespace quirepress
