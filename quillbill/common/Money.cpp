// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/Money.h"

#include <limits>

namespace quillbill {

namespace {

constexpr int decimalPlaces = 4;
// Both signs end here, so that every amount has a negative.
constexpr uint64_t largestUnits = std::numeric_limits<int64_t>::max();

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// value * 10 + digit, or nullopt when that passes the largest amount.
std::optional<uint64_t> appendDigit(uint64_t value, QChar digit)
{
    const auto d = static_cast<uint64_t>(digit.unicode() - u'0');
    if (value > (largestUnits - d) / 10)
        return std::nullopt;
    return value * 10 + d;
}

constexpr int typedDecimalPlaces = 2;

bool isSpaceSeparator(const QString& separator) { return separator.size() == 1 && separator.at(0).isSpace(); }

// Whether `c` is the locale's group separator, or a space where that is a
// space of another kind (French groups with a no-break space).
bool isGroupSeparator(QChar c, const QLocale& locale)
{
    const QString group = locale.groupSeparator();
    return group == QString(c) || (isSpaceSeparator(group) && c.isSpace());
}

bool isMinus(const QString& text, const QLocale& locale)
{
    return text == QStringLiteral("-") || text == locale.negativeSign();
}

// The whole part without its group separators, or nullopt when they do not
// stand between groups of three digits.
std::optional<QString> ungrouped(const QString& whole, const QLocale& locale)
{
    QString digits;
    qsizetype groupLength = 0;
    bool grouped = false;
    for (const QChar c : whole) {
        if (isGroupSeparator(c, locale)) {
            if (groupLength == 0 || groupLength > 3 || (grouped && groupLength != 3))
                return std::nullopt;
            grouped = true;
            groupLength = 0;
            continue;
        }
        if (!isDigit(c))
            return std::nullopt;
        digits += c;
        ++groupLength;
    }
    if (grouped && groupLength != 3)
        return std::nullopt;
    return digits;
}

} // namespace

std::optional<Money> Money::readTyped(const QString& typed, const QLocale& locale)
{
    QString text = typed.trimmed();
    bool negative = false;
    for (const QString& sign : {locale.negativeSign(), QStringLiteral("-")}) {
        if (!sign.isEmpty() && text.startsWith(sign)) {
            negative = true;
            text = text.mid(sign.size());
            break;
        }
    }
    const QString point = locale.decimalPoint();
    const qsizetype at = text.indexOf(point);
    const auto whole = ungrouped(at < 0 ? text : text.left(at), locale);
    const QString fraction = at < 0 ? QString() : text.mid(at + point.size());
    if (!whole || fraction.size() > typedDecimalPlaces)
        return std::nullopt;
    for (const QChar c : fraction)
        if (!isDigit(c))
            return std::nullopt;
    // The plain form holds nothing but digits and one '.', so parse() judges
    // the rest: at least one digit, and the range.
    QString plain = *whole;
    if (at >= 0)
        plain += u'.' + fraction;
    if (plain.isEmpty() || plain.startsWith(u'-'))
        return std::nullopt;
    const auto amount = parse(plain);
    if (!amount)
        return std::nullopt;
    return negative ? Money(-amount->units_) : *amount;
}

bool Money::isTypedCharacter(QChar c, const QLocale& locale)
{
    // Signs and both separators of any language are let in, so that what is
    // typed stays as typed and readTyped() can refuse it, rather than
    // "-5" or "12,50" silently becoming another amount.
    return isDigit(c) || c.isSpace() || QStringLiteral("-+.,'").contains(c) || locale.decimalPoint() == QString(c)
        || isGroupSeparator(c, locale) || isMinus(QString(c), locale) || locale.positiveSign() == QString(c);
}

QString Money::typedZero(const QLocale& locale)
{
    return u'0' + locale.decimalPoint() + QString(typedDecimalPlaces, u'0');
}

QString Money::typedText(Money amount, const QLocale& locale)
{
    const int64_t units = amount.units();
    // Unsigned, so that the most negative amount has a magnitude too.
    const uint64_t magnitude = units < 0 ? uint64_t(0) - uint64_t(units) : uint64_t(units);
    const uint64_t fraction = magnitude % 10'000;
    const bool cents = fraction % 100 == 0;
    const QString decimals = cents ? QStringLiteral("%1").arg(qulonglong(fraction / 100), 2, 10, QChar(u'0'))
                                   : QStringLiteral("%1").arg(qulonglong(fraction), 4, 10, QChar(u'0'));
    return (units < 0 ? QStringLiteral("-") : QString()) + QString::number(qulonglong(magnitude / 10'000))
        + locale.decimalPoint() + decimals;
}

std::optional<Money> Money::parse(const QString& typed)
{
    const QString text = typed.trimmed();
    const bool negative = text.startsWith(u'-');
    const QString number = text.mid(negative ? 1 : 0);

    const qsizetype point = number.indexOf(u'.');
    const QString whole = point < 0 ? number : number.left(point);
    const QString fraction = point < 0 ? QString() : number.mid(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (fraction.size() > decimalPlaces)
        return std::nullopt;

    // The fraction is padded to four places, so "1.5" reads as 1.5000.
    uint64_t units = 0;
    const QString digits = whole + fraction + QString(decimalPlaces - fraction.size(), u'0');
    for (const QChar c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        const auto next = appendDigit(units, c);
        if (!next)
            return std::nullopt;
        units = *next;
    }
    const auto magnitude = static_cast<int64_t>(units);
    return Money(negative ? -magnitude : magnitude);
}

QString Money::plainText() const
{
    // The magnitude as unsigned, since the smallest amount has no positive.
    const uint64_t magnitude = units_ < 0 ? 0 - static_cast<uint64_t>(units_) : static_cast<uint64_t>(units_);
    constexpr uint64_t scale = 10'000;
    QString text = units_ < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / scale);
    QString fraction = QString::number(magnitude % scale).rightJustified(decimalPlaces, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return text;
}

} // namespace quillbill
