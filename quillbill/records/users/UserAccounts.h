// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/GuardedSave.h"
#include "records/users/PasswordHash.h"

#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace quillbill {

class Database;

// One row of TblUsers, with the row id that finds it again.
struct UserAccount {
    qint64 rowId = 0;
    QString firstName;
    QString lastName;
    QString userName;
    // The password as TblUsers holds it: a hash (PasswordHash.h), or, in a
    // row no login has touched since an older Quillbill wrote it, the password
    // itself. Never shown.
    QString storedPassword;
    int16_t level = 0;
    // Every column of the row as last read or written: a save writes only
    // while the row still holds these.
    QSqlRecord asRead{};

    // First name, a blank and last name: how the users window lists a user.
    QString displayName() const { return firstName + u' ' + lastName; }
};

// A user's security level as TblUsers.Level holds it. A missing or damaged
// value gives 0, which opens only unrestricted functions; a fraction is rounded
// to the nearest whole number (halves to even); numbers beyond the 16-bit range
// are clamped to it.
int16_t userLevelFrom(const QVariant& storedLevel);

// The lowest level that may change security settings: the table always keeps
// one user of at least this level.
constexpr int16_t securityAdministratorLevel = 3;

// What became of a change that could leave nobody able to log in, or nobody
// able to change security settings. Only Done writes anything.
enum class UserChange {
    Done,
    ChangedMeanwhile, // another program changed the row after it was read
    Gone, // the row was deleted after it was read
    LastUser,
    LastAdministrator,
};

// The display name of the user that can never be deleted.
inline const QString systemAdministrator = QStringLiteral("System Administrator");

// The rows of TblUsers, read and written with bound values.
class UserAccounts {
public:
    explicit UserAccounts(const Database& database) : database_(database) {}

    // Every user, in the order the table returns them.
    std::vector<UserAccount> all() const;
    std::optional<UserAccount> find(qint64 rowId) const;

    // The first user, in table order, whose user name equals the typed one
    // exactly, letter case included, and whose stored password is the typed
    // one (checkPassword). An empty user name matches nobody, even a row that
    // holds one. Reads only.
    std::optional<UserAccount> matching(const QString& userName, const QString& password) const;
    // matching, for a login: a password the row still holds as typed, or as a
    // hash of other limits, is replaced by a new hash, written only while the
    // row is still as read. When that write cannot be made the old value
    // stays, and still logs in; the login goes ahead either way.
    std::optional<UserAccount> logIn(const QString& userName, const QString& password) const;

    // The account a login as `userName` at `level` came from: the first user
    // in table order with that user name and that level.
    std::optional<UserAccount> loggedInAs(const QString& userName, int16_t level) const;

    bool isEmpty() const { return count() == 0; }
    int count() const;
    // The highest level any user holds, read as a user's level is read; 0
    // when the table is empty.
    int16_t highestLevel() const;

    // Adds a user with the column's default level and the hash of `password`;
    // returns its row id.
    qint64 add(const QString& firstName, const QString& lastName, const QString& userName,
               const QString& password) const;
    // The same with the given level.
    qint64 add(const QString& firstName, const QString& lastName, const QString& userName, const QString& password,
               int16_t level) const;
    // Changes the names of an existing user, and its password to the hash of
    // `newPassword` unless that is empty, only while its row still holds what
    // `account.asRead` holds, which then becomes the row as written;
    // otherwise writes nothing and says whether the row was changed or
    // deleted by someone else.
    SaveOutcome update(UserAccount& account, const QString& newPassword = {}) const;
    // update, and the level set to `account.level`; refused when that would
    // lower the last user of securityAdministratorLevel.
    UserChange updateWithLevel(UserAccount& account, const QString& newPassword = {}) const;
    // Refused for the last user, and for the last user of
    // securityAdministratorLevel. A row already gone gives Done.
    UserChange remove(qint64 rowId) const;

private:
    // matching, and how the password matched.
    std::pair<std::optional<UserAccount>, PasswordMatch> login(const QString& userName, const QString& password) const;

    const Database& database_;
};

} // namespace quillbill
