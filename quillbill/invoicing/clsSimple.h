// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/AppContext.h"
#include "app/DocumentLanguage.h"
#include "invoicing/BuildInvoiceData.h"
#include "invoicing/InvoiceRows.h"
#include "records/invoices/IssuedInvoices.h"

#include <quirepress/quirepress.h>

#include <QString>

#include <functional>
#include <optional>
#include <utility>

namespace quillbill {

// The invoice document driver: loads the invoice layout Reports/simple.rdn
// (Reports/fr/simple.rdn in French),
// fills its sections from the database for the one invoice it was made for
// and hands them to the report in order. It listens to its report: a new
// page gets the page header, and the preview's Print button makes the whole
// document again on the printer.
//
// The window that starts a document keeps the driver for as long as its
// preview may be open.
class clsSimple final : public quirepress::ReportEvents {
public:
    clsSimple(AppContext& app, InvoiceSelection invoice);
    ~clsSimple() override;
    clsSimple(const clsSimple&) = delete;
    clsSimple& operator=(const clsSimple&) = delete;

    // Where the document goes.
    quirepress::OutputOptions Output() const { return output_; }
    void setOutput(quirepress::OutputOptions value) { output_ = value; }
    // The file of a file target; a relative name is taken in the program
    // folder, where the e-mail window looks for it.
    QString OutputFile() const { return outputFile_; }
    void setOutputFile(const QString& value) { outputFile_ = value; }

    // Produces the document. A missing layout file is told by the report
    // itself; any other failure is shown in a box titled
    // "clsSimple.PrintReport" and ends the report's run. True when the
    // document was made and handed to its target.
    bool PrintReport();

    quirepress::Report& report() { return report_; }

    // What the last run printed of the invoice; null before one.
    const InvoiceRows* shown() const { return shown_ ? &*shown_ : nullptr; }
    // Called when a run's pages reach the printer or the preview saves them
    // as a PDF file: the invoice has left the office as `shown()`.
    void setOnDelivered(std::function<void(IssueRoute, const InvoiceContent&)> handler)
    {
        onDelivered_ = std::move(handler);
    }

    void NewPage() override;
    void PrintToPrinterButton() override;
    void Delivered(quirepress::OutputOptions Target, const QString& FileName) override;

private:
    // Fills and prints every section, ends the report and records its target
    // in the program's state. Throws what the database or the report throw.
    void printSections();

    // Whether the loaded layout's footer has had its second tax's row taken
    // out: once per load, since the print button lays out the same layout
    // again.
    bool secondTaxRowRemoved_ = false;
    // The same for the rows of what was paid and what is owed.
    bool balanceRowsRemoved_ = false;
    // Fills those rows for an invoice with payments, or takes them out.
    void printBalance(quirepress::Section& footer, const InvoiceRows& rows, const QLocale& locale);

    std::optional<InvoiceRows> shown_;
    std::function<void(IssueRoute, const InvoiceContent&)> onDelivered_;

    AppContext& app_;
    const InvoiceSelection invoice_;
    // Chosen when the document is made: its print from the preview is the
    // same document.
    const DocumentLanguage words_;
    quirepress::OutputOptions output_ = quirepress::cOutputToUnknown;
    QString outputFile_;
    quirepress::Report report_;
};

} // namespace quillbill
