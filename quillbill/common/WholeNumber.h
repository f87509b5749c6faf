// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <optional>

namespace quillbill {

// Parses a whole number the way the settings and the user table hold them:
// optional blanks around an optional sign and decimal digits. Anything else,
// the empty text included, gives nullopt; a number beyond the range of int is
// clamped to that range.
std::optional<int> parseWholeNumber(const QString& text);

} // namespace quillbill
