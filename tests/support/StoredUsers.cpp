// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "StoredUsers.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace quillbill::testing {

void PrintTo(const StoredUser& user, std::ostream* out)
{
    const auto text = [](const QVariant& value) {
        return value.isNull() ? std::string("NULL") : "'" + value.toString().toStdString() + "'";
    };
    *out << "{" << user.rowId << ", " << text(user.first) << ", " << text(user.last) << ", " << text(user.user) << ", "
         << text(user.password) << ", " << text(user.level) << "}";
}

std::vector<StoredUser> storedUsers(const Database& database)
{
    std::vector<StoredUser> users;
    for (const QSqlRecord& row :
         database.rows("SELECT rowid, First_Name, Last_Name, UserName, Password, Level FROM TblUsers ORDER BY rowid"))
        users.push_back(
            {row.value(0).toLongLong(), row.value(1), row.value(2), row.value(3), row.value(4), row.value(5)});
    return users;
}

std::optional<StoredUser> storedUser(const Database& database, qint64 rowId)
{
    for (const StoredUser& user : storedUsers(database))
        if (user.rowId == rowId)
            return user;
    return std::nullopt;
}

qint64 insertUser(const Database& database, const QVariant& first, const QVariant& last, const QVariant& user,
                  const QVariant& password, const QVariant& level)
{
    const QSqlQuery query = database.execute(
        "INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password, Level) VALUES (?, ?, ?, ?, ?)",
        {first, last, user, password, level});
    return query.lastInsertId().toLongLong();
}

} // namespace quillbill::testing
