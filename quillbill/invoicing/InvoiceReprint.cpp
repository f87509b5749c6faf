#include "invoicing/InvoiceReprint.h"

#include "records/Database.h"
#include "records/invoices/InvoiceContent.h"
#include "records/invoices/InvoiceHistory.h"

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
    QSqlQuery rows =
        database_.execute(QStringLiteral("SELECT InvoiceID, Date, Paid, PaidDate, Discount, Status FROM TblInvoice "
                                         "WHERE CustomerID = ? ORDER BY InvoiceID"),
                          {customerId});
    while (rows.next()) {
        StoredInvoice invoice;
        invoice.invoiceId = rows.value(0).toInt();
        invoice.date = isoDate(rows.value(1));
        invoice.paid = rows.value(2).toInt() != no;
        invoice.paidDate = isoDate(rows.value(3));
        if (!rows.value(4).isNull())
            invoice.discount = rows.value(4).toLongLong();
        invoice.status = rows.value(5).toInt() == StoredStatus::issued ? InvoiceStatus::Issued : InvoiceStatus::Draft;
        invoices.push_back(invoice);
    }
    return invoices;
}

SaveOutcome InvoiceReprint::recordPayment(int32_t customerId, const StoredInvoice& shown, bool paid,
                                          const QDate& paidDate) const
{
    bool saved = false;
    // The write and its history line, both or neither; the check that the
    // payment is still as shown is the write's own condition.
    database_.inTransaction([&] {
        const QSqlQuery update =
            database_.execute(QStringLiteral("UPDATE TblInvoice SET Paid = ?, PaidDate = ? "
                                             "WHERE CustomerID = ? AND InvoiceID = ? AND Paid = ? AND PaidDate IS ?"),
                              {paid ? yes : no, storedDate(paidDate), customerId, shown.invoiceId,
                               shown.paid ? yes : no, storedDate(shown.paidDate)});
        saved = update.numRowsAffected() > 0;
        if (!saved)
            return;
        QJsonObject detail;
        if (paid && paidDate.isValid())
            detail.insert(QStringLiteral("date"), paidDate.toString(Qt::ISODate));
        InvoiceHistory(database_).record(customerId, shown.invoiceId,
                                         paid ? InvoiceEvent::MarkedPaid : InvoiceEvent::MarkedUnpaid, user_, detail);
    });
    if (saved)
        return SaveOutcome::Saved;
    const bool stillThere =
        database_
            .firstRow(QStringLiteral("SELECT 1 FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?"),
                      {customerId, shown.invoiceId})
            .has_value();
    return stillThere ? SaveOutcome::ChangedMeanwhile : SaveOutcome::Gone;
}

} // namespace quillbill
