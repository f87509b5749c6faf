// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"
#include "records/invoices/CreditNotes.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quillbill {

class Database;

// What the credit note window does, without its pixels: reads what an
// issued invoice has left to credit, judges the amounts typed against each
// job, and makes the credit note, by `user`, with the office and customer
// as they are now on its document.
class CreditNoteMaking {
public:
    // Throws CreditRefused when the invoice is not stored, DatabaseError.
    CreditNoteMaking(const Database& database, QString user, int32_t customerId, int32_t invoiceId);

    int32_t invoiceId() const { return invoiceId_; }
    const CreditableInvoice& invoice() const { return invoice_; }
    // Reads invoice() again. Throws as the constructor does.
    void reread();

    // The typed amounts, one per job of invoice() (an empty box credits
    // nothing of its job), as the lines of a credit note; or why not, for
    // the user: an amount that is not one, of the wrong sign, more than is
    // left of its job, or lines that come to nothing.
    struct Judged {
        std::vector<CreditLine> lines;
        Money total;
        QString problem; // empty when the lines can be made
    };
    Judged judge(const std::vector<QString>& typed, const QLocale& locale) const;

    // Makes the credit note of `lines`, dated today, and returns its
    // number; afterwards invoice() is read again. Throws CreditRefused (the
    // invoice changed at another desk meanwhile), InvoiceNumberError,
    // DatabaseError, and std::runtime_error when its document could not be
    // headed (no company row).
    int32_t make(const std::vector<CreditLine>& lines, const QString& reason);

private:
    const Database& database_;
    const QString user_;
    const int32_t customerId_;
    const int32_t invoiceId_;
    CreditableInvoice invoice_;
};

} // namespace quillbill
