#include "invoicing/InvoiceForms.h"

#include <QObject>

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

QString discountLabel(int64_t percent) { return QObject::tr("Discount (%1%)").arg(percent); }

QString deductionText(Millionths amount, const QLocale& locale) { return dollars(-amount, locale); }

QString dollars(Millionths amount, const QLocale& locale)
{
    const QString text = moneyText(amount, locale);
    const QString minus = locale.negativeSign();
    return text.startsWith(minus) ? minus + u'$' + text.mid(minus.size()) : u'$' + text;
}

QString moneyText(Millionths amount, const QLocale& locale)
{
    const bool negative = amount < 0;
    Millionths cents = roundedToCent(negative ? -amount : amount) / millionthsPerCent;

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
