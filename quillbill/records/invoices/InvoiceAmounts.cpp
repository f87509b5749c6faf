// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/InvoiceAmounts.h"

#include "common/InvoiceTotals.h"

#include <QLocale>

namespace quillbill {

Money grandTotalOf(int64_t jobsSum, int64_t discountPercent, int64_t gstRate, int64_t pstRate)
{
    const InvoiceTotals totals =
        invoiceTotals(fromTenThousandths(jobsSum), discountPercent, TaxRate{gstRate}, TaxRate{pstRate});
    // Whole cents, so exact in ten-thousandths.
    return Money::fromUnits(static_cast<int64_t>(totals.grandTotal / 100));
}

QString amountInMessage(Money amount) { return u'$' + Money::typedText(amount, QLocale()); }

} // namespace quillbill
