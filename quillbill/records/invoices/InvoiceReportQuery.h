// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

#include <cstdint>
#include <optional>

namespace quillbill {

// A statement with the values for its `?` placeholders, in order, as
// Database::execute takes them.
struct ReportStatement {
    QString sql;
    QVariantList values;
};

enum class PaidFilter { Paid, NotPaid, Both };

// What the invoice report window lets the user choose.
struct InvoiceReportChoices {
    // Both days are included; a start after the end selects nothing.
    QDate from;
    QDate to;
    // One customer's invoices, or every customer's when empty.
    std::optional<int32_t> customerId;
    PaidFilter paid = PaidFilter::Both;
};

// The rows of the invoice report: one per job of each invoice that matches,
// with every column of TblInvoice, TblCustomer and TblJobs, and the sum and
// count of the invoice's payment lines (PaymentsMade and PaymentLines, null
// without any). An invoice without jobs gives one row, its job columns
// null; invoices whose customer is gone give none. The rows of one
// company come together (the report starts a group whenever the company
// changes), then by invoice date and number, then in the order the jobs
// were entered.
ReportStatement invoiceReportStatement(const InvoiceReportChoices& choices);

} // namespace quillbill
