// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/Payments.h"

#include "records/Database.h"
#include "records/invoices/InvoiceAmounts.h"
#include "records/invoices/InvoiceHistory.h"

#include <QObject>
#include <QSqlRecord>

#include <iterator>

namespace quillbill {

namespace {

// Yes/no columns hold -1 and 0.
constexpr int yes = -1;
constexpr int no = 0;

constexpr std::pair<PaymentMethod, const char*> methodNames[] = {
    {PaymentMethod::Cheque, "cheque"}, {PaymentMethod::Cash, "cash"},   {PaymentMethod::Transfer, "transfer"},
    {PaymentMethod::Card, "card"},     {PaymentMethod::Other, "other"},
};

// What one TblInvoice row comes to with its taxes, to the cent, as its
// document prints it.
Money grandTotalOf(const Database& database, int32_t customerId, int32_t invoiceId)
{
    const auto row = database.firstRow(
        QStringLiteral("SELECT %1, (SELECT COALESCE(SUM(Sums), 0) FROM TblJobs AS job WHERE job.CustomerID = "
                       "invoice.CustomerID AND job.InvoiceID = invoice.InvoiceID) FROM TblInvoice AS invoice %2 "
                       "WHERE invoice.CustomerID = ? AND invoice.InvoiceID = ?")
            .arg(QLatin1String(invoiceAmountColumns), QLatin1String(firstCompanyJoin)),
        {customerId, invoiceId});
    if (!row)
        return {};
    return quillbill::grandTotalOf(row->value(3).toLongLong(), row->value(0).toLongLong(), row->value(1).toLongLong(),
                                   row->value(2).toLongLong());
}

// The invoice's row, refusing a payment for one that is gone or is a
// credit note; {Paid, CreditFor}.
QSqlRecord payableInvoice(const Database& database, int32_t customerId, int32_t invoiceId)
{
    const auto row = database.firstRow("SELECT Paid, CreditFor FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?",
                                       {customerId, invoiceId});
    if (!row)
        throw PaymentRefused(
            PaymentRefused::Reason::InvoiceGone,
            QObject::tr("Invoice %1 is no longer in the database, so no payment was recorded.").arg(invoiceId));
    if (!row->isNull(1))
        throw PaymentRefused(
            PaymentRefused::Reason::CreditNote,
            QObject::tr("%1 is a credit note: payments are recorded on the invoice it corrects.").arg(invoiceId));
    return *row;
}

} // namespace

QString storedName(PaymentMethod method)
{
    for (const auto& [known, name] : methodNames)
        if (known == method)
            return QString::fromLatin1(name);
    return {};
}

std::optional<PaymentMethod> paymentMethodNamed(const QString& stored)
{
    for (const auto& [known, name] : methodNames)
        if (stored == QLatin1String(name))
            return known;
    return std::nullopt;
}

InvoiceBalance Payments::balanceOf(int32_t customerId, int32_t invoiceId) const
{
    const QSqlRecord invoice = payableInvoice(database_, customerId, invoiceId);
    int64_t billed = grandTotalOf(database_, customerId, invoiceId).units();
    for (const QSqlRecord& note : database_.rows("SELECT InvoiceID FROM TblInvoice WHERE CustomerID = ? AND "
                                                 "CreditFor = ?",
                                                 {customerId, invoiceId}))
        billed += grandTotalOf(database_, customerId, note.value(0).toInt()).units();
    const auto payments = database_.firstRow("SELECT COUNT(*), COALESCE(SUM(Amount), 0) FROM TblPayment WHERE "
                                             "CustomerID = ? AND InvoiceID = ?",
                                             {customerId, invoiceId});
    return {Money::fromUnits(billed),
            paidOf(Money::fromUnits(billed), Money::fromUnits(payments->value(1).toLongLong()),
                   payments->value(0).toLongLong(), invoice.value(0).toInt() == yes)};
}

std::vector<Payment> Payments::paymentsOf(int32_t customerId, int32_t invoiceId) const
{
    std::vector<Payment> payments;
    for (const QSqlRecord& row : database_.rows(
             "SELECT PaymentID, Amount, PaidOn, Method, Reverses, RecordedAt, RecordedBy, EXISTS (SELECT 1 FROM "
             "TblPayment AS later WHERE later.Reverses = payment.PaymentID) FROM TblPayment AS payment "
             "WHERE CustomerID = ? AND InvoiceID = ? ORDER BY PaymentID",
             {customerId, invoiceId})) {
        Payment payment;
        payment.paymentId = row.value(0).toLongLong();
        payment.amount = Money::fromUnits(row.value(1).toLongLong());
        payment.paidOn = QDate::fromString(row.value(2).toString(), Qt::ISODate);
        payment.method = paymentMethodNamed(row.value(3).toString()).value_or(PaymentMethod::Other);
        if (!row.isNull(4))
            payment.reverses = row.value(4).toLongLong();
        payment.recordedAt = QDateTime::fromString(row.value(5).toString(), Qt::ISODate);
        payment.recordedBy = row.value(6).toString();
        payment.reversed = row.value(7).toBool();
        payments.push_back(payment);
    }
    return payments;
}

int64_t Payments::record(int32_t customerId, int32_t invoiceId, Money amount, const QDate& paidOn,
                         PaymentMethod method) const
{
    int64_t paymentId = 0;
    database_.inTransaction([&] { paymentId = recordInTransaction(customerId, invoiceId, amount, paidOn, method); });
    return paymentId;
}

int64_t Payments::recordInTransaction(int32_t customerId, int32_t invoiceId, Money amount, const QDate& paidOn,
                                      PaymentMethod method) const
{
    if (!paidOn.isValid())
        throw std::invalid_argument("a payment needs a valid date");
    if (amount.units() <= 0 || amount.units() % 100 != 0)
        throw PaymentRefused(PaymentRefused::Reason::NotAnAmount,
                             QObject::tr("A payment is an amount above zero in dollars and cents."));
    const Money owed = balanceOf(customerId, invoiceId).owed();
    if (amount > owed)
        throw PaymentRefused(PaymentRefused::Reason::MoreThanOwed,
                             owed.units() <= 0
                                 ? QObject::tr("Invoice %1 is paid in full, so no payment was recorded.").arg(invoiceId)
                                 : QObject::tr("Invoice %1 has %2 left to pay, so a payment of %3 was not recorded.")
                                       .arg(invoiceId)
                                       .arg(amountInMessage(owed), amountInMessage(amount)));
    const int64_t paymentId = database_.insertReturningKey(
        "INSERT INTO TblPayment (CustomerID, InvoiceID, Amount, PaidOn, Method, RecordedAt, RecordedBy) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)",
        {customerId, invoiceId, qlonglong{amount.units()}, paidOn.toString(Qt::ISODate), storedName(method),
         QDateTime::currentDateTimeUtc().toString(Qt::ISODate), user_},
        QStringLiteral("PaymentID"));
    InvoiceHistory(database_).record(customerId, invoiceId, InvoiceEvent::PaymentRecorded, user_,
                                     {{QStringLiteral("payment"), qlonglong{paymentId}},
                                      {QStringLiteral("sums"), QString::number(amount.units())},
                                      {QStringLiteral("date"), paidOn.toString(Qt::ISODate)},
                                      {QStringLiteral("method"), storedName(method)}});
    settle(database_, customerId, invoiceId);
    return paymentId;
}

void Payments::reverse(int32_t customerId, int32_t invoiceId, int64_t paymentId) const
{
    database_.inTransaction([&] { reverseInTransaction(customerId, invoiceId, paymentId); });
}

void Payments::reverseInTransaction(int32_t customerId, int32_t invoiceId, int64_t paymentId) const
{
    payableInvoice(database_, customerId, invoiceId);
    const auto payment = database_.firstRow("SELECT Amount, PaidOn, Method, Reverses FROM TblPayment WHERE "
                                            "PaymentID = ? AND CustomerID = ? AND InvoiceID = ?",
                                            {qlonglong{paymentId}, customerId, invoiceId});
    if (!payment || !payment->isNull(3))
        throw PaymentRefused(PaymentRefused::Reason::NoSuchPayment,
                             QObject::tr("That payment of invoice %1 is no longer in the database, so nothing "
                                         "was reversed.")
                                 .arg(invoiceId));
    // The unique Reverses column says so too, at another desk's commit.
    if (database_.firstRow("SELECT 1 FROM TblPayment WHERE Reverses = ?", {qlonglong{paymentId}}))
        throw PaymentRefused(PaymentRefused::Reason::AlreadyReversed,
                             QObject::tr("That payment of invoice %1 has been reversed already.").arg(invoiceId));
    const qlonglong amount = payment->value(0).toLongLong();
    database_.execute("INSERT INTO TblPayment (CustomerID, InvoiceID, Amount, PaidOn, Method, Reverses, "
                      "RecordedAt, RecordedBy) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                      {customerId, invoiceId, -amount, payment->value(1), payment->value(2), qlonglong{paymentId},
                       QDateTime::currentDateTimeUtc().toString(Qt::ISODate), user_});
    InvoiceHistory(database_).record(
        customerId, invoiceId, InvoiceEvent::PaymentReversed, user_,
        {{QStringLiteral("payment"), qlonglong{paymentId}}, {QStringLiteral("sums"), QString::number(amount)}});
    settle(database_, customerId, invoiceId);
}

void Payments::settle(const Database& database, int32_t customerId, int32_t invoiceId)
{
    const auto stored = database.firstRow("SELECT Paid, EXISTS (SELECT 1 FROM TblPayment WHERE CustomerID = ? AND "
                                          "InvoiceID = ?) FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?",
                                          {customerId, invoiceId, customerId, invoiceId});
    // Marked paid before payments were recorded: it stays so.
    if (!stored || (stored->value(0).toInt() == yes && !stored->value(1).toBool()))
        return;
    const bool settled = Payments(database, {}).balanceOf(customerId, invoiceId).owed().units() <= 0;
    // The payment that settled it: the last one still standing. None when
    // credit notes took back all it billed.
    const auto last = database.firstRow("SELECT PaidOn FROM TblPayment AS payment WHERE CustomerID = ? AND "
                                        "InvoiceID = ? AND Reverses IS NULL AND NOT EXISTS (SELECT 1 FROM "
                                        "TblPayment AS later WHERE later.Reverses = payment.PaymentID) "
                                        "ORDER BY PaymentID DESC LIMIT 1",
                                        {customerId, invoiceId});
    database.execute("UPDATE TblInvoice SET Paid = ?, PaidDate = ? WHERE CustomerID = ? AND InvoiceID = ?",
                     {settled ? yes : no, settled && last ? last->value(0) : QVariant(), customerId, invoiceId});
}

} // namespace quillbill
