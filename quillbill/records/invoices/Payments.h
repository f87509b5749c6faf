// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"
#include "records/DatabaseError.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace quillbill {

class Database;

// How a payment came in, as TblPayment.Method names it.
enum class PaymentMethod { Cheque, Cash, Transfer, Card, Other };
QString storedName(PaymentMethod method);
std::optional<PaymentMethod> paymentMethodNamed(const QString& stored);

// One line of TblPayment: a payment, or the reversal of one.
struct Payment {
    int64_t paymentId = 0;
    Money amount; // negative for a reversal
    QDate paidOn;
    PaymentMethod method = PaymentMethod::Other;
    std::optional<int64_t> reverses;
    // A payment that a later line reverses.
    bool reversed = false;
    QDateTime recordedAt; // UTC
    QString recordedBy;
};

// What an invoice comes to with its taxes, after its credit notes, and
// what is still owed of it. Whole cents, as ten-thousandths.
struct InvoiceBalance {
    Money billed;
    Money paid;
    Money owed() const { return Money::fromUnits(billed.units() - paid.units()); }
};

// A payment that cannot be recorded or reversed as asked; nothing was
// written. The message says why, for the person at the keyboard.
class PaymentRefused : public DatabaseError {
public:
    enum class Reason {
        InvoiceGone, // the invoice is not stored
        CreditNote, // a credit note is settled through its invoice
        NotAnAmount, // not above zero, or not whole cents
        MoreThanOwed, // more than the balance
        NoSuchPayment, // not a payment of the invoice, or a reversal
        AlreadyReversed,
    };

    PaymentRefused(Reason reason, const QString& message) : DatabaseError(message), reason_(reason) {}
    Reason reason() const { return reason_; }

private:
    Reason reason_;
};

// The payments of invoices. Each is stored with its history line, and the
// invoice's Paid and PaidDate follow its balance, in one write
// transaction: two desks recording payments at once both land, and the
// invoice is marked paid once, by the payment that settled it, on that
// payment's day. An invoice marked paid before payments were recorded has
// none, and owes nothing.
class Payments {
public:
    Payments(const Database& database, QString user) : database_(database), user_(std::move(user)) {}

    // Throws PaymentRefused (InvoiceGone) when it is not stored.
    InvoiceBalance balanceOf(int32_t customerId, int32_t invoiceId) const;
    // Oldest first.
    std::vector<Payment> paymentsOf(int32_t customerId, int32_t invoiceId) const;

    // Records a payment of `amount` (above zero, whole cents, no more than
    // is owed), received on `paidOn` by `method`; returns its PaymentID.
    // Throws PaymentRefused and DatabaseError.
    int64_t record(int32_t customerId, int32_t invoiceId, Money amount, const QDate& paidOn,
                   PaymentMethod method) const;
    // Records a line that takes back the payment `paymentId` of the
    // invoice, on its day and by its means. Throws PaymentRefused and
    // DatabaseError.
    void reverse(int32_t customerId, int32_t invoiceId, int64_t paymentId) const;
    // The same, inside a write transaction the caller holds, for a change
    // that records or reverses payments along with others.
    int64_t recordInTransaction(int32_t customerId, int32_t invoiceId, Money amount, const QDate& paidOn,
                                PaymentMethod method) const;
    void reverseInTransaction(int32_t customerId, int32_t invoiceId, int64_t paymentId) const;

    // Sets Paid and PaidDate from the balance: paid when nothing is owed,
    // on the day of the last payment standing (none when credit notes took
    // back everything). Call inside the write transaction of whatever
    // changed the balance. An invoice marked paid with no payments is left
    // as it is.
    static void settle(const Database& database, int32_t customerId, int32_t invoiceId);

private:
    const Database& database_;
    const QString user_;
};

} // namespace quillbill
