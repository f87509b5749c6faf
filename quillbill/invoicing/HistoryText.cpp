// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/HistoryText.h"

#include "common/DateText.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/PaymentText.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonObject>

namespace quillbill {

namespace {

QString jobText(const QJsonValue& job, const QLocale& locale)
{
    const QJsonObject fields = job.toObject();
    const int64_t sums = fields.value(QStringLiteral("sums")).toString().toLongLong();
    //: A job in a history line: its description in quotes, then its amount.
    return QCoreApplication::translate("quillbill::HistoryText", "\"%1\" %2")
        .arg(fields.value(QStringLiteral("description")).toString(), dollars(fromTenThousandths(sums), locale));
}

QString routeText(const QString& how)
{
    if (how == QLatin1String("printed"))
        //: How the invoice was issued, shown in "Issued (%1)".
        return QCoreApplication::translate("quillbill::HistoryText", "printed");
    if (how == QLatin1String("pdf"))
        //: How the invoice was issued, shown in "Issued (%1)".
        return QCoreApplication::translate("quillbill::HistoryText", "saved as PDF");
    if (how == QLatin1String("mailed"))
        //: How the invoice was issued, shown in "Issued (%1)".
        return QCoreApplication::translate("quillbill::HistoryText", "e-mailed");
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

QString reasonOf(const QJsonObject& detail) { return detail.value(QStringLiteral("reason")).toString(); }

QString whatHappened(const HistoryLine& line, const QLocale& locale)
{
    const QJsonObject& detail = line.detail;
    switch (line.event) {
    case InvoiceEvent::Issued:
        return QCoreApplication::translate("quillbill::HistoryText", "Issued (%1)")
            .arg(routeText(detail.value(QStringLiteral("how")).toString()));
    case InvoiceEvent::JobAdded:
        return QCoreApplication::translate("quillbill::HistoryText", "Job added: %1")
            .arg(jobText(detail.value(QStringLiteral("after")), locale));
    case InvoiceEvent::JobChanged:
        return QCoreApplication::translate("quillbill::HistoryText", "Job changed: %1 to %2")
            .arg(jobText(detail.value(QStringLiteral("before")), locale),
                 jobText(detail.value(QStringLiteral("after")), locale));
    case InvoiceEvent::JobDeleted:
        return QCoreApplication::translate("quillbill::HistoryText", "Job deleted: %1")
            .arg(jobText(detail.value(QStringLiteral("before")), locale));
    case InvoiceEvent::DiscountChanged:
        return QCoreApplication::translate("quillbill::HistoryText", "Discount changed from %1% to %2%")
            .arg(detail.value(QStringLiteral("before")).toInt())
            .arg(detail.value(QStringLiteral("after")).toInt());
    case InvoiceEvent::CreditNoteMade: {
        const int note = detail.value(QStringLiteral("creditNote")).toInt();
        const QString reason = reasonOf(detail);
        if (reason.isEmpty())
            return QCoreApplication::translate("quillbill::HistoryText", "Credit note %1 made, taking back %2")
                .arg(note)
                .arg(creditedText(detail, locale));
        //: %3 is the reason the user gave for the credit note.
        return QCoreApplication::translate("quillbill::HistoryText", "Credit note %1 made, taking back %2: %3")
            .arg(note)
            .arg(creditedText(detail, locale), reason);
    }
    case InvoiceEvent::CreditNoteIssued: {
        const int invoice = detail.value(QStringLiteral("invoice")).toInt();
        const QString reason = reasonOf(detail);
        if (reason.isEmpty())
            return QCoreApplication::translate("quillbill::HistoryText",
                                               "Credit note for invoice %1 issued, taking back %2")
                .arg(invoice)
                .arg(creditedText(detail, locale));
        //: %3 is the reason the user gave for the credit note.
        return QCoreApplication::translate("quillbill::HistoryText",
                                           "Credit note for invoice %1 issued, taking back %2: %3")
            .arg(invoice)
            .arg(creditedText(detail, locale), reason);
    }
    case InvoiceEvent::MarkedPaid: {
        const QDate date = QDate::fromString(detail.value(QStringLiteral("date")).toString(), Qt::ISODate);
        return date.isValid()
            ? QCoreApplication::translate("quillbill::HistoryText", "Marked paid on %1").arg(dateText(date, locale))
            : QCoreApplication::translate("quillbill::HistoryText", "Marked paid, with no date");
    }
    case InvoiceEvent::MarkedUnpaid:
        return QCoreApplication::translate("quillbill::HistoryText", "Marked unpaid");
    case InvoiceEvent::PaymentRecorded: {
        const QDate date = QDate::fromString(detail.value(QStringLiteral("date")).toString(), Qt::ISODate);
        return QCoreApplication::translate("quillbill::HistoryText", "Payment of %1 received on %2 (%3)")
            .arg(creditedText(detail, locale), dateText(date, locale),
                 paymentMethodText(detail.value(QStringLiteral("method")).toString()));
    }
    case InvoiceEvent::PaymentReversed:
        return QCoreApplication::translate("quillbill::HistoryText", "Payment of %1 reversed")
            .arg(creditedText(detail, locale));
    }
    return {};
}

} // namespace

QString historyText(const HistoryLine& line, const QLocale& locale)
{
    const QString when = dateTimeText(line.at.toLocalTime(), locale);
    //: Stands for the user's name in a history line recorded without one.
    const QString who =
        line.user.isEmpty() ? QCoreApplication::translate("quillbill::HistoryText", "(no user)") : line.user;
    return QStringLiteral("%1  %2  %3").arg(when, who, whatHappened(line, locale));
}

} // namespace quillbill
