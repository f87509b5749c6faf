// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <cstdint>

namespace quirepress::detail {

// A value that is exactly "{Page Number}" becomes the page number, one that is
// exactly "{Print Date}" today's date in the system's short form; any other
// value, a longer one holding a placeholder included, stays as it is.
QString expandPlaceholder(const QString& value, int16_t pageCount);

// False for a value that is certainly no placeholder; it then needs no
// expanding.
inline bool mayBePlaceholder(const QString& value) { return !value.isEmpty() && value.front() == u'{'; }

} // namespace quirepress::detail
