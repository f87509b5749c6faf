// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/InvoiceTotals.h"
#include "common/Money.h"
#include "invoicing/ReportRows.h"

#include <QHash>
#include <QStringList>

#include <vector>

namespace quillbill {

// What an invoice of the invoice report comes to, or a group of them.
struct ReportAmounts {
    Millionths discount = 0; // whole cents; a credit note's is negative
    Millionths amount = 0; // its jobs less its discount, before taxes
    Millionths gst = 0;
    Millionths pst = 0;
    Millionths grandTotal = 0;
    // An invoice's payments, and what it still owes after its credit notes
    // and payments, today; a credit note's count in its invoice's.
    Millionths paid = 0;
    Millionths balance = 0;

    ReportAmounts& operator+=(const ReportAmounts& other);
};

// The amounts of `invoice`, whose jobs come to `jobs`, with taxes as its
// document reckons them. `credited` is what its credit notes take back
// (negative), wherever they are dated. An invoice marked paid before
// payments were recorded in parts has paid all it owes.
ReportAmounts reportAmountsOf(const ReportRows::Invoice& invoice, Millionths jobs, Money credited);

// Every invoice's amounts in a report, in the order of its rows, and the
// whole report's.
struct ReportTotals {
    std::vector<ReportAmounts> invoices; // by ReportRows::invoiceIndex
    ReportAmounts wholeReport;
    // The names each tax goes by on the invoices, each once, as first met.
    QStringList gstNames;
    QStringList pstNames;
    // Some invoice charges, or names, a second tax.
    bool secondTax = false;
};

// `credited` is creditedTotals().
ReportTotals reportTotalsOf(const ReportRows& rows, const QHash<qint64, Money>& credited);

} // namespace quillbill
