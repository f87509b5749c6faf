// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/WholeNumber.h"

#include <algorithm>
#include <limits>

namespace quillbill {

std::optional<int> parseWholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    const bool negative = trimmed.startsWith(u'-');
    const QString digits = trimmed.mid(trimmed.startsWith(u'-') || trimmed.startsWith(u'+') ? 1 : 0);
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    // A number too large for an int is still a number: it means "as far as
    // it goes", so it is clamped rather than refused.
    bool ok = false;
    const qlonglong value = digits.toLongLong(&ok);
    constexpr qlonglong largest = std::numeric_limits<int>::max();
    const qlonglong magnitude = ok ? std::min(value, largest + 1) : largest + 1;
    return static_cast<int>(
        std::clamp(negative ? -magnitude : magnitude, qlonglong{std::numeric_limits<int>::min()}, largest));
}

} // namespace quillbill
