// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <limits>

namespace quirepress::detail {

// Page numbers, positions and sizes are 16- and 32-bit values that callers
// and stored definitions rely on; arithmetic that leaves their range is an
// overflow error, never a silent wrap.
template <typename Narrow>
Narrow checkedNarrow(int64_t value)
{
    if (value < std::numeric_limits<Narrow>::min() || value > std::numeric_limits<Narrow>::max())
        throw Error(6, QStringLiteral("Quirepress.Output"),
                    QCoreApplication::translate("quirepress::Error", "Overflow"));
    return static_cast<Narrow>(value);
}

inline int16_t checked16(int64_t value) { return checkedNarrow<int16_t>(value); }
inline int32_t checked32(int64_t value) { return checkedNarrow<int32_t>(value); }

} // namespace quirepress::detail
