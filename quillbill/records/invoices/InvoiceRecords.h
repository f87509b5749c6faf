// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"
#include "records/GuardedSave.h"
#include "records/invoices/InvoiceHistory.h"

#include <QDate>
#include <QJsonObject>
#include <QSqlRecord>
#include <QString>
#include <QVariantList>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace quillbill {

class Database;

// One job line of an invoice, as TblJobs stores it.
struct JobEntry {
    int32_t customerId = 0;
    int32_t invoiceId = 0;
    QString description;
    Money sums;
};

// A stored job as a window read it, for a change that writes only over it.
struct StoredJob {
    int64_t jobId = 0;
    QString description;
    Money sums;
};

// An invoice row as a window read it, for a save that writes only over it.
struct InvoiceAsRead {
    qlonglong rowId = 0;
    QSqlRecord row; // every column
};

// The rows of TblInvoice and TblJobs that invoicing writes, and the invoice
// number counters of TblBillingCodes. A draft's jobs and discount can be
// changed, each change recorded in the invoice's history under `user`; an
// issued invoice's cannot (InvoiceIssued is thrown, nothing written).
class InvoiceRecords {
public:
    explicit InvoiceRecords(const Database& database, QString user = {}) : database_(database), user_(std::move(user))
    {}

    // Gives the next invoice number of `billingCode` to the customer and
    // stores the invoice, a draft (dated `date`, unpaid, with
    // `discountPercent`, 0 to 100, off its jobs) and the advanced counter,
    // both or neither, in one transaction that holds the write lock before it
    // reads the counter: two programs never give one number twice. Of
    // several counter rows of one code the oldest counts. Throws
    // InvoiceNumberError when no number can be given, DatabaseError when
    // the database refuses or another program holds it too long.
    int32_t createInvoice(const QString& billingCode, int32_t customerId, const QDate& date,
                          int discountPercent = 0) const;

    // The invoice as it is stored now; nullopt when it is not.
    std::optional<InvoiceAsRead> readInvoice(int32_t customerId, int32_t invoiceId) const;

    // Stores `discountPercent` (0 to 100) as the draft's discount, but only
    // while its row is still as `asRead` holds it: another program's change
    // in between is never silently undone. On Saved `asRead` becomes the row
    // as written; on ChangedMeanwhile nothing is written and `asRead` becomes
    // the row as it now is; on Gone nothing is written. Throws
    // InvoiceIssued for an issued invoice.
    SaveOutcome saveDiscount(int32_t customerId, int32_t invoiceId, int discountPercent, InvoiceAsRead& asRead) const;

    // Stores a job of a stored draft and returns the JobID the database
    // gave it. Throws, writing nothing, EmptyJobDescription for an empty
    // description, InvoiceGone when the invoice is not stored, InvoiceIssued
    // when it has been issued, and DatabaseError for any other refusal.
    int64_t addJob(const JobEntry& job) const;

    // The invoice's jobs, in the order they were entered.
    std::vector<StoredJob> jobsOf(int32_t customerId, int32_t invoiceId) const;

    // Changes a job of a draft to `description` and `sums`, or deletes it,
    // but only while it is still as `asRead` holds it: ChangedMeanwhile or
    // Gone writes nothing. Throws EmptyJobDescription, InvoiceIssued, and
    // DatabaseError as addJob does.
    SaveOutcome changeJob(int32_t customerId, int32_t invoiceId, const StoredJob& asRead, const QString& description,
                          Money sums) const;
    SaveOutcome deleteJob(int32_t customerId, int32_t invoiceId, const StoredJob& asRead) const;

private:
    // Throws InvoiceGone or InvoiceIssued unless the invoice is a stored
    // draft; called under the write lock.
    void requireDraft(int32_t customerId, int32_t invoiceId) const;
    // Runs `statement` (its own `values`, then the job's key and its values
    // as read, bound) on a job of a draft and records `event` in the
    // invoice's history when it wrote the one job.
    SaveOutcome writeOverJob(int32_t customerId, int32_t invoiceId, const StoredJob& asRead, const char* statement,
                             QVariantList values, InvoiceEvent event, const QJsonObject& detail) const;

    const Database& database_;
    const QString user_;
};

} // namespace quillbill
