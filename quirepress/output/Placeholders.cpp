#include "output/Placeholders.h"

#include <QDate>
#include <QLocale>

namespace quirepress::detail {

QString expandPlaceholder(const QString& value, int16_t pageCount)
{
    if (value == QLatin1String("{Page Number}"))
        return QString::number(pageCount);
    if (value == QLatin1String("{Print Date}"))
        return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    return value;
}

} // namespace quirepress::detail
