// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/Database.h"

#include <QVariant>

#include <optional>
#include <ostream>
#include <vector>

namespace quillbill::testing {

// A row of TblUsers read straight from the table, as the table holds it
// (NULL stays NULL), for checking what a window or class wrote.
struct StoredUser {
    qint64 rowId = 0;
    QVariant first;
    QVariant last;
    QVariant user;
    QVariant password;
    QVariant level;

    bool operator==(const StoredUser&) const = default;
};

void PrintTo(const StoredUser& user, std::ostream* out);

// Every row, by row id.
std::vector<StoredUser> storedUsers(const Database& database);
std::optional<StoredUser> storedUser(const Database& database, qint64 rowId);

// Inserts a row the way another program would; returns its row id.
qint64 insertUser(const Database& database, const QVariant& first, const QVariant& last, const QVariant& user,
                  const QVariant& password, const QVariant& level);

} // namespace quillbill::testing
