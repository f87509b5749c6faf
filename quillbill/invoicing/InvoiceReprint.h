// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"
#include "records/GuardedSave.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace quillbill {

class Database;

// Where an invoice stands: a draft can still be corrected; an issued
// invoice has left the office and stays as it was sent; a credited one is
// wholly corrected by credit notes.
enum class InvoiceStatus { Draft, Issued, Credited };

// One stored invoice of a customer, as the reprint window lists it.
struct StoredInvoice {
    int32_t invoiceId = 0;
    QDate date; // null when the row has none
    bool paid = false;
    QDate paidDate; // null when not recorded
    std::optional<int64_t> discount; // per cent, as stored
    InvoiceStatus status = InvoiceStatus::Draft;
    // A credit note: the invoice it corrects.
    std::optional<int32_t> creditFor;
};

// What the reprint window reads and writes: a customer's invoices and the
// payment of one of them, recorded in the invoice's history under
// `user`. Each list is one statement, however many invoices a customer has.
// Failures throw DatabaseError.
class InvoiceReprint {
public:
    explicit InvoiceReprint(const Database& database, QString user = {}) : database_(database), user_(std::move(user))
    {}

    // By invoice number, credit notes among them. An issued invoice is
    // Credited once its credit notes take back all it billed.
    std::vector<StoredInvoice> invoicesOf(int32_t customerId) const;
    // Records whether `shown` (an invoice of `customerId`) is paid, and
    // when: a null `paidDate` stores no date. Writes only while the row still
    // holds the payment `shown` holds, so a payment another desk recorded
    // in between is not silently overwritten; otherwise writes nothing and
    // says whether the row was changed or is gone.
    SaveOutcome recordPayment(int32_t customerId, const StoredInvoice& shown, bool paid, const QDate& paidDate) const;

private:
    const Database& database_;
    const QString user_;
};

} // namespace quillbill
