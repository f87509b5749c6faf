// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// UserAccounts and userLevelFrom on a copy of the delivered database: how a
// login finds its row, how users are added, changed and removed by row id,
// and how a stored level becomes a 16-bit security level.

#include "records/users/UserAccounts.h"
#include "StoredUsers.h"
#include "TestProgram.h"
#include "records/Database.h"

#include <gtest/gtest.h>

#include <QSqlRecord>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace quillbill {
namespace {

using testing::StoredUser;
using testing::storedUser;
using testing::storedUsers;
using testing::TestProgram;

class UserAccountsTest : public ::testing::Test {
protected:
    const Database& database() const { return program.app->state.MainDatabase; }

    qint64 insert(const QString& first, const QString& last, const QString& user, const QString& password,
                  int level) const
    {
        return testing::insertUser(database(), first, last, user, password, level);
    }

    std::vector<StoredUser> stored() const { return storedUsers(database()); }
    std::optional<StoredUser> storedRow(qint64 rowId) const { return storedUser(database(), rowId); }

    TestProgram program;
    UserAccounts accounts{program.app->state.MainDatabase};
};

// --- Login matching -------------------------------------------------------

struct LoginCase {
    QString userName;
    QString password;
    // Index into the rows laid out by the test, or -1 when no row may match.
    int expectedRow;
    const char* reason;
};

TEST_F(UserAccountsTest, LoginMatchesTheFirstRowWithExactlyThatNameAndPassword)
{
    // Row 0 is the delivered administrator (admin/admin, level 3).
    const std::vector<UserAccount> delivered = accounts.all();
    ASSERT_EQ(delivered.size(), 1u);
    std::vector<qint64> rows{delivered.front().rowId};
    std::vector<int> levels{3};
    auto add = [&](const QString& user, const QString& password, int level) {
        rows.push_back(insert("First", "Last", user, password, level));
        levels.push_back(level);
    };
    add("Admin", "Secret", 2); // 1
    add("shared", "first", 1); // 2
    add("shared", "second", 2); // 3
    add("twin", "same", 1); // 4
    add("twin", "same", 3); // 5
    add("pad", "pw ", 2); // 6
    add("", "", 2); // 7
    add("wild", "100%", 3); // 8
    rows.push_back(testing::insertUser(database(), "First", "Last", "nopw", QVariant(), 1)); // 9
    levels.push_back(1);

    const LoginCase cases[] = {
        {"admin", "admin", 0, "the delivered administrator"},
        {"Admin", "Secret", 1, "\"Admin\" is a user of its own, not \"admin\""},
        {"admin", "Secret", -1, "Admin's password does not open admin"},
        {"Admin", "admin", -1, "admin's password does not open Admin"},
        {"ADMIN", "admin", -1, "user names are compared with letter case"},
        {"admin", "ADMIN", -1, "passwords are compared with letter case"},
        {"admin ", "admin", -1, "a trailing blank makes another user name"},
        {"shared", "first", 2, "first of two rows with one user name"},
        {"shared", "second", 3, "a row whose name matches but password does not is passed over"},
        {"shared", "third", -1, "no row has this password"},
        {"twin", "same", 4, "of two identical rows the first in table order wins"},
        {"pad", "pw ", 6, "the password's trailing blank is part of it"},
        {"pad", "pw", -1, "without the trailing blank the password is wrong"},
        {"", "", -1, "an empty user name matches nobody, even a row that holds one"},
        {"wild", "100%", 8, "a percent sign is an ordinary character"},
        {"wild", "100x", -1, "a percent sign is not a wildcard"},
        {"w_ld", "100%", -1, "an underscore is not a wildcard"},
        {"nobody", "admin", -1, "unknown user"},
        {"nopw", "", -1, "a row without any password is not opened by an empty one"},
    };
    for (const LoginCase& c : cases) {
        SCOPED_TRACE(c.reason);
        const std::optional<UserAccount> found = accounts.matching(c.userName, c.password);
        if (c.expectedRow < 0) {
            EXPECT_FALSE(found.has_value());
            continue;
        }
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->rowId, rows.at(c.expectedRow));
        EXPECT_EQ(found->level, levels.at(c.expectedRow));
        EXPECT_EQ(found->userName, c.userName);
        EXPECT_EQ(found->storedPassword, c.password) << "finding a login writes nothing";
    }
}

// What a login makes of each kind of stored password: one kept as typed, or a
// hash of other limits (made elsewhere, or by the older Argon2i), logs in and
// is replaced by a hash of the program's own limits; a hash that would take
// hours to check matches nothing and is left alone.
TEST_F(UserAccountsTest, ALoginLeavesEveryPasswordItOpensAsAHashOfTheProgramsLimits)
{
    const QString ownLimits = QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$");
    const struct {
        QString user;
        QString stored;
        bool opens;
        const char* reason;
    } cases[] = {
        {"typed", "older", true, "kept as typed by an older Quillbill"},
        {"light", "$argon2id$v=19$m=8192,t=1,p=1$9sxAUaBqEClk+GB52PVipw$Omr8Sxc+QkHW7ydh5s2jyWzW/r/uNPLXU2kRhuVXEo8",
         true, "Argon2id of 8 MiB, one pass"},
        {"argon2i", "$argon2i$v=19$m=8192,t=3,p=1$VK3+V6dKTwmv/+KBWXW2TQ$JH0hfPmn8++GR7VArfsn6PUhMlLdHvgo7dkf+NB4ErM",
         true, "Argon2i"},
        {"costly",
         "$argon2id$v=19$m=65536,t=4294967295,p=1$9sxAUaBqEClk+GB52PVipw$Omr8Sxc+QkHW7ydh5s2jyWzW/r/uNPLXU2kRhuVXEo8",
         false, "four billion passes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const qint64 rowId = insert("Some", "One", c.user, c.stored, 2);
        const std::optional<UserAccount> login = accounts.logIn(c.user, "older");
        ASSERT_EQ(login.has_value(), c.opens);
        const QString now = storedRow(rowId)->password.toString();
        if (!c.opens) {
            EXPECT_EQ(now, c.stored);
            EXPECT_FALSE(accounts.logIn(c.user, c.stored).has_value()) << "a hash string is not its own password";
            continue;
        }
        EXPECT_EQ(login->rowId, rowId);
        EXPECT_TRUE(now.startsWith(ownLimits)) << now.toStdString();
        EXPECT_EQ(login->storedPassword, now);
        EXPECT_EQ(accounts.matching(c.user, "older")->rowId, rowId) << "the new hash logs in";
    }
}

// --- Adding, changing and removing -----------------------------------------

TEST_F(UserAccountsTest, AddedUserGetsTheColumnDefaultLevelAndComesLast)
{
    const std::vector<StoredUser> before = stored();
    const qint64 rowId = accounts.add("Jane", "Doe", "jdoe", "pw1");

    const std::vector<StoredUser> after = stored();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    const StoredUser added = after.back();
    EXPECT_EQ(added, (StoredUser{rowId, "Jane", "Doe", "jdoe", added.password, 1}));
    EXPECT_TRUE(added.password.toString().startsWith("$argon2id$v=19$m=65536,t=2,p=1$"))
        << added.password.toString().toStdString();

    const std::vector<UserAccount> listed = accounts.all();
    ASSERT_EQ(listed.size(), after.size());
    EXPECT_EQ(listed.back().rowId, rowId);
    EXPECT_EQ(listed.back().displayName(), "Jane Doe");
    EXPECT_EQ(listed.back().level, 1);

    const auto login = accounts.matching("jdoe", "pw1");
    ASSERT_TRUE(login.has_value());
    EXPECT_EQ(login->rowId, rowId);
    EXPECT_EQ(login->level, 1);
}

TEST_F(UserAccountsTest, UpdateChangesOnlyTheRowWithThatIdAndKeepsItsLevel)
{
    const qint64 first = insert("Pat", "Lee", "plee1", "one", 2);
    const qint64 second = insert("Pat", "Lee", "plee2", "two", 3);
    const std::vector<StoredUser> before = stored();

    UserAccount changed;
    changed.rowId = second;
    changed.asRead = accounts.find(second)->asRead;
    changed.firstName = "Patricia";
    changed.lastName = "Leigh";
    changed.userName = "pleigh";
    changed.storedPassword = "new"; // not written: only a new password given to update is
    changed.level = 1; // not written: the level is kept
    EXPECT_EQ(accounts.update(changed), SaveOutcome::Saved);

    for (const StoredUser& row : stored()) {
        if (row.rowId == second) {
            EXPECT_EQ(row, (StoredUser{second, "Patricia", "Leigh", "pleigh", "two", 3}));
        } else {
            const auto old =
                std::find_if(before.begin(), before.end(), [&](const StoredUser& b) { return b.rowId == row.rowId; });
            ASSERT_NE(old, before.end());
            EXPECT_EQ(row, *old);
        }
    }
    EXPECT_EQ(stored().size(), before.size());
    EXPECT_EQ(storedRow(first)->user, "plee1");
}

TEST_F(UserAccountsTest, UpdateOfARowThatIsGoneSaysSoAndWritesNothing)
{
    const qint64 rowId = insert("Gone", "User", "gone", "pw", 2);
    program.exec("DELETE FROM TblUsers WHERE rowid = ?", {rowId});
    const std::vector<StoredUser> before = stored();

    UserAccount ghost;
    ghost.rowId = rowId;
    ghost.firstName = "Back";
    ghost.lastName = "Again";
    ghost.userName = "back";
    EXPECT_EQ(accounts.update(ghost), SaveOutcome::Gone);
    EXPECT_EQ(stored(), before);
    EXPECT_FALSE(accounts.find(rowId).has_value());
}

TEST_F(UserAccountsTest, RemoveDeletesOnlyTheRowWithThatId)
{
    const qint64 first = insert("Pat", "Lee", "plee", "pw", 2);
    const qint64 second = insert("Pat", "Lee", "plee", "pw", 2);
    std::vector<StoredUser> expected = stored();

    accounts.remove(first);
    std::erase_if(expected, [&](const StoredUser& u) { return u.rowId == first; });
    EXPECT_EQ(stored(), expected);
    EXPECT_FALSE(accounts.find(first).has_value());
    ASSERT_TRUE(accounts.find(second).has_value());
    EXPECT_EQ(accounts.matching("plee", "pw")->rowId, second);

    // Removing it again is harmless.
    accounts.remove(first);
    EXPECT_EQ(stored(), expected);
}

// Two programs each take away one of the two administrators: only the first
// succeeds, whether by deleting or by lowering.
TEST_F(UserAccountsTest, TheLastAdministratorIsNeitherRemovedNorLowered)
{
    const qint64 admin = accounts.all().front().rowId;
    const qint64 second = insert("Second", "Admin", "second", "pw", 3);
    insert("Clerk", "One", "clerk", "pw", 1);
    Database otherProgram;
    otherProgram.open(program.databasePath());
    ASSERT_EQ(UserAccounts(otherProgram).remove(second), UserChange::Done);
    const std::vector<StoredUser> before = stored();

    EXPECT_EQ(accounts.remove(admin), UserChange::LastAdministrator);
    const std::optional<UserAccount> found = accounts.find(admin);
    ASSERT_TRUE(found.has_value());
    UserAccount lowered = *found;
    lowered.level = 2;
    EXPECT_EQ(accounts.updateWithLevel(lowered), UserChange::LastAdministrator);
    EXPECT_EQ(stored(), before);

    // With another administrator the same change goes through.
    const qint64 third = insert("Third", "Admin", "third", "pw", 3);
    EXPECT_EQ(accounts.updateWithLevel(lowered), UserChange::Done);
    EXPECT_EQ(storedRow(admin)->level.toInt(), 2);
    EXPECT_EQ(accounts.remove(third), UserChange::LastAdministrator);
}

TEST_F(UserAccountsTest, IsEmptyOnlyWhenNoRowIsLeft)
{
    EXPECT_FALSE(accounts.isEmpty());
    program.exec("DELETE FROM TblUsers");
    EXPECT_TRUE(accounts.isEmpty());
    EXPECT_TRUE(accounts.all().empty());
    EXPECT_FALSE(accounts.matching("admin", "admin").has_value());
    accounts.add("", "", "", "");
    EXPECT_FALSE(accounts.isEmpty());
}

TEST_F(UserAccountsTest, QuotesAndNonAsciiTextRoundTrip)
{
    struct Names {
        QString first, last, user, password;
        const char* reason;
    };
    const Names cases[] = {
        {"Dan", "O'Brien", "d'obrien", "it's", "single quotes"},
        {"Say \"Hi\"", "Back\\slash", "semi;colon", "'); DROP TABLE TblUsers; --", "SQL punctuation"},
        {QString::fromUtf8("Zoë"), QString::fromUtf8("Łukasiewicz"), QString::fromUtf8("użytkownik"),
         QString::fromUtf8("пароль€"), "letters beyond ASCII"},
        {QString::fromUtf8("山田"), QString::fromUtf8("太郎"), QString::fromUtf8("やまだ"), QString::fromUtf8("🔑key"),
         "CJK and a character outside the basic plane"},
    };
    for (const Names& c : cases) {
        SCOPED_TRACE(c.reason);
        const qint64 rowId = accounts.add(c.first, c.last, c.user, c.password);
        const QVariant hash = storedRow(rowId)->password;
        EXPECT_EQ(storedRow(rowId), (StoredUser{rowId, c.first, c.last, c.user, hash, 1}));

        const auto found = accounts.find(rowId);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->displayName(), c.first + ' ' + c.last);

        // The hash is of the password's every character.
        const auto login = accounts.matching(c.user, c.password);
        ASSERT_TRUE(login.has_value());
        EXPECT_EQ(login->rowId, rowId);

        UserAccount changed = *found;
        changed.lastName = c.last + "'s";
        ASSERT_EQ(accounts.update(changed), SaveOutcome::Saved);
        EXPECT_EQ(storedRow(rowId), (StoredUser{rowId, c.first, c.last + "'s", c.user, hash, 1}));

        accounts.remove(rowId);
        EXPECT_FALSE(storedRow(rowId).has_value());
    }
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(UserAccountsTest, MissingNamesReadAsEmptyText)
{
    program.exec(
        "INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password) VALUES (NULL, 'Solo', 'solo', NULL)");
    program.exec("INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password) VALUES ('Mono', NULL, NULL, 'pw')");
    const std::vector<UserAccount> all = accounts.all();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all.at(1).displayName(), " Solo");
    EXPECT_TRUE(all.at(1).storedPassword.isEmpty());
    EXPECT_EQ(all.at(2).displayName(), "Mono ");
    EXPECT_TRUE(all.at(2).userName.isEmpty());
}

// --- Levels ---------------------------------------------------------------

struct LevelCase {
    const char* storedSql; // an SQL literal put into TblUsers.Level
    int expected;
    const char* reason;
};

TEST_F(UserAccountsTest, StoredLevelsBecomeSixteenBitLevels)
{
    const LevelCase cases[] = {
        {"NULL", 0, "no level at all opens only unrestricted functions"},
        {"''", 0, "empty text"},
        {"'abc'", 0, "text that is not a number"},
        {"'3'", 3, "digits given as text"},
        {"'  2  '", 2, "blanks around the digits"},
        {"-7", -7, "a negative level is kept"},
        {"2.5", 2, "a fraction rounds to the nearest, halves to the even neighbour (down)"},
        {"3.5", 4, "a fraction rounds to the nearest, halves to the even neighbour (up)"},
        {"32767", 32767, "the largest 16-bit level"},
        {"-32768", -32768, "the smallest 16-bit level"},
        {"32768", 32767, "one beyond 16 bits is clamped"},
        {"-32769", -32768, "one below 16 bits is clamped"},
        {"99999999999999999999", 32767, "too large for 64 bits: the column keeps it as a real"},
        {"'99999999999999999999999'", 32767, "huge digits given as text"},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(std::string(c.storedSql) + ": " + c.reason);
        program.exec("DELETE FROM TblUsers");
        program.exec(QString("INSERT INTO TblUsers (First_Name, Last_Name, UserName, Password, Level) "
                             "VALUES ('Lev', 'El', 'lev', 'pw', %1)")
                         .arg(c.storedSql));
        const std::vector<UserAccount> all = accounts.all();
        ASSERT_EQ(all.size(), 1u);
        EXPECT_EQ(all.front().level, c.expected);
        const auto login = accounts.matching("lev", "pw");
        ASSERT_TRUE(login.has_value());
        EXPECT_EQ(login->level, c.expected);
        EXPECT_EQ(userLevelFrom(database().firstRow("SELECT Level FROM TblUsers")->value(0)), c.expected);
    }
}

// --- Two programs on one file --------------------------------------------

// One administrator resets a password while another, in a second program
// on the same file, fixes the user's first name from an older copy: the
// reset is never silently undone.
TEST_F(UserAccountsTest, ASaveOverAnotherProgramsChangeWritesNothing)
{
    const qint64 rowId = insert("Patt", "Lee", "plee", "old", 3);
    Database otherProgram;
    otherProgram.open(program.databasePath());
    const UserAccounts elsewhere(otherProgram);

    UserAccount here = *accounts.find(rowId);
    UserAccount there = *elsewhere.find(rowId);
    ASSERT_EQ(elsewhere.update(there, "reset"), SaveOutcome::Saved);
    const QVariant reset = storedRow(rowId)->password;
    ASSERT_NE(reset, "old");

    here.firstName = "Pat";
    EXPECT_EQ(accounts.update(here), SaveOutcome::ChangedMeanwhile);
    EXPECT_EQ(storedRow(rowId), (StoredUser{rowId, "Patt", "Lee", "plee", reset, 3}))
        << "the password reset was undone";

    here = *accounts.find(rowId);
    here.firstName = "Pat";
    ASSERT_EQ(accounts.update(here), SaveOutcome::Saved);
    here.lastName = "Leigh";
    ASSERT_EQ(accounts.update(here), SaveOutcome::Saved) << "a second save was refused as its own conflict";
    EXPECT_EQ(storedRow(rowId), (StoredUser{rowId, "Pat", "Leigh", "plee", reset, 3}));
}

} // namespace
} // namespace quillbill
