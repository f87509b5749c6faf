// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/InvoiceRecords.h"

#include "records/Database.h"
#include "records/invoices/InvoiceContent.h"
#include "records/invoices/InvoiceErrors.h"
#include "records/invoices/InvoiceHistory.h"
#include "records/invoices/InvoiceNumbers.h"

#include <QObject>
#include <QSqlRecord>

#include <stdexcept>

namespace quillbill {

namespace {

bool jobStillThere(const Database& database, int32_t customerId, int32_t invoiceId, int64_t jobId)
{
    return database
        .firstRow("SELECT 1 FROM TblJobs WHERE JobID = ? AND CustomerID = ? AND InvoiceID = ?",
                  {qlonglong{jobId}, customerId, invoiceId})
        .has_value();
}

// The schema takes any whole number; the invoice document takes these.
void checkDiscount(int discountPercent)
{
    if (discountPercent < 0 || discountPercent > 100)
        throw std::invalid_argument("a discount is 0 to 100 per cent");
}

} // namespace

int32_t InvoiceRecords::createInvoice(const QString& billingCode, int32_t customerId, const QDate& date,
                                      int discountPercent) const
{
    if (!date.isValid())
        throw std::invalid_argument("an invoice needs a valid date");
    checkDiscount(discountPercent);
    int32_t issued = 0;
    database_.inTransaction([&] {
        issued = takeInvoiceNumber(database_, billingCode, customerId);
        // The invoice keeps the taxes in force now: a later change of rates
        // never changes an invoice already made. Joined, not selected from
        // the company row, so that a file without one still stores the
        // invoice (with no taxes kept, and the document says what is missing).
        database_.execute("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Paid, Discount, "
                          "GSTRate, PSTRate, GSTName, PSTName) "
                          "SELECT ?, ?, ?, 0, ?, company.GSTRate, company.PSTRate, company.GSTName, company.PSTName "
                          "FROM (SELECT 1) AS one LEFT JOIN (SELECT * FROM TblMyCompanyInfo ORDER BY rowid LIMIT 1) AS "
                          "company ON TRUE",
                          {issued, customerId, date.toString(Qt::ISODate), discountPercent});
    });
    return issued;
}

std::optional<InvoiceAsRead> InvoiceRecords::readInvoice(int32_t customerId, int32_t invoiceId) const
{
    const auto found = database_.firstRow("SELECT rowid FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?",
                                          {customerId, invoiceId});
    if (!found)
        return std::nullopt;
    const qlonglong rowId = found->value(0).toLongLong();
    const auto row = readStoredRow(database_, "TblInvoice", "rowid", rowId);
    if (!row)
        return std::nullopt;
    return InvoiceAsRead{rowId, *row};
}

SaveOutcome InvoiceRecords::saveDiscount(int32_t customerId, int32_t invoiceId, int discountPercent,
                                         InvoiceAsRead& asRead) const
{
    checkDiscount(discountPercent);
    // A copy, so that a failed commit leaves `asRead` as it was.
    InvoiceAsRead row = asRead;
    SaveOutcome outcome = SaveOutcome::Saved;
    database_.inTransaction([&] {
        const QVariant before = row.row.value(QStringLiteral("Discount"));
        if (const auto stored = database_.firstRow("SELECT Status FROM TblInvoice WHERE CustomerID = ? AND "
                                                   "InvoiceID = ?",
                                                   {customerId, invoiceId});
            stored && stored->value(0).toInt() != StoredStatus::draft)
            throw InvoiceIssued(invoiceId);
        outcome = saveIfUnchangedInTransaction(database_, "TblInvoice", "rowid", row.rowId, "Discount = ?",
                                               {discountPercent}, row.row);
        if (outcome == SaveOutcome::Saved) {
            if (before.toInt() != discountPercent)
                InvoiceHistory(database_).record(
                    customerId, invoiceId, InvoiceEvent::DiscountChanged, user_,
                    {{QStringLiteral("before"), before.toInt()}, {QStringLiteral("after"), discountPercent}});
            return;
        }
        // Looked for by its number, not by where it was: a restore may have
        // put another invoice in its place.
        const auto now = readInvoice(customerId, invoiceId);
        outcome = now ? SaveOutcome::ChangedMeanwhile : SaveOutcome::Gone;
        if (now)
            row = *now;
    });
    if (outcome != SaveOutcome::Gone)
        asRead = row;
    return outcome;
}

void InvoiceRecords::requireDraft(int32_t customerId, int32_t invoiceId) const
{
    const auto stored = database_.firstRow("SELECT Status FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?",
                                           {customerId, invoiceId});
    if (!stored)
        throw InvoiceGone(customerId, invoiceId);
    if (stored->value(0).toInt() != StoredStatus::draft)
        throw InvoiceIssued(invoiceId);
}

int64_t InvoiceRecords::addJob(const JobEntry& job) const
{
    if (job.description.isEmpty())
        throw EmptyJobDescription();
    int64_t jobId = 0;
    // Under the write lock, so that the invoice is neither removed nor
    // issued between the look and the write.
    database_.inTransaction([&] {
        requireDraft(job.customerId, job.invoiceId);
        // JobID is left to the database (the row's rowid), so numbers never
        // collide and do not end at a width the program picked.
        jobId = database_.insertReturningKey(
            "INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (?, ?, ?, ?)",
            {job.customerId, job.invoiceId, job.description, qlonglong{job.sums.units()}}, QStringLiteral("JobID"));
        InvoiceHistory(database_).record(
            job.customerId, job.invoiceId, InvoiceEvent::JobAdded, user_,
            {{QStringLiteral("after"), InvoiceHistory::job(job.description, job.sums.units())}});
    });
    return jobId;
}

std::vector<StoredJob> InvoiceRecords::jobsOf(int32_t customerId, int32_t invoiceId) const
{
    std::vector<StoredJob> jobs;
    for (const QSqlRecord& row : database_.rows("SELECT JobID, JobDescription, Sums FROM TblJobs "
                                                "WHERE CustomerID = ? AND InvoiceID = ? ORDER BY JobID",
                                                {customerId, invoiceId}))
        jobs.push_back(
            {row.value(0).toLongLong(), row.value(1).toString(), Money::fromUnits(row.value(2).toLongLong())});
    return jobs;
}

SaveOutcome InvoiceRecords::changeJob(int32_t customerId, int32_t invoiceId, const StoredJob& asRead,
                                      const QString& description, Money sums) const
{
    if (description.isEmpty())
        throw EmptyJobDescription();
    return writeOverJob(customerId, invoiceId, asRead,
                        "UPDATE TblJobs SET JobDescription = ?, Sums = ? WHERE JobID = ? AND CustomerID = ? AND "
                        "InvoiceID = ? AND JobDescription = ? AND Sums = ?",
                        {description, qlonglong{sums.units()}}, InvoiceEvent::JobChanged,
                        {{QStringLiteral("before"), InvoiceHistory::job(asRead.description, asRead.sums.units())},
                         {QStringLiteral("after"), InvoiceHistory::job(description, sums.units())}});
}

SaveOutcome InvoiceRecords::deleteJob(int32_t customerId, int32_t invoiceId, const StoredJob& asRead) const
{
    return writeOverJob(customerId, invoiceId, asRead,
                        "DELETE FROM TblJobs WHERE JobID = ? AND CustomerID = ? AND InvoiceID = ? AND "
                        "JobDescription = ? AND Sums = ?",
                        {}, InvoiceEvent::JobDeleted,
                        {{QStringLiteral("before"), InvoiceHistory::job(asRead.description, asRead.sums.units())}});
}

SaveOutcome InvoiceRecords::writeOverJob(int32_t customerId, int32_t invoiceId, const StoredJob& asRead,
                                         const char* statement, QVariantList values, InvoiceEvent event,
                                         const QJsonObject& detail) const
{
    // The job's key and the values it was read with end every statement's
    // condition, so that it writes only over the job as it was read.
    values << qlonglong{asRead.jobId} << customerId << invoiceId << asRead.description
           << qlonglong{asRead.sums.units()};
    SaveOutcome outcome = SaveOutcome::Saved;
    database_.inTransaction([&] {
        requireDraft(customerId, invoiceId);
        if (database_.execute(QString::fromLatin1(statement), values).numRowsAffected() != 1) {
            outcome = jobStillThere(database_, customerId, invoiceId, asRead.jobId) ? SaveOutcome::ChangedMeanwhile
                                                                                    : SaveOutcome::Gone;
            return;
        }
        InvoiceHistory(database_).record(customerId, invoiceId, event, user_, detail);
    });
    return outcome;
}

} // namespace quillbill
