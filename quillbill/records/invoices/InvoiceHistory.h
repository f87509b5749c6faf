// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <vector>

namespace quillbill {

class Database;

// What can happen to an invoice, as TblInvoiceHistory names it.
enum class InvoiceEvent {
    Issued, // {"how": "printed" | "pdf" | "mailed"}
    JobAdded, // {"after": job}
    JobChanged, // {"before": job, "after": job}
    JobDeleted, // {"before": job}
    DiscountChanged, // {"before": percent, "after": percent}
    // Each with "reason" when one was given; "sums" is what the note took
    // back, positive.
    CreditNoteMade, // on the invoice: {"creditNote": number, "sums": "ten-thousandths"}
    CreditNoteIssued, // on the credit note: {"invoice": number, "sums": "ten-thousandths"}
    MarkedPaid, // {"date": "yyyy-MM-dd"}, or {} without a date
    MarkedUnpaid,
    // {"payment": PaymentID, "sums": "ten-thousandths", "date": "yyyy-MM-dd", "method": name}
    PaymentRecorded,
    // {"payment": the reversed PaymentID, "sums": "ten-thousandths" taken back}
    PaymentReversed,
};

// One line of an invoice's history. A job in `detail` is
// {"description": text, "sums": "ten-thousandths"}, and an amount is
// ten-thousandths as text.
struct HistoryLine {
    QDateTime at; // UTC
    QString user;
    InvoiceEvent event = InvoiceEvent::Issued;
    QJsonObject detail;
};

// The history of every invoice: lines are added in the transaction of the
// change they record, so a change is never kept without its line, and none
// is ever changed or removed.
class InvoiceHistory {
public:
    explicit InvoiceHistory(const Database& database) : database_(database) {}

    // Adds a line for the invoice, now, by `user`. Call inside the
    // transaction that makes the change. Throws DatabaseError.
    void record(int32_t customerId, int32_t invoiceId, InvoiceEvent event, const QString& user,
                const QJsonObject& detail = {}) const;

    // The invoice's lines, oldest first. A line of an event this program
    // does not know (written by a newer one) is left out.
    std::vector<HistoryLine> linesOf(int32_t customerId, int32_t invoiceId) const;

    // A job as `detail` holds it.
    static QJsonObject job(const QString& description, int64_t tenThousandths);

private:
    const Database& database_;
};

} // namespace quillbill
