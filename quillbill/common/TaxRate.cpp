// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/TaxRate.h"

namespace quillbill {

namespace {

constexpr int decimalPlaces = 3;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

std::optional<TaxRate> TaxRate::readTyped(const QString& typed, const QLocale& locale)
{
    QString text = typed.trimmed();
    if (text.endsWith(u'%') || text.endsWith(locale.percent()))
        text = text.chopped(text.endsWith(u'%') ? 1 : locale.percent().size()).trimmed();
    const QString point = locale.decimalPoint();
    const qsizetype at = text.indexOf(point);
    const QString whole = at < 0 ? text : text.left(at);
    const QString fraction = at < 0 ? QString() : text.mid(at + point.size());
    if ((whole.isEmpty() && fraction.isEmpty()) || whole.size() > 3 || fraction.size() > decimalPlaces)
        return std::nullopt;
    int64_t thousandths = 0;
    for (const QChar c : whole + fraction.leftJustified(decimalPlaces, u'0')) {
        if (!isDigit(c))
            return std::nullopt;
        thousandths = thousandths * 10 + (c.unicode() - u'0');
    }
    if (thousandths > largestThousandths)
        return std::nullopt;
    return TaxRate{thousandths};
}

QString TaxRate::text(const QLocale& locale) const
{
    QString text = QString::number(thousandthsOfPercent / 1000);
    QString fraction = QString::number(thousandthsOfPercent % 1000).rightJustified(decimalPlaces, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += locale.decimalPoint() + fraction;
    return text;
}

} // namespace quillbill
