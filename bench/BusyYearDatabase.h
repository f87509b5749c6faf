// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// A program database as one busy office has it after a year: 5,000
// customers, 50,000 issued invoices and 500,000 jobs, and a payment for each
// of the seven in ten invoices that were paid, for benchmarks of the
// program's reports and windows.

#include <QString>

#include <cstdint>

namespace bench {

struct BusyYear {
    // The database file, empty when it could not be made.
    QString databasePath;
    // Every invoice is dated in this year.
    int year = 2025;
    // The customer with the most invoices, and how many it has.
    int32_t busiestCustomer = 0;
    int busiestInvoices = 0;
    int customers = 0;
    int invoices = 0;
    int jobs = 0;
    int payments = 0;
    // How long it took to make, in seconds.
    double seconds = 0;
};

// Copies the delivered database (`deliveredDatabase`) into
// `programFolder`/DataBase/db_be.mdb and fills it. The rows are the same on
// every run: the numbers come from a fixed seed.
BusyYear makeBusyYearDatabase(const QString& deliveredDatabase, const QString& programFolder);

} // namespace bench
