// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/InvoiceTotals.h"

namespace quillbill {

namespace {

constexpr int64_t millionthsPerTenThousandth = 100;
constexpr int64_t millionthsPerCent = 10'000;

} // namespace

Millionths fromTenThousandths(int64_t tenThousandths)
{
    return Millionths(tenThousandths) * millionthsPerTenThousandth;
}

namespace {

// `share` / `per` to the cent, `per` being what one cent of the result is
// in `share`'s units: half a cent and more goes up, away from zero on either
// side. Rounding the exact quotient once, never a rounded one again.
Millionths roundedShareToCent(Millionths share, Millionths per)
{
    const Millionths magnitude = share < 0 ? -share : share;
    const Millionths cents = (magnitude + per / 2) / per * millionthsPerCent;
    return share < 0 ? -cents : cents;
}

} // namespace

Millionths roundedToCent(Millionths amount) { return roundedShareToCent(amount, millionthsPerCent); }

Millionths discountOf(Millionths jobs, int64_t percent)
{
    // jobs (millionths) x percent / 100 is exact for whole ten-thousandths,
    // which every stored sum is; only the rounding to the cent changes it.
    return roundedToCent(jobs / millionthsPerTenThousandth * percent);
}

Millionths taxOf(Millionths amount, TaxRate rate)
{
    // amount x thousandths of a per cent is in millionths x 100,000.
    return roundedShareToCent(amount * rate.thousandthsOfPercent, Millionths(millionthsPerCent) * 100 * 1000);
}

InvoiceTotals invoiceTotals(Millionths jobs, int64_t discountPercent, TaxRate gst, TaxRate pst)
{
    const Millionths discount = discountOf(jobs, discountPercent);
    const Millionths total = jobs - discount;
    const Millionths gstAmount = taxOf(total, gst);
    const Millionths pstAmount = taxOf(total, pst);
    return {jobs, discount, total, gstAmount, pstAmount, roundedToCent(total) + gstAmount + pstAmount};
}

} // namespace quillbill
