// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/InvoiceForms.h"

#include "app/DocumentLanguage.h"

namespace quillbill {

namespace {

constexpr int64_t millionthsPerCent = 10'000;

} // namespace

QString discountLabel(int64_t percent, const DocumentLanguage& words)
{
    return words.translate("quillbill::Document", "Discount (%1%)").arg(percent);
}

QString deductionText(Millionths amount, const QLocale& locale) { return dollars(-amount, locale); }

QString dollars(Millionths amount, const QLocale& locale)
{
    const QString text = moneyText(amount, locale);
    // French puts the sign after the amount, apart from it: "1 234,50 $".
    if (locale.language() == QLocale::French)
        return text + QChar(0x00a0) + u'$';
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
    if (locale.language() == QLocale::French)
        return locale.toString(date, QStringLiteral("d MMMM yyyy"));
    return locale.toString(date, QStringLiteral("MMM d, yyyy"));
}

QString longInvoiceDate(QDate date, const QLocale& locale)
{
    if (locale.language() == QLocale::French)
        return locale.toString(date, QStringLiteral("dddd d MMMM yyyy"));
    return locale.toString(date, QStringLiteral("dddd, MMMM d, yyyy"));
}

} // namespace quillbill
