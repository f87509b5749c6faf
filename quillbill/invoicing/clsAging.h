// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/AppContext.h"
#include "app/DocumentLanguage.h"

#include <quirepress/quirepress.h>

#include <QDate>
#include <QString>

namespace quillbill {

// The aging report driver: loads the layout Reports/aging.rdn and prints
// what each customer owed as of a day, split by days past the invoice
// date, with the totals of each age.
//
// The window that starts the report keeps the driver for as long as its
// preview may be open: the preview's Print button runs it again.
class clsAging final : public quirepress::ReportEvents {
public:
    clsAging(AppContext& app, const QDate& asOf);
    ~clsAging() override;
    clsAging(const clsAging&) = delete;
    clsAging& operator=(const clsAging&) = delete;

    // Where the report goes; cOutputToUnknown lets the user choose.
    void setOutput(quirepress::OutputOptions value) { output_ = value; }
    // The file of a file target; a relative name is taken in the program
    // folder.
    void setOutputFile(const QString& value) { outputFile_ = value; }

    // Produces the report. A missing layout file is told by the report
    // itself; any other failure is shown in a box titled
    // "clsAging.PrintReport" and ends the run. True when the report was made
    // and handed to its target.
    bool PrintReport();

    void NewPage() override;
    void PrintToPrinterButton() override;

private:
    // Prints every section and ends the report. Throws what the database or
    // the report throw.
    void printAging();

    AppContext& app_;
    const QDate asOf_;
    const DocumentLanguage words_;
    quirepress::OutputOptions output_ = quirepress::cOutputToUnknown;
    QString outputFile_;
    quirepress::Report report_;
};

} // namespace quillbill
