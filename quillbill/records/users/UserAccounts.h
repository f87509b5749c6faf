#pragma once

#include "records/GuardedSave.h"

#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>
#include <vector>

namespace quillbill {

class Database;

// One row of TblUsers, with the row id that finds it again.
struct UserAccount {
    qint64 rowId = 0;
    QString firstName;
    QString lastName;
    QString userName;
    QString password;
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

    // The first user, in table order, whose user name and password both equal
    // the typed ones exactly, letter case included. An empty user name matches
    // nobody, even a row that holds one.
    std::optional<UserAccount> matching(const QString& userName, const QString& password) const;

    bool isEmpty() const { return count() == 0; }
    int count() const;
    // The highest level any user holds, read as a user's level is read; 0
    // when the table is empty.
    int16_t highestLevel() const;

    // Adds a user with the column's default level; returns its row id.
    qint64 add(const QString& firstName, const QString& lastName, const QString& userName,
               const QString& password) const;
    // The same with the given level.
    qint64 add(const QString& firstName, const QString& lastName, const QString& userName, const QString& password,
               int16_t level) const;
    // Changes the names and password of an existing user, only while its row
    // still holds what `account.asRead` holds, which then becomes the row as
    // written; otherwise writes nothing and says whether the row was changed
    // or deleted by someone else.
    SaveOutcome update(UserAccount& account) const;
    // update, and the level set to `account.level`; refused when that would
    // lower the last user of securityAdministratorLevel.
    UserChange updateWithLevel(UserAccount& account) const;
    // Refused for the last user, and for the last user of
    // securityAdministratorLevel. A row already gone gives Done.
    UserChange remove(qint64 rowId) const;

private:
    const Database& database_;
};

} // namespace quillbill
