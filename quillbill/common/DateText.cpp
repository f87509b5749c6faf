// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/DateText.h"

namespace quillbill {

QString fullYearDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString dateText(QDate date, const QLocale& locale)
{
    return date.isValid() ? locale.toString(date, fullYearDateFormat(locale)) : QString();
}

QString dateTimeText(const QDateTime& moment, const QLocale& locale)
{
    if (!moment.isValid())
        return {};
    return dateText(moment.date(), locale) + u' ' + locale.toString(moment.time(), QLocale::ShortFormat);
}

QDate readTypedDate(const QString& typed, const QLocale& locale)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    // Qt would read "26" in a four-digit year's place as the year 26.
    const QDate full = locale.toDate(text, fullYearDateFormat(locale));
    if (full.isValid() && full.year() >= 1000)
        return full;
    // Qt reads a two-digit year in the 1900s.
    QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (shortFormat.contains(QLatin1String("yyyy")))
        shortFormat.replace(QLatin1String("yyyy"), QLatin1String("yy"));
    const QDate twoDigits = locale.toDate(text, shortFormat);
    return twoDigits.isValid() ? twoDigits.addYears(100) : QDate();
}

} // namespace quillbill
