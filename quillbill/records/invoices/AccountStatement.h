// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"
#include "records/invoices/Payments.h"

#include <QDate>

#include <cstdint>
#include <optional>
#include <vector>

namespace quillbill {

class Database;

// One line of a customer's statement of account.
struct StatementLine {
    enum class Kind { Invoice, CreditNote, Payment, Reversal };
    Kind kind = Kind::Invoice;
    QDate date;
    // The invoice or credit note, or the invoice a payment was for.
    int32_t invoiceId = 0;
    // A credit note's: the invoice it corrects.
    std::optional<int32_t> creditFor;
    // A payment's or a reversal's.
    PaymentMethod method = PaymentMethod::Other;
    // What it adds to what the customer owes: an invoice and a reversal
    // add, a credit note and a payment take away. With taxes, whole cents.
    Money amount;
    // What the customer owes after it.
    Money balance;
};

// What a customer owed when a period began, what happened in it, in date
// order, and what they owed at its end.
struct AccountStatement {
    Money opening;
    std::vector<StatementLine> lines;
    Money closing;
};

// The statement of `customerId` from `from` to `to`, both days included:
// its issued invoices and credit notes by their dates, and its payments
// and reversals by the days the money came in or went back; on one day,
// documents before payments, each by number. Drafts have not been sent and
// are left out. An invoice marked paid before payments were recorded is
// taken as paid in full on its payment day (or its own, when it has none).
// Throws DatabaseError.
AccountStatement accountStatement(const Database& database, int32_t customerId, const QDate& from, const QDate& to);

} // namespace quillbill
