#include "records/users/UserAccounts.h"

#include "common/WholeNumber.h"
#include "records/Database.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillbill {

namespace {

const QString selectUsers =
    QStringLiteral("SELECT rowid, First_Name, Last_Name, UserName, Password, Level FROM TblUsers");

UserAccount accountFrom(const QSqlRecord& row)
{
    UserAccount account;
    account.rowId = row.value(0).toLongLong();
    account.firstName = row.value(1).toString();
    account.lastName = row.value(2).toString();
    account.userName = row.value(3).toString();
    account.password = row.value(4).toString();
    account.level = userLevelFrom(row.value(5));
    return account;
}

} // namespace

int16_t userLevelFrom(const QVariant& storedLevel)
{
    if (storedLevel.isNull())
        return 0;
    // A level with a fraction (the column holds it as a real, and so holds any
    // number too large for a 64-bit integer) is still a number: it is rounded
    // to the nearest whole one, halves to the even neighbour, then clamped.
    if (storedLevel.typeId() == QMetaType::Double || storedLevel.typeId() == QMetaType::Float) {
        const double level = storedLevel.toDouble();
        if (std::isnan(level))
            return 0;
        return static_cast<int16_t>(std::clamp(std::nearbyint(level), double{std::numeric_limits<int16_t>::min()},
                                               double{std::numeric_limits<int16_t>::max()}));
    }
    const auto level = parseWholeNumber(storedLevel.toString());
    if (!level)
        return 0;
    return static_cast<int16_t>(
        std::clamp<int>(*level, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

std::vector<UserAccount> UserAccounts::all() const
{
    std::vector<UserAccount> accounts;
    for (const QSqlRecord& row : database_.rows(selectUsers))
        accounts.push_back(accountFrom(row));
    return accounts;
}

std::optional<UserAccount> UserAccounts::find(qint64 rowId) const
{
    const auto row = database_.firstRow(selectUsers + " WHERE rowid = ?", {rowId});
    if (!row)
        return std::nullopt;
    return accountFrom(*row);
}

std::optional<UserAccount> UserAccounts::matching(const QString& userName, const QString& password) const
{
    // '=' on text compares with SQLite's BINARY collation: exact, case included.
    const auto row = database_.firstRow(selectUsers + " WHERE UserName = ? AND Password = ? ORDER BY rowid LIMIT 1",
                                        {userName, password});
    if (!row)
        return std::nullopt;
    return accountFrom(*row);
}

int UserAccounts::count() const
{
    return database_.firstRow("SELECT COUNT(*) FROM TblUsers")->value(0).toInt();
}

qint64 UserAccounts::add(const QString& firstName, const QString& lastName, const QString& userName,
                         const QString& password) const
{
    QSqlQuery query =
        database_.execute("INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password) VALUES (?, ?, ?, ?)",
                          {firstName, lastName, userName, password});
    return query.lastInsertId().toLongLong();
}

bool UserAccounts::update(const UserAccount& account) const
{
    QSqlQuery query = database_.execute(
        "UPDATE TblUsers SET First_Name = ?, Last_Name = ?, UserName = ?, Password = ? WHERE rowid = ?",
        {account.firstName, account.lastName, account.userName, account.password, account.rowId});
    return query.numRowsAffected() > 0;
}

void UserAccounts::remove(qint64 rowId) const
{
    database_.execute("DELETE FROM TblUsers WHERE rowid = ?", {rowId});
}

} // namespace quillbill
