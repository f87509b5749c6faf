// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/TaxRate.h"

#include <cstdint>

namespace quillbill {

// An amount of money in millionths of the currency unit. Stored amounts are
// ten-thousandths; the wide type keeps the largest stored sums times a tax
// rate in thousandths of a per cent from overflowing.
__extension__ using Millionths = __int128;

Millionths fromTenThousandths(int64_t tenThousandths);

// The largest discount an invoice can have, in per cent: all of it.
constexpr int64_t largestDiscountPercent = 100;

// `amount` to the cent, halves away from zero on either side: how every
// amount of an invoice is shown, and how its discount is taken off.
Millionths roundedToCent(Millionths amount);

// The discount of an invoice whose jobs come to `jobs`: `percent` whole
// percents of it, rounded to the cent, so that the jobs less the discount
// is an amount the document can show exactly.
Millionths discountOf(Millionths jobs, int64_t percent);

// The amounts at the foot of an invoice, each a whole number of cents, so
// that the lines a customer reads add up. The discount comes off the jobs
// first. Each tax is reckoned on what is left, the total, unrounded, then
// rounded half away from zero to the cent; the grand total is the total as
// shown plus the taxes as shown.
struct InvoiceTotals {
    Millionths jobs;
    Millionths discount; // whole cents
    Millionths total; // jobs - discount, unrounded
    Millionths gst; // whole cents
    Millionths pst; // whole cents
    Millionths grandTotal; // whole cents
};

// `discountPercent` is the invoice's discount (0 to 100); `gst` and `pst`
// are the rates the invoice is taxed at.
InvoiceTotals invoiceTotals(Millionths jobs, int64_t discountPercent, TaxRate gst, TaxRate pst);

// `rate` of `amount`, rounded half away from zero to the cent.
Millionths taxOf(Millionths amount, TaxRate rate);

} // namespace quillbill
