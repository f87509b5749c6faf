// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"
#include "records/DatabaseError.h"
#include "records/invoices/InvoiceRecords.h"
#include "records/invoices/IssuedInvoices.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

namespace quillbill {

class Database;

// A job of an issued invoice and what of it no credit note has taken back.
struct CreditableJob {
    StoredJob job;
    Money open;
};

// An issued invoice as a credit note may correct it: its jobs, what they
// bill, and what is still open to credit once its credit notes are counted.
struct CreditableInvoice {
    std::vector<CreditableJob> jobs;
    Money billed;
    Money open;
    // By number.
    std::vector<int32_t> creditNotes;
};

// What a credit note takes back of one job of the invoice it corrects.
struct CreditLine {
    int64_t jobId = 0;
    // Of the job's sign (a job is positive; one pasted negative long ago is
    // taken back as a positive line), and no more than what is open of it.
    Money amount;
};

// A credit note that cannot be made as asked; nothing was written. The
// message says why, for the person at the keyboard.
class CreditRefused : public DatabaseError {
public:
    enum class Reason {
        InvoiceGone, // the invoice is not stored
        NotIssued, // a draft is corrected by changing it
        IsCreditNote, // a credit note is not itself credited
        NothingCredited, // no line, or lines that come to nothing or less
        NotOnInvoice, // a line names no job of the invoice, or one twice
        MoreThanOpen, // a line, or the whole, takes back more than is open
    };

    CreditRefused(Reason reason, const QString& message) : DatabaseError(message), reason_(reason) {}
    Reason reason() const { return reason_; }

private:
    Reason reason_;
};

// Credit notes: documents of their own, numbered in the billing code's
// sequence, that take back amounts of an issued invoice (TblInvoice rows
// whose CreditFor names it, with negative jobs). An invoice is never
// credited more than it billed, and each job no more than it billed.
class CreditNotes {
public:
    CreditNotes(const Database& database, QString user) : database_(database), user_(std::move(user)) {}

    // What credit notes have taken back of the invoice and what is open.
    // Jobs of one description share what notes took back of that
    // description, the first of them first. Throws CreditRefused
    // (InvoiceGone) when it is not stored.
    CreditableInvoice creditable(int32_t customerId, int32_t invoiceId) const;

    // Makes and issues, by `user`, a credit note of `lines` for the issued
    // invoice, dated `date`, at the invoice's own discount and rates, with
    // `header` as what its document prints of the office and the customer,
    // and records it in both histories with `reason`. Number, note, jobs and
    // history are stored together or not at all, under the write lock, so
    // that two programs crediting one invoice never take back more than it
    // billed. Returns the note's number. Throws CreditRefused,
    // InvoiceNumberError and DatabaseError.
    int32_t make(int32_t customerId, int32_t invoiceId, const std::vector<CreditLine>& lines, const QString& reason,
                 const KeptHeader& header, const QDate& date) const;

private:
    const Database& database_;
    const QString user_;
};

} // namespace quillbill
