// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/clsGroup.h"

#include "app/DocumentLanguage.h"
#include "app/LayoutRun.h"
#include "app/ProgramReport.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/LayoutSections.h"
#include "invoicing/ReportAmounts.h"
#include "invoicing/ReportRows.h"
#include "invoicing/WrappedText.h"
#include "records/invoices/CreditedTotals.h"

#include <QLocale>
#include <QStringList>

#include <optional>

namespace quillbill {

namespace {

const QString failureTitle = QStringLiteral("clsGroup.PrintReport");

// The fields of a totals section, the group's or the report's.
struct TotalsFields {
    const char* amount;
    const char* gstLabel;
    const char* gst;
    const char* pstLabel;
    const char* pst;
    const char* grandTotal;
    const char* paid;
    const char* balance;
};

constexpr TotalsFields groupTotals{"bookcount",   "lblGroupGST",        "txtGroupGST",  "lblGroupPST",
                                   "txtGroupPST", "txtGroupGrandTotal", "txtGroupPaid", "txtGroupBalance"};
constexpr TotalsFields reportTotals{"txtReportAmount", "lblReportGST",        "txtReportGST",  "lblReportPST",
                                    "txtReportPST",    "txtReportGrandTotal", "txtReportPaid", "txtReportBalance"};

// The second tax's row is left blank when the report has none.
void fillTotals(const quirepress::Section& section, const TotalsFields& fields, const ReportAmounts& amounts,
                bool secondTax, const QLocale& locale)
{
    setIfAny(section, fields.amount, dollars(amounts.amount, locale));
    setIfAny(section, fields.gst, dollars(amounts.gst, locale));
    if (secondTax)
        setIfAny(section, fields.pst, dollars(amounts.pst, locale));
    setIfAny(section, fields.grandTotal, dollars(amounts.grandTotal, locale));
    setIfAny(section, fields.paid, dollars(amounts.paid, locale));
    setIfAny(section, fields.balance, dollars(amounts.balance, locale));
}

// Labels the taxes' rows by the names the invoices give them: "HST", or
// "HST/GST" when the report holds both. A report without a second tax on
// any invoice (the HST provinces) loses its row.
void labelTaxes(quirepress::Section& section, const TotalsFields& fields, const QString& gstLabel,
                const std::optional<QString>& pstLabel, bool removeRows)
{
    setIfAny(section, fields.gstLabel, gstLabel);
    if (pstLabel) {
        setIfAny(section, fields.pstLabel, *pstLabel);
        return;
    }
    const auto above = fieldIfAny(section, QLatin1String(fields.gstLabel));
    const auto row = fieldIfAny(section, QLatin1String(fields.pstLabel));
    if (!above || !row)
        return;
    setIfAny(section, fields.pstLabel, QString());
    setIfAny(section, fields.pst, QString());
    if (removeRows)
        removeRow(section, *above, *row);
}

// "Feb 1, 2026 to Feb 28, 2026 · All customers · All invoices".
QString choicesTextOf(const InvoiceReportChoices& choices, const QString& customerCompany,
                      const DocumentLanguage& words)
{
    const QLocale locale = words.locale();
    const QString period = choices.from == choices.to
        ? shortInvoiceDate(choices.from, locale)
        : words.translate("quillbill::Document", "%1 to %2")
              .arg(shortInvoiceDate(choices.from, locale), shortInvoiceDate(choices.to, locale));
    const QString customer =
        choices.customerId ? customerCompany : words.translate("quillbill::Document", "All customers");
    QString paid;
    switch (choices.paid) {
    case PaidFilter::Paid:
        paid = words.translate("quillbill::Document", "Invoices paid in full");
        break;
    case PaidFilter::NotPaid:
        paid = words.translate("quillbill::Document", "Invoices with a balance due");
        break;
    case PaidFilter::Both:
        paid = words.translate("quillbill::Document", "All invoices");
        break;
    }
    return QStringLiteral("%1 \u00b7 %2 \u00b7 %3").arg(period, customer, paid);
}

// The names of a tax on the report's invoices, as the document's language
// writes them: "HST/GST".
QString taxNames(const QStringList& names, const DocumentLanguage& words)
{
    QStringList written;
    for (const QString& name : names)
        if (const QString word = words.taxName(name); !written.contains(word))
            written << word;
    return written.join(u'/');
}

} // namespace

clsGroup::clsGroup(AppContext& app)
    : app_(app), words_(DocumentLanguage::chosen(app.options)), report_(newProgramReport(app.messages))
{
    report_.setEvents(this);
}

clsGroup::~clsGroup() { report_.setEvents(nullptr); }

void clsGroup::setChoices(const InvoiceReportChoices& choices, const QString& customerCompany)
{
    choicesText_ = choicesTextOf(choices, customerCompany, words_);
}

bool clsGroup::PrintReport()
{
    return runLayout(
        app_, report_, words_.layout(app_.folder, QStringLiteral("report.rdn")), failureTitle, output_, outputFile_,
        [this] {
            secondTaxRowsRemoved_ = false;
            report_.setPrinterName(printerName_);
            // Called as its layout titles it, not after the layout's file.
            report_.setDocumentTitle(
                report_.Section(QStringLiteral("Header"))->Field(QStringLiteral("lblTitle"))->Default_Value());
            printGroups();
        });
}

void clsGroup::printGroups()
{
    // The heading names the choices; a layout of the office's own without
    // a line for them has them under its title.
    const auto header = report_.Section(QStringLiteral("Header"));
    if (!choicesText_.isEmpty())
        setIfAny(*header, fieldIfAny(*header, QStringLiteral("lblChoices")) ? "lblChoices" : "lblSubtitle",
                 choicesText_);
    report_.PrintSection(QStringLiteral("Header"));
    report_.PrintSection(QStringLiteral("PageHeader"));

    const ReportRows rows = ReportRows::read(app_.state.MainDatabase, app_.state.ReportSql);
    const DocumentLanguage& words = words_;
    const QLocale locale = words.locale();

    // Every invoice's amounts first: the taxes' labels, and whether the
    // second tax has a row, depend on the whole report.
    const ReportTotals totals = reportTotalsOf(rows, creditedTotals(app_.state.MainDatabase));
    const QString gstLabel = totals.gstNames.isEmpty() ? words.translate("quillbill::Document", "Federal tax")
                                                       : taxNames(totals.gstNames, words);
    const std::optional<QString> pstLabel = !totals.secondTax ? std::nullopt
        : totals.pstNames.isEmpty() ? std::optional(words.translate("quillbill::Document", "Provincial tax"))
                                    : std::optional(taxNames(totals.pstNames, words));

    const auto groupHeader = report_.Section(QStringLiteral("groupheader"));
    const auto detail = report_.Section(QStringLiteral("detail"));
    const auto groupFooter = report_.Section(QStringLiteral("groupfooter"));
    const auto reportFooter = sectionIfAny(report_, QStringLiteral("reportfooter"));
    labelTaxes(*groupFooter, groupTotals, gstLabel, pstLabel, !secondTaxRowsRemoved_);
    if (reportFooter)
        labelTaxes(*reportFooter, reportTotals, gstLabel, pstLabel, !secondTaxRowsRemoved_);
    secondTaxRowsRemoved_ = secondTaxRowsRemoved_ || !pstLabel;

    const auto author = groupHeader->Field(QStringLiteral("author"));
    // A long description wraps in its column: the first line beside the
    // amount, each further one in "detailline".
    const WrappedColumn title(report_, QStringLiteral("detail"), QStringLiteral("Title"), QStringLiteral("detailline"));
    const auto year = detail->Field(QStringLiteral("Year"));
    const auto invoiceNumber = fieldIfAny(*detail, QStringLiteral("InvoiceNo"));
    const auto invoiceDate = fieldIfAny(*detail, QStringLiteral("InvoiceDate"));
    // A layout made before discounts were reported shows them as job lines.
    const auto discountSection = sectionIfAny(report_, QStringLiteral("discount"));

    // A layout of the office's own without the invoice's columns names the
    // invoice before the description.
    const auto describe = [&](size_t row) {
        const ReportRows::Invoice& invoice = rows.invoice(row);
        const QString job =
            rows.hasJob(row) ? rows.description(row) : words.translate("quillbill::Document", "No jobs");
        const QString what = invoice.creditFor.isNull()
            ? job
            : words.translate("quillbill::Document", "Credit note %1 for invoice %2: %3")
                  .arg(invoice.invoiceId.toString(), invoice.creditFor.toString(), job);
        if ((invoiceNumber && invoiceDate) || invoice.invoiceId.isNull() || !invoice.creditFor.isNull())
            return what;
        return words.translate("quillbill::Document", "Invoice %1 of %2: %3")
            .arg(invoice.invoiceId.toString(), shortInvoiceDate(invoice.date, locale), what);
    };

    QString currentCompany;
    int rowsInGroup = 0;
    ReportAmounts group;
    const auto closeGroup = [&] {
        fillTotals(*groupFooter, groupTotals, group, pstLabel.has_value(), locale);
        report_.PrintSection(QStringLiteral("groupfooter"));
        group = {};
    };
    // An invoice counts at what its document bills: its discount follows
    // its jobs as a line of its own, and its amounts join the group's.
    const auto finishInvoice = [&](size_t lastRow) {
        const ReportRows::Invoice& invoice = rows.invoice(lastRow);
        const ReportAmounts& amounts = totals.invoices[rows.invoiceIndex(lastRow)];
        if (invoice.discountPercent > 0) {
            const Millionths discount = amounts.discount;
            const QString label =
                (invoice.creditFor.isNull() ? words.translate("quillbill::Document", "%1 on invoice %2")
                                            : words.translate("quillbill::Document", "%1 on credit note %2"))
                    .arg(discountLabel(invoice.discountPercent, words), invoice.invoiceId.toString());
            const QString amount = deductionText(discount, locale);
            if (discountSection) {
                discountSection->Clear();
                discountSection->Field(QStringLiteral("lblDiscount"))->setValue(label);
                discountSection->Field(QStringLiteral("txtDiscount"))->setValue(amount);
                report_.PrintSection(discountSection->SectionName());
            } else {
                detail->Clear();
                title.field()->setValue(label);
                year->setValue(amount);
                report_.PrintSection(QStringLiteral("detail"));
            }
        }
        group += amounts;
    };
    for (size_t row = 0; row < rows.size(); ++row) {
        // Before a new company closes the group the invoice belongs to.
        if (row > 0 && rows.invoiceIndex(row) != rows.invoiceIndex(row - 1))
            finishInvoice(row - 1);
        const QString& rowCompany = rows.company(row);
        if (rowCompany != currentCompany) {
            if (!currentCompany.isEmpty() && rowsInGroup != 0)
                closeGroup();
            author->setValue(rowCompany);
            report_.PrintSection(QStringLiteral("groupheader"));
            currentCompany = rowCompany;
            rowsInGroup = 0;
        }
        const Millionths amount = fromTenThousandths(rows.tenThousandths(row));
        const ReportRows::Invoice& invoice = rows.invoice(row);
        const QStringList lines = title.lines(describe(row));
        detail->Clear();
        if (invoiceNumber && invoiceDate) {
            invoiceNumber->setValue(invoice.invoiceId.toString());
            invoiceDate->setValue(invoice.date.isValid() ? shortInvoiceDate(invoice.date, locale) : QString());
        }
        title.field()->setValue(lines.first());
        year->setValue(dollars(amount, locale));
        report_.PrintSection(QStringLiteral("detail"));
        title.printFurtherLines(lines);
        ++rowsInGroup;
    }
    if (rows.size() > 0)
        finishInvoice(rows.size() - 1);
    if (!currentCompany.isEmpty() && rowsInGroup != 0)
        closeGroup();
    if (reportFooter && rows.size() > 0) {
        fillTotals(*reportFooter, reportTotals, totals.wholeReport, pstLabel.has_value(), locale);
        report_.PrintSection(reportFooter->SectionName());
    }
    report_.EndReport();
}

void clsGroup::NewPage() { report_.PrintSection(QStringLiteral("PageHeader")); }

// The preview's run is over; this one goes to the printer without loading
// the layout again. What fails here goes back to the report, which shows it.
void clsGroup::PrintToPrinterButton()
{
    report_.setOutputTo(quirepress::cOutputToPrinter);
    printGroups();
}

void clsGroup::PrintPageFooter(const QString&, bool, bool&) {}

} // namespace quillbill
