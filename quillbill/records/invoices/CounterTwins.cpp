// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/CounterTwins.h"

#include "records/Database.h"

namespace quillbill {

bool hasCounterTwins(const Database& database)
{
    return database
        .firstRow("SELECT 1 FROM TblBillingCodes AS kept JOIN TblBillingCodes AS twin "
                  "ON twin.BillCode = kept.BillCode COLLATE CASELESS AND twin.rowid > kept.rowid LIMIT 1")
        .has_value();
}

void mergeCounterTwins(const Database& database)
{
    // Only whole numbers are numbers given out; a row of a code holding
    // anything else does not lower or spoil the one kept.
    database.execute(
        "UPDATE TblBillingCodes AS kept SET InvoiceNumber = "
        "(SELECT MAX(twin.InvoiceNumber) FROM TblBillingCodes AS twin "
        "WHERE twin.BillCode = kept.BillCode COLLATE CASELESS AND typeof(twin.InvoiceNumber) = 'integer') "
        "WHERE EXISTS (SELECT 1 FROM TblBillingCodes AS twin WHERE twin.BillCode = kept.BillCode COLLATE CASELESS "
        "AND twin.rowid > kept.rowid AND typeof(twin.InvoiceNumber) = 'integer') "
        "AND NOT EXISTS (SELECT 1 FROM TblBillingCodes AS older WHERE older.BillCode = kept.BillCode COLLATE CASELESS "
        "AND older.rowid < kept.rowid)");
    database.execute("DELETE FROM TblBillingCodes WHERE EXISTS (SELECT 1 FROM TblBillingCodes AS older "
                     "WHERE older.BillCode = TblBillingCodes.BillCode COLLATE CASELESS "
                     "AND older.rowid < TblBillingCodes.rowid)");
}

} // namespace quillbill
