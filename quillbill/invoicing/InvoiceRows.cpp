// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/InvoiceRows.h"

#include "invoicing/InvoiceForms.h"
#include "records/Database.h"
#include "records/invoices/IssuedInvoices.h"

#include <QCoreApplication>

#include <stdexcept>

namespace quillbill {

namespace {

[[noreturn]] void cannotPrint(const QString& why) { throw std::runtime_error(why.toStdString()); }

// Optional columns may hold NULL; they print as nothing.
QString text(const QSqlRecord& row, const char* column) { return row.value(QLatin1String(column)).toString(); }

QString cityLine(const QSqlRecord& row, const char* city, const char* prov, const char* postal)
{
    return text(row, city) + QStringLiteral(", ") + text(row, prov) + u' ' + text(row, postal);
}

std::vector<QSqlRecord> companyRows(const Database& database)
{
    auto companies = database.rows(QStringLiteral("SELECT * FROM TblMyCompanyInfo ORDER BY rowid"));
    if (companies.empty())
        cannotPrint(
            QCoreApplication::translate("quillbill::InvoiceRows",
                                        "There is no information about your own company to print on the invoice. "
                                        "Please enter it first."));
    return companies;
}

// `invoiceId` names the document in the message when the customer is gone.
KeptHeader currentHeader(const Database& database, int32_t customerId, std::optional<int32_t> invoiceId,
                         const std::vector<QSqlRecord>& companies)
{
    KeptHeader header;
    for (const QSqlRecord& row : companies)
        header.companies.push_back({text(row, "CompanyName"), text(row, "Address"),
                                    cityLine(row, "City", "Prov", "PostalCode"), text(row, "Phone"), text(row, "Cell"),
                                    text(row, "Email"), text(row, "Vendor"), text(row, "GST_Number"),
                                    text(row, "PSTNumber")});
    const auto customer = database.firstRow(
        QStringLiteral("SELECT Company, Address, City, Prov, Postal FROM TblCustomer WHERE CustomerID = ?"),
        {customerId});
    if (!customer)
        cannotPrint(invoiceId
                        ? QCoreApplication::translate("quillbill::InvoiceRows",
                                                      "Customer %1 of invoice %2 is not in the database.")
                              .arg(customerId)
                              .arg(*invoiceId)
                        : QCoreApplication::translate("quillbill::InvoiceRows", "Customer %1 is not in the database.")
                              .arg(customerId));
    header.customerCompany = text(*customer, "Company");
    header.customerAddress = text(*customer, "Address");
    header.customerCityLine = cityLine(*customer, "City", "Prov", "Postal");
    return header;
}

} // namespace

KeptHeader currentHeader(const Database& database, int32_t customerId)
{
    return currentHeader(database, customerId, std::nullopt, companyRows(database));
}

InvoiceRows readInvoiceRows(const Database& database, InvoiceSelection invoice)
{
    InvoiceRows rows;
    const QVariantList key{invoice.customerId, invoice.invoiceId};

    const auto companies = companyRows(database);
    const auto stored =
        database.firstRow(QStringLiteral("SELECT Date, Discount, GSTRate, PSTRate, GSTName, PSTName, Status, "
                                         "CreditFor "
                                         "FROM TblInvoice "
                                         "WHERE CustomerID = ? AND InvoiceID = ?"),
                          key);
    if (!stored)
        cannotPrint(
            QCoreApplication::translate("quillbill::InvoiceRows", "Invoice %1 of customer %2 is not in the database.")
                .arg(invoice.invoiceId)
                .arg(invoice.customerId));
    // The taxes the invoice was issued with; one issued before they were
    // kept takes the company's.
    const auto own = [&](int column, const char* companyColumn) {
        const QVariant kept = stored->value(column);
        return kept.isNull() ? companies.front().value(QLatin1String(companyColumn)) : kept;
    };
    rows.gst = TaxRate{own(2, "GSTRate").toLongLong()};
    rows.pst = TaxRate{own(3, "PSTRate").toLongLong()};
    rows.gstName = own(4, "GSTName").toString();
    rows.pstName = own(5, "PSTName").toString();
    rows.date = QDate::fromString(stored->value(0).toString(), Qt::ISODate);
    if (!rows.date.isValid())
        cannotPrint(
            QCoreApplication::translate("quillbill::InvoiceRows", "Invoice %1 has no date.").arg(invoice.invoiceId));
    rows.discountPercent = stored->value(1).toLongLong();
    // Another program may have written it; a discount beyond the jobs would
    // bill a negative amount.
    if (rows.discountPercent < 0 || rows.discountPercent > largestDiscountPercent)
        cannotPrint(QCoreApplication::translate("quillbill::InvoiceRows",
                                                "Invoice %1 has a discount of %2 per cent, which is not from 0 to 100.")
                        .arg(invoice.invoiceId)
                        .arg(rows.discountPercent));

    const KeptHeader now = currentHeader(database, invoice.customerId, invoice.invoiceId, companies);
    rows.companies = now.companies;
    rows.customerCompany = now.customerCompany;
    rows.customerAddress = now.customerAddress;
    rows.customerCityLine = now.customerCityLine;

    // An issued invoice prints the office and the customer as it was sent,
    // whatever has changed since.
    rows.issued = stored->value(6).toInt() == StoredStatus::issued;
    const auto kept =
        rows.issued ? IssuedInvoices(database, {}).keptHeader(invoice.customerId, invoice.invoiceId) : std::nullopt;
    if (kept) {
        if (!kept->companies.empty())
            rows.companies = kept->companies;
        rows.customerCompany = kept->customerCompany;
        rows.customerAddress = kept->customerAddress;
        rows.customerCityLine = kept->customerCityLine;
    }

    if (!stored->isNull(7)) {
        const int32_t credited = stored->value(7).toInt();
        const auto creditedRow =
            database.firstRow(QStringLiteral("SELECT Date FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?"),
                              {invoice.customerId, credited});
        rows.creditFor = InvoiceRows::CreditedInvoice{
            credited, creditedRow ? QDate::fromString(creditedRow->value(0).toString(), Qt::ISODate) : QDate()};
    }

    if (!rows.creditFor) {
        const Payments payments(database, {});
        if (!payments.paymentsOf(invoice.customerId, invoice.invoiceId).empty())
            rows.balance = payments.balanceOf(invoice.customerId, invoice.invoiceId);
    }

    for (const QSqlRecord& job : database.rows(QStringLiteral("SELECT JobDescription, Sums FROM TblJobs "
                                                              "WHERE CustomerID = ? AND InvoiceID = ? ORDER BY JobID"),
                                               key))
        rows.jobs.push_back({job.value(0).toString(), job.value(1).toLongLong()});
    return rows;
}

} // namespace quillbill
