// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/TaxRate.h"
#include "invoicing/BuildInvoiceData.h"
#include "records/invoices/InvoiceContent.h"
#include "records/invoices/IssuedInvoices.h"
#include "records/invoices/Payments.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>

namespace quillbill {

class Database;

// Everything the invoice document prints of one invoice, read from the
// database for the invoice it names, never from TblBuildInvoiceData.
struct InvoiceRows : InvoiceContent {
    // The taxes the invoice was made with (for an invoice from before
    // they were kept, the first company row's): rates and names.
    TaxRate gst;
    TaxRate pst;
    QString gstName;
    QString pstName;
    QDate date;
    // Issued: the office, the customer and the jobs are those it was sent
    // with (for an invoice issued before they were kept, as they are now).
    bool issued = false;
    // A credit note names the invoice it corrects, and that invoice's date
    // (null when it has none, or is gone).
    struct CreditedInvoice {
        int32_t invoiceId = 0;
        QDate date;
    };
    std::optional<CreditedInvoice> creditFor;
    // An invoice with payments: what it comes to, what was paid and what
    // is still owed, as of now, so a reprint says what is due.
    std::optional<InvoiceBalance> balance;
};

// What a document made now prints of the office (every company row) and
// of the customer's billing address. Throws as readInvoiceRows does when
// there is no company row or no such customer.
KeptHeader currentHeader(const Database& database, int32_t customerId);

// Throws DatabaseError when a statement fails, and std::runtime_error with a
// message for the user when there is no company row, no such invoice or
// customer, an invoice without a date, or one whose discount is not from 0
// to 100 per cent.
InvoiceRows readInvoiceRows(const Database& database, InvoiceSelection invoice);

} // namespace quillbill
