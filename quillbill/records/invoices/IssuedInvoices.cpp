// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/IssuedInvoices.h"

#include "records/Database.h"
#include "records/invoices/InvoiceHistory.h"
#include "records/invoices/InvoiceRecords.h"

#include <QDateTime>
#include <QSqlRecord>

namespace quillbill {

namespace {

QString routeName(IssueRoute route)
{
    switch (route) {
    case IssueRoute::Printed:
        return QStringLiteral("printed");
    case IssueRoute::SavedAsPdf:
        return QStringLiteral("pdf");
    case IssueRoute::Mailed:
        return QStringLiteral("mailed");
    }
    return {};
}

} // namespace

void IssuedInvoices::keepIssued(const Database& database, int32_t customerId, int32_t invoiceId, const QString& user,
                                const KeptHeader& header)
{
    database.execute("UPDATE TblInvoice SET Status = ?, IssuedAt = ?, IssuedBy = ?, BillCompany = ?, "
                     "BillAddress = ?, BillCityLine = ? WHERE CustomerID = ? AND InvoiceID = ?",
                     {StoredStatus::issued, QDateTime::currentDateTimeUtc().toString(Qt::ISODate), user,
                      header.customerCompany, header.customerAddress, header.customerCityLine, customerId, invoiceId});
    // Rows a restore of an older backup may have left are not this issue's
    // header.
    database.execute("DELETE FROM TblIssuedCompany WHERE CustomerID = ? AND InvoiceID = ?", {customerId, invoiceId});
    int position = 0;
    for (const InvoiceCompany& company : header.companies)
        database.execute("INSERT INTO TblIssuedCompany (CustomerID, InvoiceID, Position, CompanyName, Address, "
                         "CityLine, Phone, Cell, Email, Vendor, GSTNumber, PSTNumber) "
                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                         {customerId, invoiceId, position++, company.name, company.address, company.cityLine,
                          company.phone, company.cell, company.email, company.vendor, company.gstNumber,
                          company.pstNumber});
}

IssueOutcome IssuedInvoices::issue(int32_t customerId, int32_t invoiceId, const InvoiceContent& shown,
                                   IssueRoute route) const
{
    const QVariantList key{customerId, invoiceId};
    IssueOutcome outcome = IssueOutcome::Issued;
    database_.inTransaction([&] {
        const auto stored =
            database_.firstRow("SELECT Status, Discount FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?", key);
        if (!stored) {
            outcome = IssueOutcome::Gone;
            return;
        }
        if (stored->value(0).toInt() == StoredStatus::issued) {
            outcome = IssueOutcome::WasIssued;
            return;
        }
        std::vector<InvoiceJob> jobs;
        for (const StoredJob& job : InvoiceRecords(database_).jobsOf(customerId, invoiceId))
            jobs.push_back({job.description, job.sums.units()});
        if (jobs != shown.jobs || stored->value(1).toLongLong() != shown.discountPercent) {
            outcome = IssueOutcome::ChangedMeanwhile;
            return;
        }
        keepIssued(database_, customerId, invoiceId, user_,
                   {shown.companies, shown.customerCompany, shown.customerAddress, shown.customerCityLine});
        InvoiceHistory(database_).record(customerId, invoiceId, InvoiceEvent::Issued, user_,
                                         {{QStringLiteral("how"), routeName(route)}});
    });
    return outcome;
}

std::optional<KeptHeader> IssuedInvoices::keptHeader(int32_t customerId, int32_t invoiceId) const
{
    const QVariantList key{customerId, invoiceId};
    const auto stored = database_.firstRow("SELECT Status, BillCompany, BillAddress, BillCityLine FROM TblInvoice "
                                           "WHERE CustomerID = ? AND InvoiceID = ?",
                                           key);
    if (!stored || stored->value(0).toInt() != StoredStatus::issued || stored->isNull(1))
        return std::nullopt;
    KeptHeader header{{}, stored->value(1).toString(), stored->value(2).toString(), stored->value(3).toString()};
    for (const QSqlRecord& row : database_.rows("SELECT CompanyName, Address, CityLine, Phone, Cell, Email, Vendor, "
                                                "GSTNumber, PSTNumber FROM TblIssuedCompany WHERE CustomerID = ? AND "
                                                "InvoiceID = ? ORDER BY Position",
                                                key)) {
        InvoiceCompany company;
        QString* const fields[] = {&company.name,   &company.address,   &company.cityLine,
                                   &company.phone,  &company.cell,      &company.email,
                                   &company.vendor, &company.gstNumber, &company.pstNumber};
        for (int column = 0; column < 9; ++column)
            *fields[column] = row.value(column).toString();
        header.companies.push_back(company);
    }
    return header;
}

} // namespace quillbill
