// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/AccountStatement.h"

#include "records/Database.h"
#include "records/invoices/InvoiceAmounts.h"

#include <QSqlQuery>

#include <algorithm>
#include <tuple>

namespace quillbill {

namespace {

constexpr int yes = -1;

QDate isoDate(const QVariant& stored) { return QDate::fromString(stored.toString(), Qt::ISODate); }

// Documents first on a day, then money; each kind by number.
int orderOf(StatementLine::Kind kind)
{
    return kind == StatementLine::Kind::Invoice || kind == StatementLine::Kind::CreditNote ? 0 : 1;
}

} // namespace

AccountStatement accountStatement(const Database& database, int32_t customerId, const QDate& from, const QDate& to)
{
    std::vector<StatementLine> events;
    // Each issued document with its jobs' sum, in one pass; and whether it
    // has payments, for those marked paid before payments were recorded.
    QSqlQuery documents = database.execute(
        QStringLiteral("SELECT invoice.InvoiceID, invoice.Date, invoice.CreditFor, invoice.Paid, invoice.PaidDate, "
                       "%1, (SELECT COALESCE(SUM(Sums), 0) FROM TblJobs AS job WHERE job.CustomerID = "
                       "invoice.CustomerID AND job.InvoiceID = invoice.InvoiceID), EXISTS (SELECT 1 FROM TblPayment "
                       "AS payment WHERE payment.CustomerID = invoice.CustomerID AND payment.InvoiceID = "
                       "invoice.InvoiceID) FROM TblInvoice AS invoice %2 WHERE invoice.CustomerID = ? AND "
                       "invoice.Status = 1")
            .arg(QLatin1String(invoiceAmountColumns), QLatin1String(firstCompanyJoin)),
        {customerId});
    while (documents.next()) {
        StatementLine line;
        line.invoiceId = documents.value(0).toInt();
        line.date = isoDate(documents.value(1));
        if (!documents.value(2).isNull()) {
            line.kind = StatementLine::Kind::CreditNote;
            line.creditFor = documents.value(2).toInt();
        }
        line.amount = grandTotalOf(documents.value(8).toLongLong(), documents.value(5).toLongLong(),
                                   documents.value(6).toLongLong(), documents.value(7).toLongLong());
        events.push_back(line);
        if (!line.creditFor && documents.value(3).toInt() == yes && !documents.value(9).toBool()) {
            const QDate paidOn = isoDate(documents.value(4));
            events.push_back({StatementLine::Kind::Payment,
                              paidOn.isValid() ? paidOn : line.date,
                              line.invoiceId,
                              std::nullopt,
                              PaymentMethod::Other,
                              Money::fromUnits(-line.amount.units()),
                              {}});
        }
    }
    // Payments of issued invoices only, as the documents above.
    QSqlQuery payments = database.execute(
        QStringLiteral("SELECT payment.InvoiceID, payment.PaidOn, payment.Method, payment.Amount, payment.Reverses "
                       "FROM TblPayment AS payment JOIN TblInvoice AS invoice ON invoice.CustomerID = "
                       "payment.CustomerID AND invoice.InvoiceID = payment.InvoiceID WHERE payment.CustomerID = ? "
                       "AND invoice.Status = 1 ORDER BY payment.PaymentID"),
        {customerId});
    while (payments.next())
        events.push_back({payments.value(4).isNull() ? StatementLine::Kind::Payment : StatementLine::Kind::Reversal,
                          isoDate(payments.value(1)),
                          payments.value(0).toInt(),
                          std::nullopt,
                          paymentMethodNamed(payments.value(2).toString()).value_or(PaymentMethod::Other),
                          Money::fromUnits(-payments.value(3).toLongLong()),
                          {}});
    // Stable: payments of one invoice on one day keep the order they were
    // recorded in.
    std::stable_sort(events.begin(), events.end(), [](const StatementLine& a, const StatementLine& b) {
        return std::tuple(a.date, orderOf(a.kind), a.invoiceId) < std::tuple(b.date, orderOf(b.kind), b.invoiceId);
    });

    AccountStatement statement;
    int64_t owed = 0;
    for (StatementLine& line : events) {
        if (line.date > to)
            break;
        owed += line.amount.units();
        line.balance = Money::fromUnits(owed);
        if (line.date < from)
            statement.opening = line.balance;
        else
            statement.lines.push_back(line);
    }
    statement.closing = Money::fromUnits(owed);
    return statement;
}

} // namespace quillbill
