// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"

#include <QString>

#include <cstdint>

namespace quillbill {

// What an invoice (or credit note) comes to with its taxes, to the cent,
// from its jobs' sum (ten-thousandths), its discount (whole per cent) and
// its two rates (thousandths of a per cent), as its document reckons it.
Money grandTotalOf(int64_t jobsSum, int64_t discountPercent, int64_t gstRate, int64_t pstRate);

// What has been paid of an invoice that bills `billed` (after its credit
// notes): the sum of its payment lines, or all of it for an invoice marked
// paid before payments were recorded in parts, which has none.
inline Money paidOf(Money billed, Money paymentLinesSum, int64_t paymentLines, bool markedPaid)
{
    return paymentLines == 0 && markedPaid ? billed : paymentLinesSum;
}

// An amount as a refusal's message names it: "$12.50", in the user's
// language.
QString amountInMessage(Money amount);

// The SQL of what grandTotalOf() takes, for TblInvoice AS invoice joined to
// the first company row AS company: the invoice's own discount and rates,
// or the company's for one from before they were kept. Four columns.
inline constexpr char invoiceAmountColumns[] =
    "invoice.Discount, COALESCE(invoice.GSTRate, company.GSTRate, 0), COALESCE(invoice.PSTRate, company.PSTRate, 0)";
inline constexpr char firstCompanyJoin[] =
    "LEFT JOIN (SELECT * FROM TblMyCompanyInfo ORDER BY rowid LIMIT 1) AS company ON TRUE";

} // namespace quillbill
