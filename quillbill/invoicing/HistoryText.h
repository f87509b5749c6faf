// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/invoices/InvoiceHistory.h"

#include <QLocale>
#include <QString>

namespace quillbill {

// A line of an invoice's history as the reprint window lists it, in the
// user's language and time zone: "12/9/26 2:05 PM  clerk  Job changed:
// "Audit" $100.00 to "Audit and review" $120.00".
QString historyText(const HistoryLine& line, const QLocale& locale);

} // namespace quillbill
