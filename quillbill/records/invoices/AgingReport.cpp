// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/AgingReport.h"

#include "records/Database.h"
#include "records/invoices/CreditedTotals.h"
#include "records/invoices/InvoiceAmounts.h"

#include <QHash>
#include <QSqlQuery>

#include <algorithm>
#include <map>

namespace quillbill {

namespace {

constexpr int yes = -1;

QDate isoDate(const QVariant& stored) { return QDate::fromString(stored.toString(), Qt::ISODate); }

struct OpenInvoice {
    int32_t customerId;
    QDate date;
    int64_t owed; // ten-thousandths
};

} // namespace

size_t agingBucketOf(int daysPastInvoice)
{
    if (daysPastInvoice <= 0)
        return 0;
    if (daysPastInvoice <= 30)
        return 1;
    if (daysPastInvoice <= 60)
        return 2;
    if (daysPastInvoice <= 90)
        return 3;
    return 4;
}

AgingReport agingReport(const Database& database, const QDate& asOf)
{
    const QString day = asOf.toString(Qt::ISODate);
    // Every document's jobs' sum, summed in one pass along the jobs' index:
    // quicker than a sum per document, or a join of the sums.
    QHash<qint64, int64_t> jobSums;
    QSqlQuery sums = database.execute(
        QStringLiteral("SELECT CustomerID, InvoiceID, SUM(Sums) FROM TblJobs GROUP BY CustomerID, InvoiceID"));
    while (sums.next())
        jobSums.insert(invoiceKey(sums.value(0).toInt(), sums.value(1).toInt()), sums.value(2).toLongLong());
    // What was paid on each invoice by the day; an invoice listed here has
    // payment lines, whenever they came.
    QHash<qint64, int64_t> paidByDay;
    QSqlQuery payments = database.execute(
        QStringLiteral("SELECT CustomerID, InvoiceID, SUM(CASE WHEN PaidOn <= ? THEN Amount ELSE 0 END) FROM "
                       "TblPayment GROUP BY CustomerID, InvoiceID"),
        {day});
    while (payments.next())
        paidByDay.insert(invoiceKey(payments.value(0).toInt(), payments.value(1).toInt()),
                         payments.value(2).toLongLong());
    // Every issued document up to the day; a credit note counts against its
    // invoice.
    QHash<qint64, OpenInvoice> invoices;
    std::vector<std::pair<qint64, int64_t>> credits;
    QSqlQuery documents = database.execute(
        QStringLiteral("SELECT invoice.CustomerID, invoice.InvoiceID, invoice.Date, invoice.CreditFor, "
                       "invoice.Paid, invoice.PaidDate, %1 FROM TblInvoice AS invoice %2 WHERE invoice.Status = 1 "
                       "AND invoice.Date <= ?")
            .arg(QLatin1String(invoiceAmountColumns), QLatin1String(firstCompanyJoin)),
        {day});
    while (documents.next()) {
        const int32_t customerId = documents.value(0).toInt();
        const int32_t invoiceId = documents.value(1).toInt();
        const int64_t total =
            grandTotalOf(jobSums.value(invoiceKey(customerId, invoiceId)), documents.value(6).toLongLong(),
                         documents.value(7).toLongLong(), documents.value(8).toLongLong())
                .units();
        if (!documents.value(3).isNull()) {
            credits.emplace_back(invoiceKey(customerId, documents.value(3).toInt()), total);
            continue;
        }
        const QDate date = isoDate(documents.value(2));
        // Marked paid before payments were kept: paid in full, from then.
        const QDate paidOn = documents.value(5).isNull() ? date : isoDate(documents.value(5));
        const auto paid = paidByDay.constFind(invoiceKey(customerId, invoiceId));
        const bool paidBefore = documents.value(4).toInt() == yes && paid == paidByDay.cend() && paidOn <= asOf;
        invoices.insert(invoiceKey(customerId, invoiceId),
                        {customerId, date, paidBefore ? 0 : total - (paid == paidByDay.cend() ? 0 : *paid)});
    }
    for (const auto& [key, total] : credits)
        if (const auto found = invoices.find(key); found != invoices.end())
            found->owed += total;

    std::map<int32_t, AgingRow> byCustomer;
    for (const OpenInvoice& invoice : std::as_const(invoices)) {
        if (invoice.owed == 0)
            continue;
        AgingRow& row = byCustomer[invoice.customerId];
        row.customerId = invoice.customerId;
        const size_t bucket = agingBucketOf(static_cast<int>(invoice.date.daysTo(asOf)));
        row.owed[bucket] = Money::fromUnits(row.owed[bucket].units() + invoice.owed);
        row.total = Money::fromUnits(row.total.units() + invoice.owed);
    }
    AgingReport report;
    report.asOf = asOf;
    QSqlQuery names = database.execute(QStringLiteral("SELECT CustomerID, Company FROM TblCustomer"));
    while (names.next())
        if (const auto found = byCustomer.find(names.value(0).toInt()); found != byCustomer.end())
            found->second.company = names.value(1).toString();
    for (auto& [id, row] : byCustomer) {
        if (row.total.units() == 0
            && std::all_of(row.owed.begin(), row.owed.end(), [](Money m) { return m.units() == 0; }))
            continue;
        for (size_t bucket = 0; bucket < agingBuckets; ++bucket)
            report.totals[bucket] = Money::fromUnits(report.totals[bucket].units() + row.owed[bucket].units());
        report.total = Money::fromUnits(report.total.units() + row.total.units());
        report.rows.push_back(std::move(row));
    }
    std::sort(report.rows.begin(), report.rows.end(), [](const AgingRow& a, const AgingRow& b) {
        return a.company != b.company ? a.company < b.company : a.customerId < b.customerId;
    });
    return report;
}

} // namespace quillbill
