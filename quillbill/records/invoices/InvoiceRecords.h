#pragma once

#include "common/Money.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace quillbill {

class Database;

// One job line of an invoice, as TblJobs stores it.
struct JobEntry {
    int32_t customerId = 0;
    int32_t invoiceId = 0;
    QString description;
    Money sums;
};

// The rows of TblInvoice and TblJobs that invoicing writes, and the invoice
// number counters of TblBillingCodes.
class InvoiceRecords {
public:
    explicit InvoiceRecords(const Database& database) : database_(database) {}

    // Issues the next invoice number of `billingCode` for the customer and
    // stores the invoice (dated `date`, unpaid) and the advanced counter,
    // both or neither, in one transaction that holds the write lock before it
    // reads the counter: two programs never issue one number twice. Of
    // several counter rows of one code the oldest counts. Throws
    // InvoiceNumberError when no number can be issued, DatabaseError when
    // the database refuses or another program holds it too long.
    int32_t issueInvoice(const QString& billingCode, int32_t customerId, const QDate& date) const;

    // Stores a job of a stored invoice and returns the JobID the database
    // gave it. Throws, writing nothing, EmptyJobDescription for an empty
    // description, InvoiceGone when the invoice is not stored, and
    // DatabaseError for any other refusal.
    int64_t addJob(const JobEntry& job) const;

private:
    const Database& database_;
};

} // namespace quillbill
