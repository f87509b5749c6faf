// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/DatabaseError.h"

#include <cstdint>

namespace quillbill {

// No invoice number could be issued; nothing was written. The message names
// the billing code and says what to do, for the person at the keyboard. It is
// a DatabaseError, so a window that shows every database failure shows it too.
class InvoiceNumberError : public DatabaseError {
public:
    enum class Reason {
        NoCounter, // the billing code has no TblBillingCodes row
        UnusableCounter, // its InvoiceNumber is empty, not a whole number, or negative
        NumbersUsedUp, // its InvoiceNumber is at the end of 32-bit numbers
        InvoiceExists, // the customer already has an invoice of the next number
        CustomerGone, // no customer has the number (another program removed it)
    };

    InvoiceNumberError(Reason reason, const QString& message) : DatabaseError(message), reason_(reason) {}
    Reason reason() const { return reason_; }

private:
    Reason reason_;
};

// A job without a description, refused before anything is written. The
// database would refuse it too; this tells it apart from other refusals, so
// the invoice window can say what is missing.
class EmptyJobDescription : public DatabaseError {
public:
    EmptyJobDescription();
};

// A job for an invoice that is no longer stored (a restore, or another
// program, removed it since it was made); nothing was written.
class InvoiceGone : public DatabaseError {
public:
    InvoiceGone(int32_t customerId, int32_t invoiceId);
};

// A change to an invoice that has been issued (printed, saved as PDF or
// mailed, perhaps at another desk): it stays as it was sent, and nothing was
// written. A credit note corrects it.
class InvoiceIssued : public DatabaseError {
public:
    explicit InvoiceIssued(int32_t invoiceId);
};

} // namespace quillbill
