#pragma once

#include "app/AppContext.h"
#include "invoicing/BuildInvoiceData.h"

#include <quirepress/quirepress.h>

#include <QString>

namespace quillbill {

// The invoice document driver: loads the invoice layout Reports/simple.rdn,
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

    void NewPage() override;
    void PrintToPrinterButton() override;

private:
    // Fills and prints every section, ends the report and records its target
    // in the program's state. Throws what the database or the report throw.
    void printSections();

    // Whether the loaded layout's footer has had its second tax's row taken
    // out: once per load, since the print button lays out the same layout
    // again.
    bool secondTaxRowRemoved_ = false;

    AppContext& app_;
    const InvoiceSelection invoice_;
    quirepress::OutputOptions output_ = quirepress::cOutputToUnknown;
    QString outputFile_;
    quirepress::Report report_;
};

} // namespace quillbill
