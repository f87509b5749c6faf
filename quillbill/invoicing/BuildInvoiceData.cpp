// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/BuildInvoiceData.h"

#include "records/Database.h"

namespace quillbill {

InvoiceSelection BuildInvoiceData(const Database& database, int32_t InvoiceID, int32_t CustomerID)
{
    // The transaction holds the write lock from its start, so two programs
    // that find the table empty at once cannot both add a row.
    database.inTransaction([&] {
        const auto first = database.firstRow(QStringLiteral("SELECT rowid FROM TblBuildInvoiceData ORDER BY rowid"));
        if (first)
            database.execute(
                QStringLiteral("UPDATE TblBuildInvoiceData SET InvoiceID = ?, CustomerID = ? WHERE rowid = ?"),
                {InvoiceID, CustomerID, first->value(0)});
        else
            database.execute(QStringLiteral("INSERT INTO TblBuildInvoiceData (InvoiceID, CustomerID) VALUES (?, ?)"),
                             {InvoiceID, CustomerID});
    });
    return {InvoiceID, CustomerID};
}

} // namespace quillbill
