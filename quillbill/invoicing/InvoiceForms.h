#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdint>

namespace quillbill {

// An amount of money in millionths of the currency unit. Stored amounts are
// ten-thousandths and tax rates whole percents, so an amount times a rate
// over 100 is exact in millionths; the wide type keeps the largest stored
// sums times 100 from overflowing.
__extension__ using Millionths = __int128;

Millionths fromTenThousandths(int64_t tenThousandths);

// The four amounts at the foot of an invoice, unrounded: the sum of the
// jobs, the two taxes on it and the grand total made of those three. Each is
// rounded only when it is shown, so the shown parts need not add up to the
// shown total.
struct InvoiceTotals {
    Millionths total;
    Millionths gst;
    Millionths pst;
    Millionths grandTotal;
};

// `gstPercent` and `pstPercent` are the company's rates in whole percents.
InvoiceTotals invoiceTotals(Millionths total, int64_t gstPercent, int64_t pstPercent);

// "##,##0.00": thousands grouped with the locale's separator, the locale's
// decimal point, two decimals rounded half away from zero, a leading minus
// for a negative amount.
QString moneyText(Millionths amount, const QLocale& locale);

// "mmm d, yyyy" (Dec 7, 2026) and "dddd, mmmm d, yyyy" (Monday, December
// 7, 2026), with the month and day names of `locale`.
QString shortInvoiceDate(QDate date, const QLocale& locale);
QString longInvoiceDate(QDate date, const QLocale& locale);

} // namespace quillbill
