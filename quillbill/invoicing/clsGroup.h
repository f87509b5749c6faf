// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/AppContext.h"
#include "app/DocumentLanguage.h"
#include "records/invoices/InvoiceReportQuery.h"

#include <quirepress/quirepress.h>

#include <QString>

namespace quillbill {

// The invoice report driver: loads the layout Reports/report.rdn and prints
// the rows of the program's last report statement (AppState::ReportSql)
// grouped by company: a group heading, a line per job naming its invoice,
// and the group's totals before and with taxes, paid and still owed; the
// whole report's totals come last. A new group starts whenever the company
// differs from the previous row's, so the statement must bring each
// company's rows together.
//
// The window that starts a report keeps the driver for as long as its
// preview may be open: the preview's Print button runs it again.
class clsGroup final : public quirepress::ReportEvents {
public:
    explicit clsGroup(AppContext& app);
    ~clsGroup() override;
    clsGroup(const clsGroup&) = delete;
    clsGroup& operator=(const clsGroup&) = delete;

    // Where the report goes.
    quirepress::OutputOptions Output() const { return output_; }
    void setOutput(quirepress::OutputOptions value) { output_ = value; }
    // The file of a file target; a relative name is taken in the program
    // folder.
    QString OutputFile() const { return outputFile_; }
    void setOutputFile(const QString& value) { outputFile_ = value; }
    // Replaces the printer the layout names; empty is the default printer.
    QString PrinterName() const { return printerName_; }
    void setPrinterName(const QString& value) { printerName_ = value; }
    // What the statement was made of, for the report's heading to name;
    // `customerCompany` is the chosen customer's, if any.
    void setChoices(const InvoiceReportChoices& choices, const QString& customerCompany);

    // Produces the report. A missing layout file is told by the report
    // itself; any other failure is shown in a box titled
    // "clsGroup.PrintReport" and ends the report's run. True when the
    // report was made and handed to its target.
    bool PrintReport();

    quirepress::Report& report() { return report_; }

    void NewPage() override;
    void PrintToPrinterButton() override;
    // The layout's page footer prints on every page as it is.
    void PrintPageFooter(const QString& SectionName, bool LastPage, bool& Cancel) override;

private:
    // Prints every section of one pass over the rows and ends the report.
    // Throws what the database or the report throw.
    void printGroups();

    AppContext& app_;
    const DocumentLanguage words_;
    quirepress::OutputOptions output_ = quirepress::cOutputToUnknown;
    QString outputFile_;
    QString printerName_;
    QString choicesText_;
    // The layout's rows of a second tax are taken out once per load.
    bool secondTaxRowsRemoved_ = false;
    quirepress::Report report_;
};

} // namespace quillbill
