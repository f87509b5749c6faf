// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/CreditNotes.h"

#include "records/Database.h"
#include "records/invoices/InvoiceAmounts.h"
#include "records/invoices/InvoiceContent.h"
#include "records/invoices/InvoiceHistory.h"
#include "records/invoices/InvoiceNumbers.h"
#include "records/invoices/Payments.h"

#include <QHash>
#include <QObject>
#include <QSqlRecord>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace quillbill {

namespace {

using Reason = CreditRefused::Reason;

QString amountText(int64_t units) { return amountInMessage(Money::fromUnits(units)); }

bool sameSign(int64_t a, int64_t b) { return (a > 0 && b > 0) || (a < 0 && b < 0); }

// What `takenBack` (of the job's description, not yet given to an earlier
// job of it) covers of a job of `sums`.
int64_t coveredOf(int64_t sums, int64_t takenBack)
{
    if (!sameSign(sums, takenBack))
        return 0;
    return (sums > 0 ? takenBack < sums : takenBack > sums) ? takenBack : sums;
}

} // namespace

CreditableInvoice CreditNotes::creditable(int32_t customerId, int32_t invoiceId) const
{
    const QVariantList key{customerId, invoiceId};
    if (!database_.firstRow("SELECT 1 FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?", key))
        throw CreditRefused(
            Reason::InvoiceGone,
            QObject::tr("Invoice %1 is no longer in the database, so no credit note was made.").arg(invoiceId));

    CreditableInvoice invoice;
    for (const QSqlRecord& row : database_.rows("SELECT InvoiceID FROM TblInvoice WHERE CustomerID = ? AND "
                                                "CreditFor = ? ORDER BY InvoiceID",
                                                key))
        invoice.creditNotes.push_back(row.value(0).toInt());

    // Taken back, as positive amounts, by the description the notes' lines
    // carry over from the invoice's jobs. The notes are found first (CROSS
    // JOIN fixes the order), not among all of the customer's jobs.
    QHash<QString, int64_t> takenBack;
    int64_t takenBackInAll = 0;
    for (const QSqlRecord& row : database_.rows("SELECT job.JobDescription, SUM(job.Sums) FROM TblInvoice note "
                                                "CROSS JOIN TblJobs job WHERE job.CustomerID = note.CustomerID AND "
                                                "job.InvoiceID = note.InvoiceID AND note.CustomerID = ? AND "
                                                "note.CreditFor = ? GROUP BY job.JobDescription",
                                                key)) {
        takenBack[row.value(0).toString()] = -row.value(1).toLongLong();
        takenBackInAll -= row.value(1).toLongLong();
    }

    int64_t billed = 0;
    for (const StoredJob& job : InvoiceRecords(database_).jobsOf(customerId, invoiceId)) {
        int64_t& left = takenBack[job.description];
        const int64_t covered = coveredOf(job.sums.units(), left);
        left -= covered;
        invoice.jobs.push_back({job, Money::fromUnits(job.sums.units() - covered)});
        billed += job.sums.units();
    }
    invoice.billed = Money::fromUnits(billed);
    invoice.open = Money::fromUnits(billed - takenBackInAll);
    return invoice;
}

int32_t CreditNotes::make(int32_t customerId, int32_t invoiceId, const std::vector<CreditLine>& lines,
                          const QString& reason, const KeptHeader& header, const QDate& date) const
{
    if (!date.isValid())
        throw std::invalid_argument("a credit note needs a valid date");
    int32_t note = 0;
    database_.inTransaction([&] {
        const CreditableInvoice invoice = creditable(customerId, invoiceId);
        const auto stored = database_.firstRow("SELECT Status, CreditFor FROM TblInvoice WHERE CustomerID = ? AND "
                                               "InvoiceID = ?",
                                               {customerId, invoiceId});
        if (!stored->value(1).isNull())
            throw CreditRefused(
                Reason::IsCreditNote,
                QObject::tr("%1 is a credit note; a credit note is not itself credited.").arg(invoiceId));
        if (stored->value(0).toInt() != StoredStatus::issued)
            throw CreditRefused(Reason::NotIssued,
                                QObject::tr("Invoice %1 is a draft, so no credit note was made: a draft is "
                                            "corrected by changing its jobs.")
                                    .arg(invoiceId));

        int64_t total = 0;
        std::set<int64_t> credited;
        std::vector<std::pair<const StoredJob*, int64_t>> noteJobs;
        for (const CreditLine& line : lines) {
            const auto found = std::find_if(invoice.jobs.begin(), invoice.jobs.end(),
                                            [&](const CreditableJob& job) { return job.job.jobId == line.jobId; });
            if (found == invoice.jobs.end() || !credited.insert(line.jobId).second)
                throw CreditRefused(Reason::NotOnInvoice,
                                    QObject::tr("A line of the credit note names no job of invoice %1, so no "
                                                "credit note was made.")
                                        .arg(invoiceId));
            const int64_t amount = line.amount.units();
            const int64_t open = found->open.units();
            if (amount == 0)
                continue;
            if (!sameSign(amount, open) || (open > 0 ? amount > open : amount < open))
                throw CreditRefused(Reason::MoreThanOpen,
                                    QObject::tr("\"%1\" has %2 left to credit, so no credit note of %3 for it was "
                                                "made.")
                                        .arg(found->job.description, amountText(open), amountText(amount)));
            total += amount;
            noteJobs.emplace_back(&found->job, amount);
        }
        if (total <= 0)
            throw CreditRefused(Reason::NothingCredited,
                                QObject::tr("The credit note would take back nothing, so it was not made."));
        if (total > invoice.open.units())
            throw CreditRefused(Reason::MoreThanOpen,
                                QObject::tr("Invoice %1 has %2 left to credit, so no credit note of %3 was made.")
                                    .arg(invoiceId)
                                    .arg(amountText(invoice.open.units()), amountText(total)));

        const auto customer =
            database_.firstRow("SELECT BillingCode FROM TblCustomer WHERE CustomerID = ?", {customerId});
        note = takeInvoiceNumber(database_, customer ? customer->value(0).toString() : QString(), customerId);
        // The invoice's own discount and taxes; one from before they were
        // kept prints the company's, so the note keeps those.
        database_.execute(
            "INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Paid, Discount, GSTRate, PSTRate, GSTName, "
            "PSTName, CreditFor) "
            "SELECT ?, invoice.CustomerID, ?, 0, invoice.Discount, COALESCE(invoice.GSTRate, company.GSTRate), "
            "COALESCE(invoice.PSTRate, company.PSTRate), COALESCE(invoice.GSTName, company.GSTName), "
            "COALESCE(invoice.PSTName, company.PSTName), invoice.InvoiceID "
            "FROM TblInvoice AS invoice "
            "LEFT JOIN (SELECT * FROM TblMyCompanyInfo ORDER BY rowid LIMIT 1) AS company ON TRUE "
            "WHERE invoice.CustomerID = ? AND invoice.InvoiceID = ?",
            {note, date.toString(Qt::ISODate), customerId, invoiceId});
        for (const auto& [job, amount] : noteJobs)
            database_.execute("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (?, ?, ?, ?)",
                              {customerId, note, job->description, qlonglong{-amount}});
        IssuedInvoices::keepIssued(database_, customerId, note, user_, header);

        const InvoiceHistory history(database_);
        QJsonObject made{{QStringLiteral("creditNote"), note}, {QStringLiteral("sums"), QString::number(total)}};
        QJsonObject issued{{QStringLiteral("invoice"), invoiceId}, {QStringLiteral("sums"), QString::number(total)}};
        if (!reason.isEmpty()) {
            made.insert(QStringLiteral("reason"), reason);
            issued.insert(QStringLiteral("reason"), reason);
        }
        history.record(customerId, invoiceId, InvoiceEvent::CreditNoteMade, user_, made);
        history.record(customerId, note, InvoiceEvent::CreditNoteIssued, user_, issued);
        // What is left to pay is less now.
        Payments::settle(database_, customerId, invoiceId);
    });
    return note;
}

} // namespace quillbill
