// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/InvoiceNumbers.h"

#include "records/Database.h"
#include "records/invoices/InvoiceErrors.h"

#include <QObject>
#include <QSqlRecord>

#include <limits>

namespace quillbill {

namespace {

using Reason = InvoiceNumberError::Reason;

constexpr int64_t lastInvoiceNumber = std::numeric_limits<int32_t>::max();

QString askToSetTheCounter()
{
    return QObject::tr("Please ask whoever looks after the Quillbill database to set it to the last invoice number "
                       "issued for this code.");
}

// The counter row of a billing code: where it is and the number it holds.
struct Counter {
    qlonglong rowId = 0;
    int64_t lastIssued = 0;
};

// Reads the counter that the next number of `billingCode` comes from, or
// throws when it cannot give one. The code is looked up without letter case.
// Older files may hold several rows for one code (each new customer of the
// code used to add one); the oldest is the one that was always read, so it
// stays the counter.
Counter counterOf(const Database& database, const QString& billingCode)
{
    const auto row = database.firstRow("SELECT rowid, InvoiceNumber FROM TblBillingCodes "
                                       "WHERE BillCode = ? COLLATE CASELESS ORDER BY rowid LIMIT 1",
                                       {billingCode});
    if (!row)
        throw InvoiceNumberError(Reason::NoCounter,
                                 QObject::tr("Billing code \"%1\" has no invoice number counter, so no invoice was "
                                             "made.\nPlease ask whoever looks after the Quillbill database to add one "
                                             "for it.")
                                     .arg(billingCode));

    // A file may hold text or a fraction in the counter. A whole number
    // reads as an integer on either kind of database (Qt's PostgreSQL
    // driver gives one above zero as unsigned).
    const QVariant stored = row->value(1);
    const int type = stored.typeId();
    const bool whole = type == QMetaType::LongLong || type == QMetaType::ULongLong || type == QMetaType::Int;
    const int64_t value = stored.toLongLong();
    if (!whole || value < 0) {
        const QString holds = stored.isNull()
            ? QObject::tr("is empty")
            : QObject::tr("holds \"%1\", which is not an invoice number").arg(stored.toString());
        throw InvoiceNumberError(Reason::UnusableCounter,
                                 QObject::tr("The invoice number counter of billing code \"%1\" %2, so no invoice "
                                             "was made.\n")
                                         .arg(billingCode, holds)
                                     + askToSetTheCounter());
    }
    if (value >= lastInvoiceNumber)
        throw InvoiceNumberError(Reason::NumbersUsedUp,
                                 QObject::tr("Billing code \"%1\" has used up its invoice numbers (the last one is "
                                             "%2), so no invoice was made.\nPlease add the customer again with a new "
                                             "billing code.")
                                     .arg(billingCode)
                                     .arg(value));
    return {row->value(0).toLongLong(), value};
}

} // namespace

int32_t takeInvoiceNumber(const Database& database, const QString& billingCode, int32_t customerId)
{
    const Counter counter = counterOf(database, billingCode);
    const auto taken = static_cast<int32_t>(counter.lastIssued + 1);
    // Checked here rather than left to the unique index: the index's
    // refusal names columns, not what went wrong or what to do.
    if (database.firstRow("SELECT 1 FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?", {customerId, taken}))
        throw InvoiceNumberError(Reason::InvoiceExists,
                                 QObject::tr("Customer number %1 already has invoice number %2, so no invoice "
                                             "was made: the invoice number counter of billing code \"%3\" is "
                                             "behind the invoices stored.\n")
                                         .arg(customerId)
                                         .arg(taken)
                                         .arg(billingCode)
                                     + askToSetTheCounter());
    // Under the write lock, as a removal looks for invoices: an invoice is
    // never stored for a customer removed meanwhile.
    if (!database.firstRow("SELECT 1 FROM TblCustomer WHERE CustomerID = ?", {customerId}))
        throw InvoiceNumberError(Reason::CustomerGone,
                                 QObject::tr("Customer number %1 is no longer in the database (it was removed), "
                                             "so no invoice was made.")
                                     .arg(customerId));
    database.execute("UPDATE TblBillingCodes SET InvoiceNumber = ? WHERE rowid = ?", {taken, counter.rowId});
    return taken;
}

} // namespace quillbill
