// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/CreditedTotals.h"

#include "records/Database.h"
#include "records/invoices/InvoiceAmounts.h"

#include <QSqlQuery>

namespace quillbill {

QHash<qint64, Money> creditedTotals(const Database& database)
{
    QHash<qint64, Money> credited;
    QSqlQuery notes = database.execute(
        QStringLiteral("SELECT invoice.CustomerID, invoice.CreditFor, %1, (SELECT COALESCE(SUM(Sums), 0) FROM TblJobs "
                       "AS job WHERE job.CustomerID = invoice.CustomerID AND job.InvoiceID = invoice.InvoiceID) "
                       "FROM TblInvoice AS invoice %2 WHERE invoice.CreditFor IS NOT NULL")
            .arg(QLatin1String(invoiceAmountColumns), QLatin1String(firstCompanyJoin)));
    while (notes.next()) {
        const Money total = grandTotalOf(notes.value(5).toLongLong(), notes.value(2).toLongLong(),
                                         notes.value(3).toLongLong(), notes.value(4).toLongLong());
        Money& sum = credited[invoiceKey(notes.value(0).toInt(), notes.value(1).toInt())];
        sum = Money::fromUnits(sum.units() + total.units());
    }
    return credited;
}

} // namespace quillbill
