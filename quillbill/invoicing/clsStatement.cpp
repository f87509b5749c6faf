// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/clsStatement.h"

#include "app/DocumentLanguage.h"
#include "app/LayoutRun.h"
#include "app/ProgramReport.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/InvoiceRows.h"
#include "invoicing/PaymentText.h"
#include "records/invoices/AccountStatement.h"

#include <QLocale>

namespace quillbill {

namespace {

const QString failureTitle = QStringLiteral("clsStatement.PrintReport");

void setValue(quirepress::Section& section, const char* field, const QString& value)
{
    section.Field(QLatin1String(field))->setValue(value);
}

QString documentText(const StatementLine& line, const DocumentLanguage& words)
{
    switch (line.kind) {
    case StatementLine::Kind::Invoice:
        return words.translate("quillbill::Document", "Invoice %1").arg(line.invoiceId);
    case StatementLine::Kind::CreditNote:
        return words.translate("quillbill::Document", "Credit note %1 for invoice %2")
            .arg(line.invoiceId)
            .arg(line.creditFor.value_or(0));
    case StatementLine::Kind::Payment:
        return words.translate("quillbill::Document", "Payment, %1, invoice %2")
            .arg(paymentMethodName(line.method, words).toLower())
            .arg(line.invoiceId);
    case StatementLine::Kind::Reversal:
        return words.translate("quillbill::Document", "Payment reversed, invoice %1").arg(line.invoiceId);
    }
    return {};
}

QString money(Money amount, const QLocale& locale) { return dollars(fromTenThousandths(amount.units()), locale); }

} // namespace

clsStatement::clsStatement(AppContext& app, int32_t customerId, const QDate& from, const QDate& to)
    : app_(app),
      customerId_(customerId),
      from_(from),
      to_(to),
      words_(DocumentLanguage::chosen(app.options)),
      report_(newProgramReport(app.messages))
{
    report_.setEvents(this);
}

clsStatement::~clsStatement() { report_.setEvents(nullptr); }

bool clsStatement::PrintReport()
{
    return runLayout(app_, report_, words_.layout(app_.folder, QStringLiteral("statement.rdn")), failureTitle, output_,
                     outputFile_, [this] { printStatement(); });
}

void clsStatement::printStatement()
{
    const Database& database = app_.state.MainDatabase;
    const KeptHeader header = currentHeader(database, customerId_);
    const AccountStatement statement = accountStatement(database, customerId_, from_, to_);
    const DocumentLanguage& words = words_;
    const QLocale locale = words.locale();
    report_.setDocumentTitle(words.translate("quillbill::Document", "Statement - %1").arg(header.customerCompany));

    const auto pageFooter = report_.Section(QStringLiteral("PageFooter"));
    setValue(*pageFooter, "PrintedOn",
             words.translate("quillbill::Document", "Statement of %1, %2")
                 .arg(header.customerCompany, longInvoiceDate(QDate::currentDate(), locale)));

    const auto top = report_.Section(QStringLiteral("Header"));
    top->Clear();
    if (!header.companies.empty()) {
        setValue(*top, "MyCompany", header.companies.front().name);
        setValue(*top, "MyAddress", header.companies.front().address);
        setValue(*top, "MyAddress2", header.companies.front().cityLine);
    }
    setValue(*top, "Period",
             words.translate("quillbill::Document", "%1 to %2")
                 .arg(shortInvoiceDate(from_, locale), shortInvoiceDate(to_, locale)));
    setValue(*top, "StatementDate", shortInvoiceDate(QDate::currentDate(), locale));
    setValue(*top, "Customer", header.customerCompany);
    setValue(*top, "CustomerAddress", header.customerAddress);
    setValue(*top, "CustomerCity", header.customerCityLine);
    report_.PrintSection(QStringLiteral("Header"));
    report_.PrintSection(QStringLiteral("PageHeader"));

    const auto detail = report_.Section(QStringLiteral("Detail"));
    detail->Clear();
    setValue(*detail, "TheDate", shortInvoiceDate(from_, locale));
    setValue(*detail, "Document", words.translate("quillbill::Document", "Balance brought forward"));
    setValue(*detail, "Balance", money(statement.opening, locale));
    report_.PrintSection(QStringLiteral("Detail"));
    for (const StatementLine& line : statement.lines) {
        detail->Clear();
        setValue(*detail, "TheDate", shortInvoiceDate(line.date, locale));
        setValue(*detail, "Document", documentText(line, words));
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
