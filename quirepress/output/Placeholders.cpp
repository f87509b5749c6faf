// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/Placeholders.h"

#include <QDate>
#include <QLocale>

namespace quirepress::detail {

QString expandPlaceholder(const QString& value, int16_t pageCount)
{
    // Most values are no placeholder; they are told apart by their first
    // character alone.
    if (!mayBePlaceholder(value))
        return value;
    if (value == QLatin1String("{Page Number}"))
        return QString::number(pageCount);
    if (value == QLatin1String("{Print Date}"))
        return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    return value;
}

} // namespace quirepress::detail
