#pragma once

#include "common/Money.h"
#include "records/GuardedSave.h"

#include <QDate>
#include <QSqlRecord>
#include <QString>

#include <cstdint>
#include <optional>

namespace quillbill {

class Database;

// One job line of an invoice, as TblJobs stores it.
struct JobEntry {
    int32_t customerId = 0;
    int32_t invoiceId = 0;
    QString description;
    Money sums;
};

// An invoice row as a window read it, for a save that writes only over it.
struct InvoiceAsRead {
    qlonglong rowId = 0;
    QSqlRecord row; // every column
};

// The rows of TblInvoice and TblJobs that invoicing writes, and the invoice
// number counters of TblBillingCodes.
class InvoiceRecords {
public:
    explicit InvoiceRecords(const Database& database) : database_(database) {}

    // Issues the next invoice number of `billingCode` for the customer and
    // stores the invoice (dated `date`, unpaid, with `discountPercent`, 0 to
    // 100, off its jobs) and the advanced counter,
    // both or neither, in one transaction that holds the write lock before it
    // reads the counter: two programs never issue one number twice. Of
    // several counter rows of one code the oldest counts. Throws
    // InvoiceNumberError when no number can be issued, DatabaseError when
    // the database refuses or another program holds it too long.
    int32_t createInvoice(const QString& billingCode, int32_t customerId, const QDate& date,
                         int discountPercent = 0) const;

    // The invoice as it is stored now; nullopt when it is not.
    std::optional<InvoiceAsRead> readInvoice(int32_t customerId, int32_t invoiceId) const;

    // Stores `discountPercent` (0 to 100) as the invoice's discount, but only
    // while its row is still as `asRead` holds it: another program's change
    // in between is never silently undone. On Saved `asRead` becomes the row
    // as written; on ChangedMeanwhile nothing is written and `asRead` becomes
    // the row as it now is; on Gone nothing is written.
    SaveOutcome saveDiscount(int32_t customerId, int32_t invoiceId, int discountPercent, InvoiceAsRead& asRead) const;

    // Stores a job of a stored invoice and returns the JobID the database
    // gave it. Throws, writing nothing, EmptyJobDescription for an empty
    // description, InvoiceGone when the invoice is not stored, and
    // DatabaseError for any other refusal.
    int64_t addJob(const JobEntry& job) const;

private:
    const Database& database_;
};

} // namespace quillbill
