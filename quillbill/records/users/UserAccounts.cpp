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

// The row id first, then every column, so that a save can check the whole
// row is still as read.
const QString selectUsers = QStringLiteral("SELECT rowid, * FROM TblUsers");

UserAccount accountFrom(const QSqlRecord& row)
{
    UserAccount account;
    account.rowId = row.value(0).toLongLong();
    account.firstName = row.value("First_Name").toString();
    account.lastName = row.value("Last_Name").toString();
    account.userName = row.value("UserName").toString();
    account.password = row.value("Password").toString();
    account.level = userLevelFrom(row.value("Level"));
    account.asRead = row;
    account.asRead.remove(0);
    return account;
}

// Whether `rowId` is the only user of securityAdministratorLevel or above.
bool isLastAdministrator(const std::vector<UserAccount>& users, qint64 rowId)
{
    const auto isAdministrator = [](const UserAccount& user) { return user.level >= securityAdministratorLevel; };
    const auto self = std::find_if(users.begin(), users.end(), [&](const UserAccount& u) { return u.rowId == rowId; });
    return self != users.end() && isAdministrator(*self)
        && std::count_if(users.begin(), users.end(), isAdministrator) == 1;
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
    // Older databases may hold a row with empty names; an empty login must not
    // open it.
    if (userName.isEmpty())
        return std::nullopt;
    // '=' on text compares with SQLite's BINARY collation: exact, case included.
    const auto row = database_.firstRow(selectUsers + " WHERE UserName = ? AND Password = ? ORDER BY rowid LIMIT 1",
                                        {userName, password});
    if (!row)
        return std::nullopt;
    return accountFrom(*row);
}

int UserAccounts::count() const { return database_.firstRow("SELECT COUNT(*) FROM TblUsers")->value(0).toInt(); }

int16_t UserAccounts::highestLevel() const
{
    // Read row by row, so that a damaged level counts as it counts at login.
    int16_t highest = 0;
    for (const UserAccount& account : all())
        highest = std::max(highest, account.level);
    return highest;
}

qint64 UserAccounts::add(const QString& firstName, const QString& lastName, const QString& userName,
                         const QString& password) const
{
    QSqlQuery query =
        database_.execute("INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password) VALUES (?, ?, ?, ?)",
                          {firstName, lastName, userName, password});
    return query.lastInsertId().toLongLong();
}

qint64 UserAccounts::add(const QString& firstName, const QString& lastName, const QString& userName,
                         const QString& password, int16_t level) const
{
    QSqlQuery query = database_.execute(
        "INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password, Level) VALUES (?, ?, ?, ?, ?)",
        {firstName, lastName, userName, password, level});
    return query.lastInsertId().toLongLong();
}

SaveOutcome UserAccounts::update(UserAccount& account) const
{
    return saveIfUnchanged(database_, "TblUsers", "rowid", account.rowId,
                           "First_Name = ?, Last_Name = ?, UserName = ?, Password = ?",
                           {account.firstName, account.lastName, account.userName, account.password}, account.asRead);
}

UserChange UserAccounts::updateWithLevel(UserAccount& account) const
{
    // The rows are counted and written under one write lock: two programs
    // lowering the last two administrators at once cannot both succeed.
    QSqlRecord row = account.asRead;
    UserChange change = UserChange::Done;
    database_.inTransaction([&] {
        const std::vector<UserAccount> users = all();
        if (account.level < securityAdministratorLevel && isLastAdministrator(users, account.rowId)) {
            change = UserChange::LastAdministrator;
            return;
        }
        switch (saveIfUnchangedInTransaction(
            database_, "TblUsers", "rowid", account.rowId,
            "First_Name = ?, Last_Name = ?, UserName = ?, Password = ?, Level = ?",
            {account.firstName, account.lastName, account.userName, account.password, account.level}, row)) {
        case SaveOutcome::Saved:
            change = UserChange::Done;
            break;
        case SaveOutcome::ChangedMeanwhile:
            change = UserChange::ChangedMeanwhile;
            break;
        case SaveOutcome::Gone:
            change = UserChange::Gone;
            break;
        }
    });
    account.asRead = row;
    return change;
}

UserChange UserAccounts::remove(qint64 rowId) const
{
    UserChange change = UserChange::Done;
    database_.inTransaction([&] {
        const std::vector<UserAccount> users = all();
        if (std::none_of(users.begin(), users.end(), [&](const UserAccount& user) { return user.rowId == rowId; }))
            return;
        if (users.size() == 1)
            change = UserChange::LastUser;
        else if (isLastAdministrator(users, rowId))
            change = UserChange::LastAdministrator;
        else
            database_.execute("DELETE FROM TblUsers WHERE rowid = ?", {rowId});
    });
    return change;
}

} // namespace quillbill
