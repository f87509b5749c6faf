// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/clsAging.h"

#include "app/DocumentLanguage.h"
#include "app/LayoutRun.h"
#include "app/ProgramReport.h"
#include "invoicing/InvoiceForms.h"
#include "records/Database.h"
#include "records/invoices/AgingReport.h"

#include <QLocale>
#include <QSqlRecord>

namespace quillbill {

namespace {

const QString failureTitle = QStringLiteral("clsAging.PrintReport");

// The layout's columns of the ages, oldest last, then the total.
constexpr const char* ageColumns[agingBuckets] = {"Current", "Days30", "Days60", "Days90", "Over90"};

void setValue(quirepress::Section& section, const QString& field, const QString& value)
{
    section.Field(field)->setValue(value);
}

QString money(Money amount, const QLocale& locale) { return dollars(fromTenThousandths(amount.units()), locale); }

// One row of amounts into the fields named `prefix` + each column; an age
// with nothing owed is left blank, so what is owed stands out.
void setAmounts(quirepress::Section& section, const char* prefix, const std::array<Money, agingBuckets>& owed,
                Money total, const QLocale& locale)
{
    for (size_t bucket = 0; bucket < agingBuckets; ++bucket)
        if (owed[bucket].units() != 0)
            setValue(section, QLatin1String(prefix) + QLatin1String(ageColumns[bucket]), money(owed[bucket], locale));
    setValue(section, QLatin1String(prefix) + QStringLiteral("Total"), money(total, locale));
}

} // namespace

clsAging::clsAging(AppContext& app, const QDate& asOf)
    : app_(app), asOf_(asOf), words_(DocumentLanguage::chosen(app.options)), report_(newProgramReport(app.messages))
{
    report_.setEvents(this);
}

clsAging::~clsAging() { report_.setEvents(nullptr); }

bool clsAging::PrintReport()
{
    return runLayout(app_, report_, words_.layout(app_.folder, QStringLiteral("aging.rdn")), failureTitle, output_,
                     outputFile_, [this] { printAging(); });
}

void clsAging::printAging()
{
    const Database& database = app_.state.MainDatabase;
    const AgingReport aging = agingReport(database, asOf_);
    const DocumentLanguage& words = words_;
    const QLocale locale = words.locale();
    report_.setDocumentTitle(
        words.translate("quillbill::Document", "Aging Report - %1").arg(shortInvoiceDate(asOf_, locale)));

    const auto pageFooter = report_.Section(QStringLiteral("PageFooter"));
    setValue(*pageFooter, QStringLiteral("PrintedOn"),
             words.translate("quillbill::Document", "Aging report, printed %1")
                 .arg(longInvoiceDate(QDate::currentDate(), locale)));

    const auto header = report_.Section(QStringLiteral("Header"));
    header->Clear();
    if (const auto company = database.firstRow(QStringLiteral("SELECT CompanyName, Address, City, Prov, PostalCode "
                                                              "FROM TblMyCompanyInfo ORDER BY rowid LIMIT 1"))) {
        setValue(*header, QStringLiteral("MyCompany"), company->value(0).toString());
        setValue(*header, QStringLiteral("MyAddress"), company->value(1).toString());
        setValue(*header, QStringLiteral("MyAddress2"),
                 QStringLiteral("%1, %2 %3")
                     .arg(company->value(2).toString(), company->value(3).toString(), company->value(4).toString()));
    }
    setValue(*header, QStringLiteral("AsOf"), shortInvoiceDate(asOf_, locale));
    report_.PrintSection(QStringLiteral("Header"));
    report_.PrintSection(QStringLiteral("PageHeader"));

    const auto detail = report_.Section(QStringLiteral("Detail"));
    for (const AgingRow& row : aging.rows) {
        detail->Clear();
        setValue(*detail, QStringLiteral("Customer"), row.company);
        setAmounts(*detail, "txt", row.owed, row.total, locale);
        report_.PrintSection(QStringLiteral("Detail"));
    }

    const auto footer = report_.Section(QStringLiteral("ReportFooter"));
    footer->Clear();
    setAmounts(*footer, "sum", aging.totals, aging.total, locale);
    report_.PrintSection(QStringLiteral("ReportFooter"));
    report_.EndReport();
    app_.state.LastOutputTarget = static_cast<int16_t>(report_.OutputTo());
}

void clsAging::NewPage() { report_.PrintSection(QStringLiteral("PageHeader")); }

// The preview's run is over; this one goes to the printer without loading
// the layout again. What fails here goes back to the report, which shows it.
void clsAging::PrintToPrinterButton()
{
    report_.setOutputTo(quirepress::cOutputToPrinter);
    printAging();
}

} // namespace quillbill
