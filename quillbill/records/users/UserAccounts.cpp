// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/users/UserAccounts.h"

#include "common/WholeNumber.h"
#include "records/Database.h"
#include "records/DatabaseError.h"
#include "records/users/PasswordHash.h"

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
    account.storedPassword = row.value("Password").toString();
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

// What a save writes: the names, the level when asked, and the hash of a new
// password when one was given. Without one the stored password is not
// written at all, whatever `account.storedPassword` holds.
struct Assignments {
    QString sql;
    QVariantList values;
};

Assignments assignmentsFor(const UserAccount& account, const QString& newPassword, bool withLevel)
{
    Assignments assignments{QStringLiteral("First_Name = ?, Last_Name = ?, UserName = ?"),
                            {account.firstName, account.lastName, account.userName}};
    if (withLevel) {
        assignments.sql += QStringLiteral(", Level = ?");
        assignments.values << account.level;
    }
    if (!newPassword.isEmpty()) {
        assignments.sql += QStringLiteral(", Password = ?");
        assignments.values << hashPassword(newPassword);
    }
    return assignments;
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
    return login(userName, password).first;
}

std::pair<std::optional<UserAccount>, PasswordMatch> UserAccounts::login(const QString& userName,
                                                                         const QString& password) const
{
    // Older databases may hold a row with empty names; an empty login must not
    // open it.
    if (userName.isEmpty())
        return {std::nullopt, PasswordMatch::No};
    // '=' on text compares with SQLite's BINARY collation: exact, case included.
    // Each row's password is checked here: a hash cannot be compared in SQL.
    // A row without any password (NULL) opens to no password at all.
    for (const QSqlRecord& row :
         database_.rows(selectUsers + " WHERE UserName = ? AND Password IS NOT NULL ORDER BY rowid", {userName})) {
        UserAccount account = accountFrom(row);
        const PasswordMatch match = checkPassword(account.storedPassword, password);
        if (match != PasswordMatch::No)
            return {std::move(account), match};
    }
    return {std::nullopt, PasswordMatch::No};
}

std::optional<UserAccount> UserAccounts::logIn(const QString& userName, const QString& password) const
{
    auto [account, match] = login(userName, password);
    if (!account || match != PasswordMatch::YesRehash)
        return account;
    try {
        UserAccount rehashed = *account;
        rehashed.storedPassword = hashPassword(password);
        // Only over the value just checked: a password another program set
        // meanwhile stays.
        if (saveIfUnchanged(database_, "TblUsers", "rowid", rehashed.rowId, "Password = ?", {rehashed.storedPassword},
                            rehashed.asRead)
            == SaveOutcome::Saved)
            return rehashed;
    } catch (const DatabaseError&) {
        // A file that cannot be written now (held by a backup, read-only) is
        // tried again at the next login; the old value still logs in.
    }
    return account;
}

std::optional<UserAccount> UserAccounts::loggedInAs(const QString& userName, int16_t level) const
{
    if (userName.isEmpty())
        return std::nullopt;
    // The level is read as a login reads it, so it is compared here, not in SQL.
    for (const QSqlRecord& row : database_.rows(selectUsers + " WHERE UserName = ? ORDER BY rowid", {userName})) {
        UserAccount account = accountFrom(row);
        if (account.level == level)
            return account;
    }
    return std::nullopt;
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
    return database_.insertReturningKey(
        "INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password) VALUES (?, ?, ?, ?)",
        {firstName, lastName, userName, hashPassword(password)}, QStringLiteral("rowid"));
}

qint64 UserAccounts::add(const QString& firstName, const QString& lastName, const QString& userName,
                         const QString& password, int16_t level) const
{
    return database_.insertReturningKey(
        "INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password, Level) VALUES (?, ?, ?, ?, ?)",
        {firstName, lastName, userName, hashPassword(password), level}, QStringLiteral("rowid"));
}

SaveOutcome UserAccounts::update(UserAccount& account, const QString& newPassword) const
{
    const Assignments assignments = assignmentsFor(account, newPassword, false);
    const SaveOutcome outcome = saveIfUnchanged(database_, "TblUsers", "rowid", account.rowId, assignments.sql,
                                                assignments.values, account.asRead);
    if (outcome == SaveOutcome::Saved)
        account.storedPassword = account.asRead.value("Password").toString();
    return outcome;
}

UserChange UserAccounts::updateWithLevel(UserAccount& account, const QString& newPassword) const
{
    // Hashed before the write lock is taken: it takes a while.
    const Assignments assignments = assignmentsFor(account, newPassword, true);
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
        switch (saveIfUnchangedInTransaction(database_, "TblUsers", "rowid", account.rowId, assignments.sql,
                                             assignments.values, row)) {
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
    if (change == UserChange::Done)
        account.storedPassword = row.value("Password").toString();
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
