// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace quirepress {
class Field;
}

namespace quirepress::detail {

// The ways SplitLine cuts a value into the part that fits on one line
// (left in `value`) and the rest (`right`). Each starts with `right` empty.

// On a page: the value loses words (or, without a blank, characters) from
// its end until `width` of it is at most `available` twips; text after a
// line break goes to the rest at once. At least one character always stays
// on the line, so that a caller splitting a value line by line ends.
void splitToWidth(const std::function<double(const QString&)>& width, double available, QString& value, QString& right);

// The length of the longest start of `text` whose `width` is at most
// `available`, in whole characters (a surrogate pair is never parted); 0
// when not even the first character fits. The start's width is taken to
// grow with its length: the search measures about as much text as fits, a
// few times over, however long `text` is.
qsizetype fittingLength(const std::function<double(const QString&)>& width, const QString& text, double available);

// What LimitSize leaves of `text` in a field `available` twips wide:
// characters go from its end until `width` of the rest is at most
// `available`; nothing is left when not even the first character fits.
QString limitToWidth(const std::function<double(const QString&)>& width, const QString& text, double available);

// In a text file or text e-mail: at most FieldWidth / GridX characters (at
// least one), cut at a line break or else, when something is left over, at
// the last blank.
void splitToColumns(const Field& field, int16_t gridX, QString& value, QString& right);

// In HTML: only a line break splits.
void splitAtLineBreak(QString& value, QString& right);

} // namespace quirepress::detail
