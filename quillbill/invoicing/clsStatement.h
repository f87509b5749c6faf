// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/AppContext.h"
#include "app/DocumentLanguage.h"

#include <quirepress/quirepress.h>

#include <QDate>
#include <QString>

#include <cstdint>

namespace quillbill {

// The statement of account driver: loads the layout Reports/statement.rdn
// and prints one customer's statement for a period: the balance brought
// forward, each invoice, credit note, payment and reversal with the balance
// after it, and the balance due at the end.
//
// The window that starts a statement keeps the driver for as long as its
// preview may be open: the preview's Print button runs it again.
class clsStatement final : public quirepress::ReportEvents {
public:
    // Both days are included.
    clsStatement(AppContext& app, int32_t customerId, const QDate& from, const QDate& to);
    ~clsStatement() override;
    clsStatement(const clsStatement&) = delete;
    clsStatement& operator=(const clsStatement&) = delete;

    // Where the statement goes; cOutputToUnknown lets the user choose.
    void setOutput(quirepress::OutputOptions value) { output_ = value; }
    // The file of a file target; a relative name is taken in the program
    // folder.
    void setOutputFile(const QString& value) { outputFile_ = value; }

    // Produces the statement. A missing layout file is told by the report
    // itself; any other failure is shown in a box titled
    // "clsStatement.PrintReport" and ends the run. True when the statement
    // was made and handed to its target.
    bool PrintReport();

    void NewPage() override;
    void PrintToPrinterButton() override;

private:
    // Prints every section and ends the report. Throws what the database or
    // the report throw.
    void printStatement();

    AppContext& app_;
    const int32_t customerId_;
    const QDate from_;
    const QDate to_;
    const DocumentLanguage words_;
    quirepress::OutputOptions output_ = quirepress::cOutputToUnknown;
    QString outputFile_;
    quirepress::Report report_;
};

} // namespace quillbill
