#include "invoicing/clsGroup.h"

#include "app/LayoutRun.h"
#include "app/ProgramReport.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/LayoutSections.h"
#include "invoicing/ReportRows.h"
#include "invoicing/WrappedText.h"

#include <QLocale>
#include <QObject>

namespace quillbill {

namespace {

const QString failureTitle = QStringLiteral("clsGroup.PrintReport");

} // namespace

clsGroup::clsGroup(AppContext& app) : app_(app), report_(newProgramReport(app.messages)) { report_.setEvents(this); }

clsGroup::~clsGroup() { report_.setEvents(nullptr); }

bool clsGroup::PrintReport()
{
    return runLayout(app_, report_, QStringLiteral("Reports/report.rdn"), failureTitle, output_, outputFile_, [this] {
        report_.setPrinterName(printerName_);
        // Called as its layout titles it, not after the layout's file.
        report_.setDocumentTitle(
            report_.Section(QStringLiteral("Header"))->Field(QStringLiteral("lblTitle"))->Default_Value());
        printGroups();
    });
}

void clsGroup::printGroups()
{
    report_.PrintSection(QStringLiteral("Header"));
    report_.PrintSection(QStringLiteral("PageHeader"));

    const ReportRows rows = ReportRows::read(app_.state.MainDatabase, app_.state.ReportSql);

    const auto groupHeader = report_.Section(QStringLiteral("groupheader"));
    const auto detail = report_.Section(QStringLiteral("detail"));
    const auto groupFooter = report_.Section(QStringLiteral("groupfooter"));
    const auto author = groupHeader->Field(QStringLiteral("author"));
    // A long description wraps in its column: the first line beside the
    // amount, each further one in "detailline".
    const WrappedColumn title(report_, QStringLiteral("detail"), QStringLiteral("Title"), QStringLiteral("detailline"));
    const auto year = detail->Field(QStringLiteral("Year"));
    const auto bookCount = groupFooter->Field(QStringLiteral("bookcount"));
    // A layout made before discounts were reported shows them as job lines.
    const auto discountSection = sectionIfAny(report_, QStringLiteral("discount"));

    QString currentCompany;
    int rowsInGroup = 0;
    // Stored sums are exact ten-thousandths; so is their total.
    Millionths total = 0;
    const auto closeGroup = [&] {
        bookCount->setValue(dollars(total, QLocale()));
        report_.PrintSection(QStringLiteral("groupfooter"));
        total = 0;
    };
    // An invoice counts at what its document bills before taxes: its
    // discount follows its jobs as a line of its own and comes off the
    // group's total.
    Millionths invoiceJobs = 0;
    const auto finishInvoice = [&](size_t lastRow) {
        const ReportRows::Invoice& invoice = rows.invoice(lastRow);
        if (invoice.discountPercent > 0) {
            const Millionths discount = discountOf(invoiceJobs, invoice.discountPercent);
            const QString label =
                (invoice.creditFor.isNull() ? QObject::tr("%1 on invoice %2") : QObject::tr("%1 on credit note %2"))
                    .arg(discountLabel(invoice.discountPercent), invoice.invoiceId.toString());
            const QString amount = deductionText(discount, QLocale());
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
            total -= discount;
        }
        invoiceJobs = 0;
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
        // A credit note's lines take back amounts of an invoice, and say so.
        const ReportRows::Invoice& invoice = rows.invoice(row);
        const QStringList lines =
            title.lines(invoice.creditFor.isNull() ? rows.description(row)
                                                   : QObject::tr("Credit note %1 for invoice %2: %3")
                                                         .arg(invoice.invoiceId.toString(),
                                                              invoice.creditFor.toString(), rows.description(row)));
        detail->Clear();
        title.field()->setValue(lines.first());
        year->setValue(dollars(amount, QLocale()));
        report_.PrintSection(QStringLiteral("detail"));
        title.printFurtherLines(lines);
        ++rowsInGroup;
        total += amount;
        invoiceJobs += amount;
    }
    if (rows.size() > 0)
        finishInvoice(rows.size() - 1);
    if (!currentCompany.isEmpty() && rowsInGroup != 0)
        closeGroup();
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
