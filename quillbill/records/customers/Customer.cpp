// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/customers/Customer.h"

#include <QObject>

namespace quillbill {

QString listedName(const Customer& customer)
{
    return customer.hidden ? QObject::tr("%1 (hidden)").arg(customer.company) : customer.company;
}

QString formatPhoneNumber(const QString& entry)
{
    static const QString pattern = QStringLiteral("(###) ###-####");
    const QString digits = entry.trimmed();
    if (digits.isEmpty())
        return {};
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return entry;

    QString result;
    qsizetype next = digits.size(); // digits are taken from the right
    for (qsizetype i = pattern.size() - 1; i >= 0; --i) {
        const QChar place = pattern.at(i);
        if (place != u'#') {
            result.prepend(place);
            continue;
        }
        if (next > 0)
            result.prepend(digits.at(--next));
        const bool firstPlace = pattern.indexOf(u'#') == i;
        if (firstPlace && next > 0)
            result.prepend(digits.left(next));
    }
    // A number without its area code reads as one, not as empty brackets.
    static const QString noAreaCode = QStringLiteral("() ");
    if (result.startsWith(noAreaCode))
        result.remove(0, noAreaCode.size());
    return result;
}

} // namespace quillbill
