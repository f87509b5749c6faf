// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/invoices/InvoiceContent.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace quillbill {

class Database;

// How an invoice's document first left the office.
enum class IssueRoute { Printed, SavedAsPdf, Mailed };

enum class IssueOutcome {
    Issued,
    // It had been issued already; nothing was written.
    WasIssued,
    // Its jobs or discount were changed (at another desk) after the document
    // was made, so the document is not the invoice: it stays a draft.
    ChangedMeanwhile,
    // It is no longer stored.
    Gone,
};

// What the header and billing address of an issued invoice printed.
struct KeptHeader {
    std::vector<InvoiceCompany> companies;
    QString customerCompany;
    QString customerAddress;
    QString customerCityLine;
};

// Turns drafts into issued invoices: from then on an invoice is what its
// document showed.
class IssuedInvoices {
public:
    IssuedInvoices(const Database& database, QString user) : database_(database), user_(std::move(user)) {}

    // Issues the draft whose document showed `shown`, sent by `route`: keeps
    // its header and billing address as shown, records when and by whom,
    // and adds it to its history, in one transaction that holds the write
    // lock, and only while its jobs and discount are still those shown.
    // Throws DatabaseError.
    IssueOutcome issue(int32_t customerId, int32_t invoiceId, const InvoiceContent& shown, IssueRoute route) const;

    // The header an issued invoice printed; nullopt for a draft, and for an
    // invoice issued before headers were kept.
    std::optional<KeptHeader> keptHeader(int32_t customerId, int32_t invoiceId) const;

    // Marks the invoice issued now by `user`, printing `header`: call inside
    // the write transaction that decides it is issued.
    static void keepIssued(const Database& database, int32_t customerId, int32_t invoiceId, const QString& user,
                           const KeptHeader& header);

private:
    const Database& database_;
    const QString user_;
};

} // namespace quillbill
