// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <cstdint>

namespace quillbill {

class Database;

// The invoice an invoice document is made for: the pair that keys TblInvoice.
struct InvoiceSelection {
    int32_t invoiceId;
    int32_t customerId;
};

// Records in TblBuildInvoiceData that this invoice is the one printed next,
// in its one row (added when the table has none), and returns the pair for
// the document driver. The row is there for whoever reads it; the driver
// itself prints from the pair it is given, because another window or
// another program may write the row again before a preview is printed.
InvoiceSelection BuildInvoiceData(const Database& database, int32_t InvoiceID, int32_t CustomerID);

} // namespace quillbill
