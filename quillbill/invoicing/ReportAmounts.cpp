// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/ReportAmounts.h"

#include "records/invoices/CreditedTotals.h"
#include "records/invoices/InvoiceAmounts.h"

namespace quillbill {

ReportAmounts& ReportAmounts::operator+=(const ReportAmounts& other)
{
    discount += other.discount;
    amount += other.amount;
    gst += other.gst;
    pst += other.pst;
    grandTotal += other.grandTotal;
    paid += other.paid;
    balance += other.balance;
    return *this;
}

ReportAmounts reportAmountsOf(const ReportRows::Invoice& invoice, Millionths jobs, Money credited)
{
    const InvoiceTotals totals = invoiceTotals(jobs, invoice.discountPercent, invoice.gst, invoice.pst);
    ReportAmounts amounts{totals.discount, totals.total, totals.gst, totals.pst, totals.grandTotal, 0, 0};
    if (!invoice.creditFor.isNull())
        return amounts;
    // The grand total is whole cents, so exact in ten-thousandths.
    const Money billed = Money::fromUnits(static_cast<int64_t>(totals.grandTotal / 100) + credited.units());
    const Money paid = paidOf(billed, Money::fromUnits(invoice.payments), invoice.paymentLines, invoice.markedPaid);
    amounts.paid = fromTenThousandths(paid.units());
    amounts.balance = fromTenThousandths(billed.units() - paid.units());
    return amounts;
}

ReportTotals reportTotalsOf(const ReportRows& rows, const QHash<qint64, Money>& credited)
{
    ReportTotals totals;
    const auto addName = [](QStringList& names, const QString& name) {
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    };
    for (size_t row = 0; row < rows.size();) {
        const size_t invoiceIndex = rows.invoiceIndex(row);
        Millionths jobs = 0;
        for (; row < rows.size() && rows.invoiceIndex(row) == invoiceIndex; ++row)
            jobs += fromTenThousandths(rows.tenThousandths(row));
        const ReportRows::Invoice& invoice = rows.invoice(row - 1);
        const Money creditedTotal = invoice.invoiceId.isNull()
            ? Money()
            : credited.value(invoiceKey(invoice.customerId.toInt(), invoice.invoiceId.toInt()));
        totals.invoices.push_back(reportAmountsOf(invoice, jobs, creditedTotal));
        totals.wholeReport += totals.invoices.back();
        addName(totals.gstNames, invoice.gstName);
        addName(totals.pstNames, invoice.pstName);
        totals.secondTax = totals.secondTax || invoice.pst.thousandthsOfPercent != 0 || !invoice.pstName.isEmpty();
    }
    totals.secondTax = totals.secondTax || totals.wholeReport.pst != 0;
    return totals;
}

} // namespace quillbill
