#include "invoicing/clsGroup.h"

#include "app/FailureMessage.h"
#include "app/ProgramReport.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/LayoutSections.h"
#include "records/DatabaseError.h"

#include <QFileInfo>
#include <QLocale>
#include <QObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <stdexcept>

namespace quillbill {

namespace {

const QString failureTitle = QStringLiteral("clsGroup.PrintReport");

QString dollars(Millionths amount) { return u'$' + moneyText(amount, QLocale()); }

// The invoice whose jobs are being printed, and what they come to so far.
struct InvoiceUnderWay {
    QVariant customerId;
    QVariant invoiceId;
    int64_t discountPercent = 0;
    Millionths jobs = 0;
};

} // namespace

clsGroup::clsGroup(AppContext& app) : app_(app), report_(newProgramReport(app.messages)) { report_.setEvents(this); }

clsGroup::~clsGroup() { report_.setEvents(nullptr); }

bool clsGroup::PrintReport()
{
    bool loaded = false;
    const bool printed = runShowingDocumentFailure(app_.messages, failureTitle, [&] {
        loaded = report_.LoadReport(app_.path(QStringLiteral("Reports/report.rdn")));
        if (!loaded)
            return;
        report_.setOutputTo(output_);
        const QFileInfo file(outputFile_);
        report_.setOutputFilename(outputFile_.isEmpty() || file.isAbsolute() ? outputFile_ : app_.path(outputFile_));
        report_.setPrinterName(printerName_);
        printGroups();
    });
    if (printed)
        return loaded;
    // The run may be half made: the report closes its output and drops it.
    report_.setCancel(true);
    runShowingDocumentFailure(app_.messages, failureTitle, [this] { report_.EndReport(); });
    return false;
}

void clsGroup::printGroups()
{
    report_.PrintSection(QStringLiteral("Header"));
    report_.PrintSection(QStringLiteral("PageHeader"));

    const ReportStatement& statement = app_.state.ReportSql;
    QSqlQuery rows = app_.state.MainDatabase.execute(statement.sql, statement.values);
    const QSqlRecord columns = rows.record();
    const int company = columns.indexOf(QStringLiteral("Company"));
    const int description = columns.indexOf(QStringLiteral("JobDescription"));
    const int sums = columns.indexOf(QStringLiteral("Sums"));
    // Absent from a statement without the invoice's columns: no discounts.
    const int customerId = columns.indexOf(QStringLiteral("CustomerID"));
    const int invoiceId = columns.indexOf(QStringLiteral("InvoiceID"));
    const int discountPercent = columns.indexOf(QStringLiteral("Discount"));

    const auto groupHeader = report_.Section(QStringLiteral("groupheader"));
    const auto detail = report_.Section(QStringLiteral("detail"));
    const auto groupFooter = report_.Section(QStringLiteral("groupfooter"));
    const auto author = groupHeader->Field(QStringLiteral("author"));
    const auto title = detail->Field(QStringLiteral("Title"));
    const auto year = detail->Field(QStringLiteral("Year"));
    const auto bookCount = groupFooter->Field(QStringLiteral("bookcount"));
    // A layout made before discounts were reported shows them as job lines.
    const bool discountSection = hasSection(report_, QStringLiteral("discount"));

    QString currentCompany;
    int rowsInGroup = 0;
    // Stored sums are exact ten-thousandths; so is their total.
    Millionths total = 0;
    const auto closeGroup = [&] {
        bookCount->setValue(dollars(total));
        report_.PrintSection(QStringLiteral("groupfooter"));
        total = 0;
    };
    // An invoice counts at what its document bills before taxes: its
    // discount follows its jobs as a line of its own and comes off the
    // group's total.
    InvoiceUnderWay invoice;
    const auto finishInvoice = [&] {
        if (invoice.discountPercent > 0) {
            const Millionths discount = discountOf(invoice.jobs, invoice.discountPercent);
            const QString label = QObject::tr("%1 on invoice %2")
                                      .arg(discountLabel(invoice.discountPercent), invoice.invoiceId.toString());
            const QString amount = deductionText(discount, QLocale());
            if (discountSection) {
                const auto line = report_.Section(QStringLiteral("discount"));
                line->Clear();
                line->Field(QStringLiteral("lblDiscount"))->setValue(label);
                line->Field(QStringLiteral("txtDiscount"))->setValue(amount);
                report_.PrintSection(QStringLiteral("discount"));
            } else {
                detail->Clear();
                title->setValue(label);
                year->setValue(amount);
                report_.PrintSection(QStringLiteral("detail"));
            }
            total -= discount;
        }
        invoice = {};
    };
    const auto valueOf = [&rows](int column) { return column < 0 ? QVariant() : rows.value(column); };
    while (rows.next()) {
        // Before a new company closes the group the invoice belongs to.
        const QVariant rowCustomer = valueOf(customerId);
        const QVariant rowInvoice = valueOf(invoiceId);
        if (rowCustomer != invoice.customerId || rowInvoice != invoice.invoiceId) {
            finishInvoice();
            invoice.customerId = rowCustomer;
            invoice.invoiceId = rowInvoice;
            invoice.discountPercent = valueOf(discountPercent).toLongLong();
            if (invoice.discountPercent < 0 || invoice.discountPercent > largestDiscountPercent)
                throw std::runtime_error(QObject::tr("Invoice %1 of %2 has a discount of %3 per cent, which is not "
                                                     "from 0 to 100.")
                                             .arg(rowInvoice.toString(), rows.value(company).toString())
                                             .arg(invoice.discountPercent)
                                             .toStdString());
        }
        const QString rowCompany = rows.value(company).toString();
        if (rowCompany != currentCompany) {
            if (!currentCompany.isEmpty() && rowsInGroup != 0)
                closeGroup();
            author->setValue(rowCompany);
            report_.PrintSection(QStringLiteral("groupheader"));
            currentCompany = rowCompany;
            rowsInGroup = 0;
        }
        const Millionths amount = fromTenThousandths(rows.value(sums).toLongLong());
        detail->Clear();
        title->setValue(rows.value(description).toString());
        year->setValue(dollars(amount));
        report_.PrintSection(QStringLiteral("detail"));
        ++rowsInGroup;
        total += amount;
        invoice.jobs += amount;
    }
    // A read that fails part way ends the rows early; the report must not
    // pass for whole.
    if (rows.lastError().isValid())
        throw DatabaseError(rows.lastError().text());
    finishInvoice();
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
