// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "invoicing/BuildInvoiceData.h"
#include "records/invoices/IssuedInvoices.h"

namespace quillbill {

struct AppContext;

// Records that `invoice` left the office by `route` as `shown`, under the
// user logged in, and tells the user when the copy that left is not the
// invoice (changed at another desk after it was made) or when the invoice
// is gone. True when the invoice is issued now, or was already.
bool recordIssued(AppContext& app, InvoiceSelection invoice, const InvoiceContent& shown, IssueRoute route);

} // namespace quillbill
