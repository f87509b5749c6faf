// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// An invoice layout and stored invoices for the invoice document's tests and
// benchmark.

#include "invoicing/BuildInvoiceData.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

namespace quillbill {
class Database;
}

namespace quillbill::testing {

// Texts the layout prints by itself, to find its sections in the output.
inline const QString pageHeaderText = QStringLiteral("JOB DESCRIPTION");
inline const QString totalLabel = QStringLiteral("Total:");

// Writes a definition file with the sections and fields the invoice
// document fills: "Header", "PageHeader", "Detail", "ReportFooter" and the
// page footer "PageFooter". Every field has a line of its own in text output
// except the amounts, which stand right of their labels.
void writeInvoiceLayout(const QString& path);

struct StoredJob {
    QString description;
    int64_t sums; // ten-thousandths
};

// Stores a customer named `company` with invoice `invoiceId`, dated `date`,
// holding `jobs`.
InvoiceSelection storeInvoice(const Database& database, const QString& company, int32_t invoiceId, QDate date,
                              const std::vector<StoredJob>& jobs);

} // namespace quillbill::testing
