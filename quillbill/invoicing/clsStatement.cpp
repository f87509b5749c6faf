#include "invoicing/clsStatement.h"

#include "app/LayoutRun.h"
#include "app/ProgramReport.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/InvoiceRows.h"
#include "invoicing/PaymentText.h"
#include "records/invoices/AccountStatement.h"

#include <QLocale>
#include <QObject>

namespace quillbill {

namespace {

const QString failureTitle = QStringLiteral("clsStatement.PrintReport");

void setValue(quirepress::Section& section, const char* field, const QString& value)
{
    section.Field(QLatin1String(field))->setValue(value);
}

QString documentText(const StatementLine& line)
{
    switch (line.kind) {
    case StatementLine::Kind::Invoice:
        return QObject::tr("Invoice %1").arg(line.invoiceId);
    case StatementLine::Kind::CreditNote:
        return QObject::tr("Credit note %1 for invoice %2").arg(line.invoiceId).arg(line.creditFor.value_or(0));
    case StatementLine::Kind::Payment:
        return QObject::tr("Payment, %1, invoice %2").arg(paymentMethodName(line.method).toLower()).arg(line.invoiceId);
    case StatementLine::Kind::Reversal:
        return QObject::tr("Payment reversed, invoice %1").arg(line.invoiceId);
    }
    return {};
}

QString money(Money amount, const QLocale& locale) { return dollars(fromTenThousandths(amount.units()), locale); }

} // namespace

clsStatement::clsStatement(AppContext& app, int32_t customerId, const QDate& from, const QDate& to)
    : app_(app), customerId_(customerId), from_(from), to_(to), report_(newProgramReport(app.messages))
{
    report_.setEvents(this);
}

clsStatement::~clsStatement() { report_.setEvents(nullptr); }

bool clsStatement::PrintReport()
{
    return runLayout(app_, report_, QStringLiteral("Reports/statement.rdn"), failureTitle, output_, outputFile_,
                     [this] { printStatement(); });
}

void clsStatement::printStatement()
{
    const Database& database = app_.state.MainDatabase;
    const KeptHeader header = currentHeader(database, customerId_);
    const AccountStatement statement = accountStatement(database, customerId_, from_, to_);
    const QLocale locale;
    report_.setDocumentTitle(QObject::tr("Statement - %1").arg(header.customerCompany));

    const auto pageFooter = report_.Section(QStringLiteral("PageFooter"));
    setValue(
        *pageFooter, "PrintedOn",
        QObject::tr("Statement of %1, %2").arg(header.customerCompany, longInvoiceDate(QDate::currentDate(), locale)));

    const auto top = report_.Section(QStringLiteral("Header"));
    top->Clear();
    if (!header.companies.empty()) {
        setValue(*top, "MyCompany", header.companies.front().name);
        setValue(*top, "MyAddress", header.companies.front().address);
        setValue(*top, "MyAddress2", header.companies.front().cityLine);
    }
    setValue(*top, "Period",
             QObject::tr("%1 to %2").arg(shortInvoiceDate(from_, locale), shortInvoiceDate(to_, locale)));
    setValue(*top, "StatementDate", shortInvoiceDate(QDate::currentDate(), locale));
    setValue(*top, "Customer", header.customerCompany);
    setValue(*top, "CustomerAddress", header.customerAddress);
    setValue(*top, "CustomerCity", header.customerCityLine);
    report_.PrintSection(QStringLiteral("Header"));
    report_.PrintSection(QStringLiteral("PageHeader"));

    const auto detail = report_.Section(QStringLiteral("Detail"));
    detail->Clear();
    setValue(*detail, "TheDate", shortInvoiceDate(from_, locale));
    setValue(*detail, "Document", QObject::tr("Balance brought forward"));
    setValue(*detail, "Balance", money(statement.opening, locale));
    report_.PrintSection(QStringLiteral("Detail"));
    for (const StatementLine& line : statement.lines) {
        detail->Clear();
        setValue(*detail, "TheDate", shortInvoiceDate(line.date, locale));
        setValue(*detail, "Document", documentText(line));
        if (line.amount.units() >= 0)
            setValue(*detail, "Charge", money(line.amount, locale));
        else
            setValue(*detail, "Credit", money(Money::fromUnits(-line.amount.units()), locale));
        setValue(*detail, "Balance", money(line.balance, locale));
        report_.PrintSection(QStringLiteral("Detail"));
    }

    const auto footer = report_.Section(QStringLiteral("ReportFooter"));
    footer->Clear();
    setValue(*footer, "Closing", money(statement.closing, locale));
    report_.PrintSection(QStringLiteral("ReportFooter"));
    report_.EndReport();
    app_.state.LastOutputTarget = static_cast<int16_t>(report_.OutputTo());
}

void clsStatement::NewPage() { report_.PrintSection(QStringLiteral("PageHeader")); }

// The preview's run is over; this one goes to the printer without loading
// the layout again. What fails here goes back to the report, which shows it.
void clsStatement::PrintToPrinterButton()
{
    report_.setOutputTo(quirepress::cOutputToPrinter);
    printStatement();
}

} // namespace quillbill
