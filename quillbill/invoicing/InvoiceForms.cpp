#include "invoicing/InvoiceForms.h"

namespace quillbill {

namespace {

constexpr int64_t millionthsPerTenThousandth = 100;
constexpr int64_t millionthsPerCent = 10'000;

} // namespace

Millionths fromTenThousandths(int64_t tenThousandths)
{
    return Millionths(tenThousandths) * millionthsPerTenThousandth;
}

InvoiceTotals invoiceTotals(Millionths total, int64_t gstPercent, int64_t pstPercent)
{
    // total (millionths) x rate / 100 is exact only for totals that are
    // whole ten-thousandths, which every stored sum is.
    const Millionths gst = total / millionthsPerTenThousandth * gstPercent;
    const Millionths pst = total / millionthsPerTenThousandth * pstPercent;
    return {total, gst, pst, total + gst + pst};
}

QString moneyText(Millionths amount, const QLocale& locale)
{
    const bool negative = amount < 0;
    Millionths magnitude = negative ? -amount : amount;
    // Half a cent and more goes up, away from zero on either side.
    Millionths cents = (magnitude + millionthsPerCent / 2) / millionthsPerCent;

    const auto fraction = static_cast<int>(cents % 100);
    cents /= 100;
    QString whole;
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            whole.prepend(locale.groupSeparator());
        whole.prepend(QChar(u'0' + static_cast<int>(cents % 10)));
        cents /= 10;
        ++digits;
    } while (cents > 0);

    QString text = negative && (whole != QStringLiteral("0") || fraction != 0) ? locale.negativeSign() : QString();
    text += whole + locale.decimalPoint();
    text += QChar(u'0' + fraction / 10);
    text += QChar(u'0' + fraction % 10);
    return text;
}

QString shortInvoiceDate(QDate date, const QLocale& locale)
{
    return locale.toString(date, QStringLiteral("MMM d, yyyy"));
}

QString longInvoiceDate(QDate date, const QLocale& locale)
{
    return locale.toString(date, QStringLiteral("dddd, MMMM d, yyyy"));
}

} // namespace quillbill
