#include "invoicing/HistoryText.h"

#include "invoicing/InvoiceForms.h"
#include "invoicing/PaymentText.h"

#include <QDate>
#include <QJsonObject>
#include <QObject>

namespace quillbill {

namespace {

QString jobText(const QJsonValue& job, const QLocale& locale)
{
    const QJsonObject fields = job.toObject();
    const int64_t sums = fields.value(QStringLiteral("sums")).toString().toLongLong();
    return QObject::tr("\"%1\" %2")
        .arg(fields.value(QStringLiteral("description")).toString(), dollars(fromTenThousandths(sums), locale));
}

QString routeText(const QString& how)
{
    if (how == QLatin1String("printed"))
        return QObject::tr("printed");
    if (how == QLatin1String("pdf"))
        return QObject::tr("saved as PDF");
    if (how == QLatin1String("mailed"))
        return QObject::tr("e-mailed");
    return how;
}

// The amount of a credit note or a payment.
QString creditedText(const QJsonObject& detail, const QLocale& locale)
{
    return dollars(fromTenThousandths(detail.value(QStringLiteral("sums")).toString().toLongLong()), locale);
}

QString paymentMethodText(const QString& stored)
{
    const std::optional<PaymentMethod> method = paymentMethodNamed(stored);
    return method ? paymentMethodName(*method) : stored;
}

QString reasonText(const QJsonObject& detail)
{
    const QString reason = detail.value(QStringLiteral("reason")).toString();
    return reason.isEmpty() ? QString() : QObject::tr(": %1").arg(reason);
}

QString whatHappened(const HistoryLine& line, const QLocale& locale)
{
    const QJsonObject& detail = line.detail;
    switch (line.event) {
    case InvoiceEvent::Issued:
        return QObject::tr("Issued (%1)").arg(routeText(detail.value(QStringLiteral("how")).toString()));
    case InvoiceEvent::JobAdded:
        return QObject::tr("Job added: %1").arg(jobText(detail.value(QStringLiteral("after")), locale));
    case InvoiceEvent::JobChanged:
        return QObject::tr("Job changed: %1 to %2")
            .arg(jobText(detail.value(QStringLiteral("before")), locale),
                 jobText(detail.value(QStringLiteral("after")), locale));
    case InvoiceEvent::JobDeleted:
        return QObject::tr("Job deleted: %1").arg(jobText(detail.value(QStringLiteral("before")), locale));
    case InvoiceEvent::DiscountChanged:
        return QObject::tr("Discount changed from %1% to %2%")
            .arg(detail.value(QStringLiteral("before")).toInt())
            .arg(detail.value(QStringLiteral("after")).toInt());
    case InvoiceEvent::CreditNoteMade:
        return QObject::tr("Credit note %1 made, taking back %2")
                   .arg(detail.value(QStringLiteral("creditNote")).toInt())
                   .arg(creditedText(detail, locale))
            + reasonText(detail);
    case InvoiceEvent::CreditNoteIssued:
        return QObject::tr("Credit note for invoice %1 issued, taking back %2")
                   .arg(detail.value(QStringLiteral("invoice")).toInt())
                   .arg(creditedText(detail, locale))
            + reasonText(detail);
    case InvoiceEvent::MarkedPaid: {
        const QDate date = QDate::fromString(detail.value(QStringLiteral("date")).toString(), Qt::ISODate);
        return date.isValid() ? QObject::tr("Marked paid on %1").arg(locale.toString(date, QLocale::ShortFormat))
                              : QObject::tr("Marked paid, with no date");
    }
    case InvoiceEvent::MarkedUnpaid:
        return QObject::tr("Marked unpaid");
    case InvoiceEvent::PaymentRecorded: {
        const QDate date = QDate::fromString(detail.value(QStringLiteral("date")).toString(), Qt::ISODate);
        return QObject::tr("Payment of %1 received on %2 (%3)")
            .arg(creditedText(detail, locale), locale.toString(date, QLocale::ShortFormat),
                 paymentMethodText(detail.value(QStringLiteral("method")).toString()));
    }
    case InvoiceEvent::PaymentReversed:
        return QObject::tr("Payment of %1 reversed").arg(creditedText(detail, locale));
    }
    return {};
}

} // namespace

QString historyText(const HistoryLine& line, const QLocale& locale)
{
    const QString when = locale.toString(line.at.toLocalTime(), QLocale::ShortFormat);
    const QString who = line.user.isEmpty() ? QObject::tr("(no user)") : line.user;
    return QStringLiteral("%1  %2  %3").arg(when, who, whatHappened(line, locale));
}

} // namespace quillbill
