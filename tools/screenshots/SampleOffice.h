// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// The sample office the pictures show: a window-cleaning firm with its two
// sales taxes, three customers and a few months of paid and unpaid invoices.
// It is made in a copy of the delivered program folder, never in the real one.

#include <QString>

namespace quillbill {
class Database;
}

namespace quillbill::screenshots {

// Copies what the windows read from the delivered program folder `from`
// (database, report layouts, tips) into `to`.
void copyProgramFolder(const QString& from, const QString& to);

// The own company, the customers and their billing codes.
void fillSampleOffice(const Database& database);

// Paid and unpaid invoices of the first two customers over the last weeks.
void fillPastInvoices(const Database& database);

} // namespace quillbill::screenshots
