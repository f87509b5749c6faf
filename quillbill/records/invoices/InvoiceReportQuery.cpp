// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/InvoiceReportQuery.h"

namespace quillbill {

namespace {

constexpr int yes = -1;
constexpr int no = 0;

} // namespace

ReportStatement invoiceReportStatement(const InvoiceReportChoices& choices)
{
    // Dates are stored as ISO text, which BETWEEN compares as dates.
    // An invoice without jobs still gives its row, with null job columns.
    // Its payments come summed, once per invoice, beside every job.
    ReportStatement statement{
        QStringLiteral("SELECT * FROM TblInvoice "
                       "INNER JOIN TblCustomer ON TblInvoice.CustomerID = TblCustomer.CustomerID "
                       "LEFT JOIN TblJobs ON TblInvoice.InvoiceID = TblJobs.InvoiceID "
                       "AND TblInvoice.CustomerID = TblJobs.CustomerID "
                       "LEFT JOIN (SELECT CustomerID AS PaymentCustomerID, InvoiceID AS PaymentInvoiceID, "
                       "SUM(Amount) AS PaymentsMade, COUNT(*) AS PaymentLines FROM TblPayment "
                       "GROUP BY CustomerID, InvoiceID) AS payments ON payments.PaymentCustomerID = "
                       "TblInvoice.CustomerID AND payments.PaymentInvoiceID = TblInvoice.InvoiceID "
                       "WHERE TblInvoice.Date BETWEEN ? AND ?"),
        {choices.from.toString(Qt::ISODate), choices.to.toString(Qt::ISODate)}};
    if (choices.customerId) {
        statement.sql += QStringLiteral(" AND TblInvoice.CustomerID = ?");
        statement.values << *choices.customerId;
    }
    // Paid follows the balance; a credit note goes with the invoice it
    // corrects.
    const QString paid =
        QStringLiteral(" AND COALESCE((SELECT credited.Paid FROM TblInvoice AS credited WHERE credited.CustomerID = "
                       "TblInvoice.CustomerID AND credited.InvoiceID = TblInvoice.CreditFor), TblInvoice.Paid) = ?");
    switch (choices.paid) {
    case PaidFilter::Paid:
        statement.sql += paid;
        statement.values << yes;
        break;
    case PaidFilter::NotPaid:
        statement.sql += paid;
        statement.values << no;
        break;
    case PaidFilter::Both:
        statement.sql += QStringLiteral(" AND TblInvoice.Paid BETWEEN ? AND ?");
        statement.values << yes << no;
        break;
    }
    // The report compares companies exactly, letter case and all; SQLite's
    // default (binary) order keeps exactly equal names together, where a
    // case-blind order could interleave "Acme" and "ACME" and split both.
    statement.sql += QStringLiteral(
        " ORDER BY TblCustomer.Company, TblInvoice.Date, TblInvoice.InvoiceID, TblInvoice.CustomerID, TblJobs.JobID");
    return statement;
}

} // namespace quillbill
