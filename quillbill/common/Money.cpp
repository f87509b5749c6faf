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

} // namespace

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
