// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace quillbill {

class Database;

// How long an amount has been owed, in days past its invoice's date:
// current (the day itself), 1 to 30, 31 to 60, 61 to 90, and over 90.
inline constexpr size_t agingBuckets = 5;
size_t agingBucketOf(int daysPastInvoice);

// What one customer owes, by age.
struct AgingRow {
    int32_t customerId = 0;
    QString company;
    std::array<Money, agingBuckets> owed{};
    Money total;
};

// Each customer who owes something (or is owed) as of a day, by company
// name, and the totals of each age.
struct AgingReport {
    QDate asOf;
    std::vector<AgingRow> rows;
    std::array<Money, agingBuckets> totals{};
    Money total;
};

// What every issued invoice dated up to `asOf` still owed that day, with
// its taxes: less the credit notes and payments dated up to then, in the
// age of its own date. An invoice marked paid before payments were
// recorded in parts owes nothing from the day it was marked (its own date
// when that is not known). Throws DatabaseError.
AgingReport agingReport(const Database& database, const QDate& asOf);

} // namespace quillbill
