// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/InvoiceReprint.h"

#include "records/Database.h"
#include "records/invoices/InvoiceContent.h"
#include "records/invoices/InvoiceHistory.h"
#include "records/invoices/Payments.h"

#include <QSqlQuery>

namespace quillbill {

namespace {

// Yes/no columns hold -1 and 0.
constexpr int yes = -1;
constexpr int no = 0;

QDate isoDate(const QVariant& stored)
{
    return stored.isNull() ? QDate() : QDate::fromString(stored.toString(), Qt::ISODate);
}

// A date as the columns hold it; NULL for none.
QVariant storedDate(const QDate& date) { return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant(); }

} // namespace

std::vector<StoredInvoice> InvoiceReprint::invoicesOf(int32_t customerId) const
{
    std::vector<StoredInvoice> invoices;
    // What credit notes took back of each invoice, summed in one pass over
    // the customer's notes (CROSS JOIN keeps SQLite from walking all of the
    // customer's jobs to find them); what an invoice billed is summed only
    // for the few that were credited.
    QSqlQuery rows = database_.execute(
        QStringLiteral(
            "SELECT invoice.InvoiceID, invoice.Date, invoice.Paid, invoice.PaidDate, invoice.Discount, "
            "invoice.Status, invoice.CreditFor, "
            "CASE WHEN credited.Sums IS NULL THEN NULL ELSE (SELECT SUM(Sums) FROM TblJobs AS job "
            "WHERE job.CustomerID = invoice.CustomerID AND job.InvoiceID = invoice.InvoiceID) END, "
            "credited.Sums FROM TblInvoice AS invoice "
            "LEFT JOIN (SELECT note.CreditFor, SUM(job.Sums) AS Sums FROM TblInvoice AS note "
            "CROSS JOIN TblJobs AS job WHERE job.CustomerID = note.CustomerID AND job.InvoiceID = note.InvoiceID "
            "AND note.CustomerID = ? AND note.CreditFor IS NOT NULL GROUP BY note.CreditFor) AS credited "
            "ON credited.CreditFor = invoice.InvoiceID "
            "WHERE invoice.CustomerID = ? ORDER BY invoice.InvoiceID"),
        {customerId, customerId});
    while (rows.next()) {
        StoredInvoice invoice;
        invoice.invoiceId = rows.value(0).toInt();
        invoice.date = isoDate(rows.value(1));
        invoice.paid = rows.value(2).toInt() != no;
        invoice.paidDate = isoDate(rows.value(3));
        if (!rows.value(4).isNull())
            invoice.discount = rows.value(4).toLongLong();
        if (!rows.value(6).isNull())
            invoice.creditFor = rows.value(6).toInt();
        const int64_t billed = rows.value(7).toLongLong();
        const int64_t credited = -rows.value(8).toLongLong();
        if (rows.value(5).toInt() != StoredStatus::issued)
            invoice.status = InvoiceStatus::Draft;
        else
            invoice.status = billed > 0 && credited >= billed ? InvoiceStatus::Credited : InvoiceStatus::Issued;
        invoices.push_back(invoice);
    }
    return invoices;
}

SaveOutcome InvoiceReprint::recordPayment(int32_t customerId, const StoredInvoice& shown, bool paid,
                                          const QDate& paidDate) const
{
    std::optional<SaveOutcome> outcome;
    database_.inTransaction([&] {
        const auto stored = database_.firstRow(QStringLiteral("SELECT Paid, PaidDate FROM TblInvoice WHERE "
                                                              "CustomerID = ? AND InvoiceID = ?"),
                                               {customerId, shown.invoiceId});
        if (!stored) {
            outcome = SaveOutcome::Gone;
            return;
        }
        // Only over the payment as it was shown: one recorded at another
        // desk in between is never silently overwritten.
        if ((stored->value(0).toInt() != no) != shown.paid || isoDate(stored->value(1)) != shown.paidDate) {
            outcome = SaveOutcome::ChangedMeanwhile;
            return;
        }
        outcome = SaveOutcome::Saved;
        const Payments payments(database_, user_);
        if (paid && !shown.paid) {
            // Ticking Paid records the rest as paid, on the day given.
            const Money owed = payments.balanceOf(customerId, shown.invoiceId).owed();
            const bool anyPayments = !payments.paymentsOf(customerId, shown.invoiceId).empty();
            if (owed.units() > 0 && (paidDate.isValid() || anyPayments)) {
                payments.recordInTransaction(customerId, shown.invoiceId, owed,
                                             paidDate.isValid() ? paidDate : QDate::currentDate(),
                                             PaymentMethod::Other);
                return;
            }
        } else if (!paid && shown.paid) {
            // Unticking it takes back the payments that made it paid.
            for (const Payment& payment : payments.paymentsOf(customerId, shown.invoiceId))
                if (!payment.reverses && !payment.reversed)
                    payments.reverseInTransaction(customerId, shown.invoiceId, payment.paymentId);
        }
        database_.execute(QStringLiteral("UPDATE TblInvoice SET Paid = ?, PaidDate = ? WHERE CustomerID = ? AND "
                                         "InvoiceID = ?"),
                          {paid ? yes : no, storedDate(paidDate), customerId, shown.invoiceId});
        QJsonObject detail;
        if (paid && paidDate.isValid())
            detail.insert(QStringLiteral("date"), paidDate.toString(Qt::ISODate));
        InvoiceHistory(database_).record(customerId, shown.invoiceId,
                                         paid ? InvoiceEvent::MarkedPaid : InvoiceEvent::MarkedUnpaid, user_, detail);
    });
    return *outcome;
}

} // namespace quillbill
