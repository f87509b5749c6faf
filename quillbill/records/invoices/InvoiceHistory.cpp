// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/InvoiceHistory.h"

#include "records/Database.h"

#include <QJsonDocument>
#include <QSqlRecord>

#include <iterator>
#include <optional>

namespace quillbill {

namespace {

struct EventName {
    InvoiceEvent event;
    const char* name;
};

// The names the table keeps; they never change, since older lines keep them.
constexpr EventName eventNames[] = {
    {InvoiceEvent::Issued, "issued"},
    {InvoiceEvent::JobAdded, "job added"},
    {InvoiceEvent::JobChanged, "job changed"},
    {InvoiceEvent::JobDeleted, "job deleted"},
    {InvoiceEvent::DiscountChanged, "discount changed"},
    {InvoiceEvent::CreditNoteMade, "credit note made"},
    {InvoiceEvent::CreditNoteIssued, "credit note issued"},
    {InvoiceEvent::MarkedPaid, "paid"},
    {InvoiceEvent::MarkedUnpaid, "unpaid"},
    {InvoiceEvent::PaymentRecorded, "payment recorded"},
    {InvoiceEvent::PaymentReversed, "payment reversed"},
};

QString nameOf(InvoiceEvent event)
{
    for (const EventName& known : eventNames)
        if (known.event == event)
            return QString::fromLatin1(known.name);
    return {};
}

std::optional<InvoiceEvent> eventNamed(const QString& name)
{
    for (const EventName& known : eventNames)
        if (name == QLatin1String(known.name))
            return known.event;
    return std::nullopt;
}

} // namespace

void InvoiceHistory::record(int32_t customerId, int32_t invoiceId, InvoiceEvent event, const QString& user,
                            const QJsonObject& detail) const
{
    const QString at = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    database_.execute(QStringLiteral("INSERT INTO TblInvoiceHistory (CustomerID, InvoiceID, At, UserName, Event, "
                                     "Detail) VALUES (?, ?, ?, ?, ?, ?)"),
                      {customerId, invoiceId, at, user, nameOf(event),
                       QString::fromUtf8(QJsonDocument(detail).toJson(QJsonDocument::Compact))});
}

std::vector<HistoryLine> InvoiceHistory::linesOf(int32_t customerId, int32_t invoiceId) const
{
    std::vector<HistoryLine> lines;
    for (const QSqlRecord& row : database_.rows(QStringLiteral("SELECT At, UserName, Event, Detail FROM "
                                                               "TblInvoiceHistory WHERE CustomerID = ? AND "
                                                               "InvoiceID = ? ORDER BY HistoryID"),
                                                {customerId, invoiceId})) {
        const std::optional<InvoiceEvent> event = eventNamed(row.value(2).toString());
        if (!event)
            continue;
        lines.push_back({QDateTime::fromString(row.value(0).toString(), Qt::ISODate), row.value(1).toString(), *event,
                         QJsonDocument::fromJson(row.value(3).toString().toUtf8()).object()});
    }
    return lines;
}

QJsonObject InvoiceHistory::job(const QString& description, int64_t tenThousandths)
{
    // As text: a JSON number is a double, which does not hold every amount
    // exactly.
    return {{QStringLiteral("description"), description}, {QStringLiteral("sums"), QString::number(tenThousandths)}};
}

} // namespace quillbill
