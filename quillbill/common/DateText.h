// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quillbill {

// Dates as the windows show them: in the user's own short form, with the
// year in four digits, so that no date reads two ways ("26-12-09").

// The short date form of `locale` with a four-digit year: "yyyy-MM-dd" in
// Canadian French, "M/d/yyyy" in US English.
QString fullYearDateFormat(const QLocale& locale);

// `date` in that form; empty for a null date.
QString dateText(QDate date, const QLocale& locale = QLocale());
// A moment in that form with the time of day in the locale's short form.
QString dateTimeText(const QDateTime& moment, const QLocale& locale = QLocale());

// A date typed in the user's short form, its year in four digits or in two
// (taken in this century); null when the text is not such a date.
QDate readTypedDate(const QString& typed, const QLocale& locale = QLocale());

} // namespace quillbill
