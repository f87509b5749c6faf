// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/clsSimple.h"

#include "app/DocumentLanguage.h"
#include "app/LayoutRun.h"
#include "app/ProgramReport.h"
#include "common/OptionsStore.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/InvoiceRows.h"
#include "invoicing/LayoutSections.h"
#include "invoicing/WrappedText.h"

#include <QLocale>

namespace quillbill {

namespace {

const QString failureTitle = QStringLiteral("clsSimple.PrintReport");

void setValue(quirepress::Section& section, const char* field, const QString& value)
{
    section.Field(QLatin1String(field))->setValue(value);
}

// "Invoice 12 of Mar 1, 2026": the invoice a credit note corrects.
QString creditedInvoiceText(const InvoiceRows::CreditedInvoice& invoice, const DocumentLanguage& words)
{
    return invoice.date.isValid() ? words.translate("quillbill::Document", "Invoice %1 of %2")
                                        .arg(invoice.invoiceId)
                                        .arg(shortInvoiceDate(invoice.date, words.locale()))
                                  : words.translate("quillbill::Document", "Invoice %1").arg(invoice.invoiceId);
}

// Titles the header as a credit note's and names the invoice it corrects,
// where the layout has the fields.
void printCreditNoteTitle(quirepress::Section& header, const InvoiceRows::CreditedInvoice& invoice,
                          const DocumentLanguage& words)
{
    setIfAny(header, QStringLiteral("lblInvoiceTitle"), words.translate("quillbill::Document", "CREDIT NOTE"));
    setIfAny(header, QStringLiteral("lblInvoiceNo"), words.translate("quillbill::Document", "Credit Note No."));
    setIfAny(header, QStringLiteral("lblCreditFor"), words.translate("quillbill::Document", "CREDIT FOR"));
    setIfAny(header, QStringLiteral("CreditFor"), creditedInvoiceText(invoice, words));
}

} // namespace

clsSimple::clsSimple(AppContext& app, InvoiceSelection invoice)
    : app_(app),
      invoice_(invoice),
      words_(DocumentLanguage::chosen(app.options)),
      report_(newProgramReport(app.messages))
{
    report_.setEvents(this);
}

clsSimple::~clsSimple() { report_.setEvents(nullptr); }

bool clsSimple::PrintReport()
{
    return runLayout(app_, report_, words_.layout(app_.folder, QStringLiteral("simple.rdn")), failureTitle, output_,
                     outputFile_, [this] {
                         secondTaxRowRemoved_ = false;
                         balanceRowsRemoved_ = false;
                         printSections();
                     });
}

void clsSimple::printSections()
{
    shown_.reset();
    const InvoiceRows rows = readInvoiceRows(app_.state.MainDatabase, invoice_);
    const DocumentLanguage& words = words_;
    const QLocale locale = words.locale();
    const QString invoiceNumber = QString::number(invoice_.invoiceId);
    // The preview's caption, the PDF's title and its suggested file name.
    const bool creditNote = rows.creditFor.has_value();
    report_.setDocumentTitle((creditNote ? words.translate("quillbill::Document", "Credit Note %1 - %2")
                                         : words.translate("quillbill::Document", "Invoice %1 - %2"))
                                 .arg(invoiceNumber, rows.customerCompany));

    // The page footer is filled before the first section, so that every
    // page of a long invoice names it, not only the last one.
    const auto pageFooter = report_.Section(QStringLiteral("PageFooter"));
    setValue(*pageFooter, "TheDate", longInvoiceDate(rows.date, locale));
    setValue(*pageFooter, "txtInv", invoiceNumber);
    if (creditNote && fieldIfAny(*pageFooter, QLatin1String("lblInv")))
        setValue(*pageFooter, "lblInv", words.translate("quillbill::Document", "Credit note"));

    // Sections are named without regard to case; the layout names them
    // "Header" and "Detail".
    const auto header = report_.Section(QStringLiteral("header"));
    for (const InvoiceCompany& company : rows.companies) {
        header->Clear();
        setValue(*header, "PrintDate", shortInvoiceDate(rows.date, locale));
        setValue(*header, "MyCompany", company.name);
        setValue(*header, "MyAddress", company.address);
        setValue(*header, "MyAddress2", company.cityLine);
        setValue(*header, "Phone", company.phone);
        setValue(*header, "Cell", company.cell);
        setValue(*header, "Email", company.email);
        setValue(*header, "VendorNo", company.vendor);
        // Canadian invoices of $100 and more carry the seller's registration
        // numbers: each beside its tax's name, where the layout has room.
        const auto number = [&](const char* label, const char* field, const QString& taxName, const QString& value) {
            if (value.isEmpty() || !fieldIfAny(*header, QLatin1String(field)))
                return;
            setValue(*header, field, value);
            if (fieldIfAny(*header, QLatin1String(label)))
                setValue(*header, label, words.translate("quillbill::Document", "%1 No.").arg(taxName));
        };
        number("lblGSTNumber", "GSTNumber", words.taxName(rows.gstName), company.gstNumber);
        number("lblPSTNumber", "PSTNumber",
               rows.pstName.isEmpty() ? words.translate("quillbill::Document", "Provincial tax")
                                      : words.taxName(rows.pstName),
               company.pstNumber);
        setValue(*header, "InvoiceNo", invoiceNumber);
        // A later copy of an issued invoice says so, where the office wants
        // it; the run that issues it prints the original. A credit note is
        // issued when it is made, before any of its documents, so each is
        // titled as the original.
        if (creditNote)
            printCreditNoteTitle(*header, *rows.creditFor, words);
        else if (rows.issued && app_.options.number(OptionKey::markCopies, 0) != 0
                 && fieldIfAny(*header, QLatin1String("lblInvoiceTitle")))
            setValue(*header, "lblInvoiceTitle", words.translate("quillbill::Document", "INVOICE COPY"));
        setValue(*header, "BTCompany", rows.customerCompany);
        setValue(*header, "BTAddress", rows.customerAddress);
        setValue(*header, "BTAddress2", rows.customerCityLine);
        report_.PrintSection(QStringLiteral("Header"));
    }
    report_.PrintSection(QStringLiteral("PageHeader"));

    // A description wraps in its column: its first line beside the amount
    // in "Detail", each further line in "DetailLine" (or, in a layout
    // without it, in "Detail" with no amount), then "JobEnd" closes the job
    // when the layout has it.
    const auto detail = report_.Section(QStringLiteral("detail"));
    const WrappedColumn description(report_, QStringLiteral("Detail"), QStringLiteral("JobDescription"),
                                    QStringLiteral("DetailLine"));
    const auto jobEnd = sectionIfAny(report_, QStringLiteral("JobEnd"));
    // A layout without room in its header names the corrected invoice in
    // the first line under it.
    if (creditNote && !fieldIfAny(*header, QLatin1String("CreditFor"))) {
        detail->Clear();
        description.field()->setValue(
            words.translate("quillbill::Document", "Credit for: %1").arg(creditedInvoiceText(*rows.creditFor, words)));
        report_.PrintSection(QStringLiteral("Detail"));
    }
    Millionths sum = 0;
    for (const InvoiceJob& job : rows.jobs) {
        const QStringList lines = description.lines(job.description);
        detail->Clear();
        description.field()->setValue(lines.first());
        setValue(*detail, "Sums", dollars(fromTenThousandths(job.sums), locale));
        report_.PrintSection(QStringLiteral("Detail"));
        description.printFurtherLines(lines);
        if (jobEnd)
            report_.PrintSection(jobEnd->SectionName());
        sum += fromTenThousandths(job.sums);
    }

    const InvoiceTotals totals = invoiceTotals(sum, rows.discountPercent, rows.gst, rows.pst);
    // The discount is a line of its own under the jobs, which the total
    // below sums up. A layout made before discounts were printed has no
    // section for it, and shows it as a job line instead.
    if (rows.discountPercent > 0) {
        const QString label = discountLabel(rows.discountPercent, words);
        const QString amount = deductionText(totals.discount, locale);
        if (sectionIfAny(report_, QStringLiteral("Discount"))) {
            const auto discount = report_.Section(QStringLiteral("discount"));
            discount->Clear();
            setValue(*discount, "lblDiscount", label);
            setValue(*discount, "txtDiscount", amount);
            report_.PrintSection(QStringLiteral("Discount"));
        } else {
            detail->Clear();
            setValue(*detail, "JobDescription", label);
            setValue(*detail, "Sums", amount);
            report_.PrintSection(QStringLiteral("Detail"));
        }
    }

    const auto footer = report_.Section(QStringLiteral("ReportFooter"));
    footer->Clear();
    setValue(*footer, "txtTotal", dollars(totals.total, locale));
    // Each tax by its name and rate, "HST (13%)", where the layout labels
    // it; a second tax of no name and no rate, as in the HST provinces,
    // prints no line.
    const auto label = [&](const char* field, const QString& name, TaxRate rate) {
        if (fieldIfAny(*footer, QLatin1String(field)))
            setValue(*footer, field,
                     words.translate("quillbill::Document", "%1 (%2%)").arg(words.taxName(name), rate.text(locale)));
    };
    label("lblGST", rows.gstName, rows.gst);
    setValue(*footer, "txtGST", dollars(totals.gst, locale));
    if (rows.pst.thousandthsOfPercent != 0 || !rows.pstName.isEmpty()) {
        label("lblPST", rows.pstName, rows.pst);
        setValue(*footer, "txtPST", dollars(totals.pst, locale));
    } else if (const auto pstLabel = fieldIfAny(*footer, QStringLiteral("lblPST"))) {
        setValue(*footer, "lblPST", QString());
        const auto gstLabel = fieldIfAny(*footer, QStringLiteral("lblGST"));
        if (gstLabel && !secondTaxRowRemoved_) {
            removeRow(*footer, *gstLabel, *pstLabel);
            secondTaxRowRemoved_ = true;
        }
    }
    setValue(*footer, "txtGrandTotal", dollars(totals.grandTotal, locale));
    printBalance(*footer, rows, locale);
    report_.PrintSection(QStringLiteral("ReportFooter"));

    // Known before the run ends: ending it hands the pages to the printer,
    // which tells Delivered.
    shown_ = rows;
    report_.EndReport();
    app_.state.LastOutputTarget = static_cast<int16_t>(report_.OutputTo());
}

void clsSimple::printBalance(quirepress::Section& footer, const InvoiceRows& rows, const QLocale& locale)
{
    const auto paidLabel = fieldIfAny(footer, QStringLiteral("lblPaid"));
    const auto balanceLabel = fieldIfAny(footer, QStringLiteral("lblBalanceDue"));
    if (!paidLabel || !balanceLabel)
        return;
    if (rows.balance) {
        setValue(footer, "txtPaid", dollars(fromTenThousandths(rows.balance->paid.units()), locale));
        setValue(footer, "txtBalanceDue", dollars(fromTenThousandths(rows.balance->owed().units()), locale));
        return;
    }
    // Without payments the rows are taken out, so no blank lines are left
    // under the total; once per load, like the second tax's row.
    setValue(footer, "lblPaid", QString());
    setValue(footer, "lblBalanceDue", QString());
    const auto totalLabel = fieldIfAny(footer, QStringLiteral("lblGrandTotal"));
    if (totalLabel && !balanceRowsRemoved_) {
        removeRow(footer, *paidLabel, *balanceLabel);
        removeRow(footer, *totalLabel, *paidLabel);
        balanceRowsRemoved_ = true;
    }
}

void clsSimple::NewPage() { report_.PrintSection(QStringLiteral("PageHeader")); }

void clsSimple::Delivered(quirepress::OutputOptions Target, const QString&)
{
    if (!onDelivered_ || !shown_)
        return;
    if (Target == quirepress::cOutputToPrinter)
        onDelivered_(IssueRoute::Printed, *shown_);
    else if (Target == quirepress::cOutputToPDFFile)
        onDelivered_(IssueRoute::SavedAsPdf, *shown_);
}

// The preview's run is over; this one goes to the printer without loading
// the layout again. What fails here goes back to the report, which shows it.
void clsSimple::PrintToPrinterButton()
{
    report_.setOutputTo(quirepress::cOutputToPrinter);
    printSections();
}

} // namespace quillbill
