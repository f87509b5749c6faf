// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The users window, driven through its controls on a copy of the delivered
// database: what it lists, what choosing a row does, and what Save Changes and
// Delete write to TblUsers.

#include "StoredUsers.h"
#include "TestProgram.h"
#include "records/Database.h"
#include "users/frmUsers.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlRecord>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace quillbill {
namespace {

using testing::RecordingMessageBoxes;
using testing::StoredUser;
using testing::storedUser;
using testing::storedUsers;
using testing::TestProgram;

const QString addNew = QStringLiteral("Add New...");
const QString addQuestion = QStringLiteral("Would you like to add this name as a new user?");

class UsersWindowTest : public ::testing::Test {
protected:
    // Opens the window on the table as the test has laid it out.
    void open()
    {
        window = std::make_unique<frmUsers>(*program.app);
        window->show();
        // Keys reach a window's shortcuts only while it is the active one.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            throw std::runtime_error(std::string("no control named ") + name);
        return found;
    }
    QComboBox* list() const { return control<QComboBox>("cmbUsers"); }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }

    QStringList listed() const
    {
        QStringList items;
        for (int i = 0; i < list()->count(); ++i)
            items << list()->itemText(i);
        return items;
    }

    // Chooses the row at `index` as a user does: the list's current row
    // changes and the list reports the choice.
    void choose(int index) const
    {
        ASSERT_GE(index, 0);
        ASSERT_LT(index, list()->count());
        list()->setCurrentIndex(index);
        emit list()->activated(index);
    }
    void choose(const QString& text) const
    {
        const int index = list()->findText(text, Qt::MatchExactly);
        ASSERT_GE(index, 0) << "not listed: " << text.toStdString();
        choose(index);
    }

    // Replaces the whole text of a box by typing.
    void type(const char* name, const QString& text) const
    {
        QLineEdit* target = box(name);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, text);
        ASSERT_EQ(target->text(), text);
    }
    void typeAll(const QString& first, const QString& last, const QString& user, const QString& password) const
    {
        type("txtFirst", first);
        type("txtLast", last);
        type("txtUser", user);
        type("txtPW", password);
    }

    QStringList boxes() const
    {
        return {box("txtFirst")->text(), box("txtLast")->text(), box("txtUser")->text(), box("txtPW")->text()};
    }

    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }

    qint64 insert(const QString& first, const QString& last, const QString& user, const QString& password,
                  int level = 2) const
    {
        return testing::insertUser(program.app->state.MainDatabase, first, last, user, password, level);
    }

    std::vector<StoredUser> stored() const { return storedUsers(program.app->state.MainDatabase); }
    std::optional<StoredUser> storedRow(qint64 rowId) const
    {
        return storedUser(program.app->state.MainDatabase, rowId);
    }
    // Every row but `rowId`, as the table holds them now.
    std::vector<StoredUser> allBut(qint64 rowId) const
    {
        std::vector<StoredUser> users = stored();
        std::erase_if(users, [&](const StoredUser& u) { return u.rowId == rowId; });
        return users;
    }

    TestProgram program;
    std::unique_ptr<frmUsers> window;
};

TEST_F(UsersWindowTest, ListsAddNewThenEveryDisplayNameInTableOrder)
{
    insert("Zed", "Last", "zed", "pw");
    insert("Amy", "First", "amy", "pw");
    program.exec("INSERT INTO TblUsers (First_Name, Last_Name) VALUES (NULL, 'Solo')");
    open();

    EXPECT_EQ(window->windowTitle(), "System Users");
    EXPECT_EQ(listed(), (QStringList{addNew, "System Administrator", "Zed Last", "Amy First", " Solo"}));
    EXPECT_EQ(list()->currentIndex(), -1);
    EXPECT_FALSE(button("cmdDelete")->isEnabled());
    EXPECT_EQ(boxes(), (QStringList{"", "", "", ""}));
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(UsersWindowTest, ChoosingARowFillsTheBoxesAndGuardsTheAdministrator)
{
    insert("Jane", "Doe", "jdoe", "secret");
    open();

    choose("System Administrator");
    EXPECT_EQ(boxes(), (QStringList{"System", "Administrator", "admin", ""}));
    EXPECT_FALSE(button("cmdDelete")->isEnabled());

    choose("Jane Doe");
    EXPECT_EQ(boxes(), (QStringList{"Jane", "Doe", "jdoe", ""}));
    EXPECT_TRUE(button("cmdDelete")->isEnabled());

    choose("System Administrator");
    EXPECT_FALSE(button("cmdDelete")->isEnabled());
    const std::vector<StoredUser> before = stored();
    click("cmdDelete");
    EXPECT_EQ(stored(), before);

    choose("Jane Doe");
    choose(addNew);
    EXPECT_EQ(boxes(), (QStringList{"", "", "", ""}));
    EXPECT_FALSE(button("cmdDelete")->isEnabled());
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(UsersWindowTest, TheKeyboardChoosesRowsToo)
{
    insert("Jane", "Doe", "jdoe", "secret");
    open();
    list()->setFocus();

    QTest::keyClick(list(), Qt::Key_End);
    EXPECT_EQ(list()->currentText(), "Jane Doe");
    EXPECT_EQ(boxes(), (QStringList{"Jane", "Doe", "jdoe", ""}));
    EXPECT_TRUE(button("cmdDelete")->isEnabled());

    QTest::keyClick(list(), Qt::Key_Up);
    EXPECT_EQ(boxes(), (QStringList{"System", "Administrator", "admin", ""}));
    EXPECT_FALSE(button("cmdDelete")->isEnabled());
}

TEST_F(UsersWindowTest, AddNewThenSaveStoresTheUserWithTheDefaultLevel)
{
    open();
    const std::vector<StoredUser> before = stored();

    choose(addNew);
    typeAll("Jane", "Doe", "jdoe", "pw1");
    click("cmdSave");

    EXPECT_TRUE(program.messages.empty());
    const std::vector<StoredUser> after = stored();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    const StoredUser added = after.back();
    EXPECT_EQ(added, (StoredUser{added.rowId, "Jane", "Doe", "jdoe", added.password, 1}));
    EXPECT_TRUE(added.password.toString().startsWith("$argon2id$")) << added.password.toString().toStdString();
    EXPECT_EQ(listed(), (QStringList{addNew, "System Administrator", "Jane Doe"}));
    EXPECT_EQ(boxes(), (QStringList{"Jane", "Doe", "jdoe", ""}));

    // The added user is the one shown now: a second save changes it rather
    // than adding it twice.
    type("txtFirst", "Janet");
    click("cmdSave");
    ASSERT_EQ(stored().size(), after.size());
    EXPECT_EQ(storedRow(added.rowId), (StoredUser{added.rowId, "Janet", "Doe", "jdoe", added.password, 1}));
}

TEST_F(UsersWindowTest, SavingAnExistingUserChangesOnlyItsRow)
{
    const qint64 jane = insert("Jane", "Doe", "jdoe", "secret", 2);
    insert("Bob", "Roe", "broe", "pw", 3);
    open();
    const std::vector<StoredUser> others = allBut(jane);

    choose("Jane Doe");
    typeAll("Janet", "Doherty", "jdoherty", "");
    click("cmdSave");

    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(storedRow(jane), (StoredUser{jane, "Janet", "Doherty", "jdoherty", "secret", 2}));
    EXPECT_EQ(allBut(jane), others);
    EXPECT_EQ(listed(), (QStringList{addNew, "System Administrator", "Janet Doherty", "Bob Roe"}))
        << "the edited user is listed under the new name";

    // Choosing the row again shows what was saved.
    choose("Bob Roe");
    choose("Janet Doherty");
    EXPECT_EQ(boxes(), (QStringList{"Janet", "Doherty", "jdoherty", ""}));
}

TEST_F(UsersWindowTest, DeleteRemovesTheChosenUser)
{
    const qint64 jane = insert("Jane", "Doe", "jdoe", "secret");
    insert("Bob", "Roe", "broe", "pw");
    open();
    const std::vector<StoredUser> others = allBut(jane);

    choose("Jane Doe");
    const std::vector<StoredUser> before = stored();
    program.messages.answerNext(false);
    click("cmdDelete");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Question);
    EXPECT_EQ(program.messages.last().text, "Delete the user Jane Doe?");
    EXPECT_EQ(stored(), before) << "No deletes nothing";

    click("cmdDelete");
    EXPECT_EQ(program.messages.messages.size(), 2u);
    EXPECT_EQ(stored(), others);
    EXPECT_EQ(listed(), (QStringList{addNew, "System Administrator", "Bob Roe"}));
    EXPECT_EQ(boxes(), (QStringList{"", "", "", ""}));
    EXPECT_FALSE(button("cmdDelete")->isEnabled());
}

TEST_F(UsersWindowTest, ANameWithAQuoteIsChosenEditedAndDeleted)
{
    const qint64 dan = insert("Dan", "O'Brien", "dobrien", "pw", 2);
    open();
    const std::vector<StoredUser> others = allBut(dan);

    choose("Dan O'Brien");
    EXPECT_EQ(boxes(), (QStringList{"Dan", "O'Brien", "dobrien", ""}));
    EXPECT_TRUE(button("cmdDelete")->isEnabled());

    type("txtLast", "O'Brien-D'Arcy");
    type("txtUser", "d'obrien");
    click("cmdSave");
    EXPECT_EQ(storedRow(dan), (StoredUser{dan, "Dan", "O'Brien-D'Arcy", "d'obrien", "pw", 2}));

    click("cmdDelete");
    EXPECT_EQ(stored(), others);

    // And one typed in through "Add New...".
    choose(addNew);
    typeAll("Mary", "O'Neil", "m'oneil", "'; --");
    click("cmdSave");
    const StoredUser mary = stored().back();
    EXPECT_EQ(mary, (StoredUser{mary.rowId, "Mary", "O'Neil", "m'oneil", mary.password, 1}));
    EXPECT_EQ(UserAccounts(program.app->state.MainDatabase).matching("m'oneil", "'; --")->rowId, mary.rowId);
    EXPECT_TRUE(listed().contains("Mary O'Neil"));
    EXPECT_EQ(program.messages.messages.size(), 1u) << "only the question before deleting";
}

TEST_F(UsersWindowTest, SaveWithNothingChosenAsksBeforeAdding)
{
    open();
    const std::vector<StoredUser> before = stored();
    typeAll("Nora", "New", "nora", "pw");

    program.messages.answerNext(false);
    click("cmdSave");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Question);
    EXPECT_EQ(program.messages.last().text, addQuestion);
    EXPECT_EQ(program.messages.last().title, "Verify Information");
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(listed(), (QStringList{addNew, "System Administrator"}));

    program.messages.answerNext(true);
    click("cmdSave");
    ASSERT_EQ(program.messages.messages.size(), 2u);
    EXPECT_EQ(program.messages.last().text, addQuestion);
    const std::vector<StoredUser> after = stored();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.back(), (StoredUser{after.back().rowId, "Nora", "New", "nora", after.back().password, 1}));
    EXPECT_EQ(listed(), (QStringList{addNew, "System Administrator", "Nora New"}));
}

TEST_F(UsersWindowTest, SaveAfterDeleteNeverWritesToTheDeletedRow)
{
    insert("Bob", "Roe", "broe", "pw");
    const qint64 jane = insert("Jane", "Doe", "jdoe", "secret"); // the last row id
    open();
    choose("Jane Doe");
    click("cmdDelete");
    const std::vector<StoredUser> afterDelete = stored();
    ASSERT_FALSE(storedRow(jane).has_value());
    program.messages.clear();

    // Save with the boxes Delete emptied writes nothing.
    click("cmdSave");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_EQ(stored(), afterDelete);

    // Typed text and Yes: a new user, nothing of the deleted one.
    typeAll("Other", "Person", "other", "pw2");
    program.messages.answerNext(true);
    click("cmdSave");
    const std::vector<StoredUser> now = stored();
    ASSERT_EQ(now.size(), afterDelete.size() + 1);
    EXPECT_TRUE(std::equal(afterDelete.begin(), afterDelete.end(), now.begin()));
    EXPECT_EQ(now.back(), (StoredUser{now.back().rowId, "Other", "Person", "other", now.back().password, 1}));
    EXPECT_TRUE(std::none_of(now.begin(), now.end(),
                             [](const StoredUser& u) { return u.user == "jdoe" || u.first == "Jane"; }));
}

TEST_F(UsersWindowTest, AUserRemovedElsewhereIsNotWrittenBack)
{
    const qint64 jane = insert("Jane", "Doe", "jdoe", "secret");
    open();
    choose("Jane Doe");
    program.exec("DELETE FROM TblUsers WHERE rowid = ?", {jane});
    const std::vector<StoredUser> before = stored();

    type("txtFirst", "Changed");
    click("cmdSave");
    EXPECT_EQ(stored(), before);
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);

    click("cmdDelete");
    EXPECT_EQ(stored(), before);
}

TEST_F(UsersWindowTest, AnEmptyUserTableIsExplainedAndAUserCanBeAdded)
{
    program.exec("DELETE FROM TblUsers");
    open();

    EXPECT_EQ(listed(), (QStringList{addNew}));
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_NE(program.messages.last().kind, RecordingMessageBoxes::Kind::Question);
    EXPECT_TRUE(program.messages.last().text.contains("no users", Qt::CaseInsensitive))
        << program.messages.last().text.toStdString();
    EXPECT_FALSE(button("cmdDelete")->isEnabled());
    program.messages.clear();

    // Save Changes before anything is chosen asks, then adds.
    typeAll("First", "User", "first", "pw");
    click("cmdSave");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().text, addQuestion);
    const std::vector<StoredUser> now = stored();
    ASSERT_EQ(now.size(), 1u);
    EXPECT_EQ(now.front(), (StoredUser{now.front().rowId, "First", "User", "first", now.front().password, 1}));
    EXPECT_EQ(listed(), (QStringList{addNew, "First User"}));
}

TEST_F(UsersWindowTest, TwoUsersWithOneDisplayNameAreEachTheirOwnRow)
{
    const qint64 first = insert("Pat", "Lee", "plee1", "one", 2);
    const qint64 second = insert("Pat", "Lee", "plee2", "two", 3);
    open();
    ASSERT_EQ(listed(), (QStringList{addNew, "System Administrator", "Pat Lee", "Pat Lee"}));
    const std::vector<StoredUser> others = allBut(second);

    choose(3);
    EXPECT_EQ(boxes(), (QStringList{"Pat", "Lee", "plee2", ""}));
    type("txtUser", "PLEE2");
    click("cmdSave");
    EXPECT_EQ(storedRow(second), (StoredUser{second, "Pat", "Lee", "PLEE2", "two", 3}));
    EXPECT_EQ(allBut(second), others);

    choose(2);
    EXPECT_EQ(boxes(), (QStringList{"Pat", "Lee", "plee1", ""}));
    click("cmdDelete");
    EXPECT_FALSE(storedRow(first).has_value());
    EXPECT_EQ(storedRow(second), (StoredUser{second, "Pat", "Lee", "PLEE2", "two", 3}));
    EXPECT_EQ(listed(), (QStringList{addNew, "System Administrator", "Pat Lee"}));
    EXPECT_EQ(program.messages.messages.size(), 1u) << "only the question before deleting";
}

TEST_F(UsersWindowTest, TheLastUserCannotBeDeleted)
{
    program.exec("DELETE FROM TblUsers");
    const qint64 only = insert("Jane", "Doe", "jdoe", "secret");
    open();
    EXPECT_TRUE(program.messages.empty());
    const std::vector<StoredUser> before = stored();

    choose("Jane Doe");
    click("cmdDelete");

    EXPECT_EQ(stored(), before);
    EXPECT_TRUE(storedRow(only).has_value());
    ASSERT_EQ(program.messages.messages.size(), 2u) << "the question, then the refusal";
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_EQ(listed(), (QStringList{addNew, "Jane Doe"}));
}

TEST_F(UsersWindowTest, AUserWithoutUserNameOrPasswordIsNotSaved)
{
    const qint64 jane = insert("Jane", "Doe", "jdoe", "secret");
    struct Case {
        const char* chosen;
        QString user;
        QString password;
        const char* emptyBox;
    };
    const Case cases[] = {
        {"Add New...", "", "pw", "txtUser"},
        {"Add New...", "nora", "", "txtPW"},
        {"Add New...", "", "", "txtUser"},
        {"Jane Doe", "", "", "txtUser"},
    };
    open();
    const std::vector<StoredUser> before = stored();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.chosen) + " / " + c.emptyBox);
        program.messages.clear();
        choose(QString(c.chosen));
        typeAll("Nora", "New", c.user, c.password);
        click("cmdSave");
        EXPECT_EQ(stored(), before);
        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
        EXPECT_EQ(window->focusWidget(), box(c.emptyBox));
    }
    EXPECT_EQ(storedRow(jane)->password, "secret");
}

TEST_F(UsersWindowTest, OnlyATopLevelUserSeesAndSetsLevels)
{
    const qint64 jane = insert("Jane", "Doe", "jdoe", "pw", 2);
    const qint64 bob = insert("Bob", "Roe", "broe", "pw", 1);
    open();
    auto* level = control<QSpinBox>("txtLevel");
    EXPECT_TRUE(level->isVisible());
    choose(addNew);
    EXPECT_EQ(level->value(), 1) << "a new user starts at 1";
    choose("Bob Roe");
    EXPECT_EQ(level->value(), 1);
    level->setValue(2);
    click("cmdSave");
    EXPECT_EQ(storedRow(bob)->level, 2);

    // Passwords are masked until asked for.
    EXPECT_EQ(box("txtPW")->echoMode(), QLineEdit::Password);
    QTest::mouseClick(control<QCheckBox>("chkShowPassword"), Qt::LeftButton);
    EXPECT_EQ(box("txtPW")->echoMode(), QLineEdit::Normal);

    program.app->state.CurrentUser = "jdoe";
    program.app->state.UserLevel = 2;
    open();
    EXPECT_FALSE(control<QSpinBox>("txtLevel")->isVisible());
    type("txtFirst", "Janet");
    click("cmdSave");
    EXPECT_EQ(storedRow(jane), (StoredUser{jane, "Janet", "Doe", "jdoe", "pw", 2}));
    EXPECT_TRUE(program.messages.empty());
}

// As delivered, "Users..." opens for level 1. A clerk sees only the account
// they logged in with (of two rows with their user name, the one of their
// level) and may rename it and set its password; nobody else's is shown.
TEST_F(UsersWindowTest, BelowLevelThreeOnlyTheOwnAccountIsShownAndChanged)
{
    insert("Pat", "Early", "pat", "first", 2);
    const qint64 clerk = insert("Pat", "Clerk", "pat", "second", 1);
    program.app->state.CurrentUser = "pat";
    program.app->state.UserLevel = 1;
    open();
    EXPECT_EQ(listed(), (QStringList{"Pat Clerk"}));
    EXPECT_EQ(list()->currentText(), "Pat Clerk");
    EXPECT_EQ(boxes(), (QStringList{"Pat", "Clerk", "pat", ""}));
    EXPECT_FALSE(button("cmdDelete")->isEnabled());
    const std::vector<StoredUser> others = allBut(clerk);

    typeAll("Patricia", "Clerk", "patricia", "n3w-secret");
    click("cmdSave");
    EXPECT_TRUE(program.messages.empty()) << program.messages.last().text.toStdString();
    EXPECT_EQ(allBut(clerk), others);
    const std::optional<StoredUser> saved = storedRow(clerk);
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->first, "Patricia");
    EXPECT_EQ(saved->user, "patricia");
    EXPECT_EQ(saved->level, 1);
    EXPECT_TRUE(saved->password.toString().startsWith("$argon2id$")) << saved->password.toString().toStdString();
    EXPECT_EQ(UserAccounts(program.app->state.MainDatabase).matching("patricia", "n3w-secret")->rowId, clerk);

    // Renamed, it is still the clerk's own account.
    open();
    EXPECT_EQ(listed(), (QStringList{"Patricia Clerk"}));
    EXPECT_FALSE(button("cmdDelete")->isEnabled());
}

// No password is ever shown, not even with "Show" ticked; an empty box keeps
// the stored one and a typed one is stored as its hash.
TEST_F(UsersWindowTest, NoPasswordIsShownAndATypedOneIsStoredAsItsHash)
{
    const qint64 jane = insert("Jane", "Doe", "jdoe", "secret", 2);
    open();
    choose("Jane Doe");
    QTest::mouseClick(control<QCheckBox>("chkShowPassword"), Qt::LeftButton);
    EXPECT_EQ(box("txtPW")->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(box("txtPW")->text(), "");

    type("txtFirst", "Janet");
    click("cmdSave");
    EXPECT_TRUE(program.messages.empty()) << program.messages.last().text.toStdString();
    EXPECT_EQ(storedRow(jane), (StoredUser{jane, "Janet", "Doe", "jdoe", "secret", 2}));

    type("txtPW", "n3w");
    click("cmdSave");
    const QString stored = storedRow(jane)->password.toString();
    // libsodium's interactive limits: 64 MiB, two passes.
    EXPECT_TRUE(stored.startsWith("$argon2id$v=19$m=65536,t=2,p=1$")) << stored.toStdString();
    EXPECT_FALSE(stored.contains("n3w"));
    const UserAccounts accounts(program.app->state.MainDatabase);
    EXPECT_EQ(accounts.matching("jdoe", "n3w")->rowId, jane);
    EXPECT_FALSE(accounts.matching("jdoe", "secret").has_value());
    choose("System Administrator");
    choose("Janet Doe");
    EXPECT_EQ(box("txtPW")->text(), "");
}

// The window's view is old: another program has just removed the other
// administrator.
TEST_F(UsersWindowTest, TheLastUserWhoCanChangeSecurityIsNeitherDeletedNorLowered)
{
    for (const bool deleting : {true, false}) {
        SCOPED_TRACE(deleting ? "delete" : "lower");
        program.exec("DELETE FROM TblUsers");
        program.messages.clear();
        insert("Boss", "One", "boss1", "pw", 3);
        const qint64 other = insert("Boss", "Two", "boss2", "pw", 3);
        insert("Clerk", "Three", "clerk", "pw", 1);
        open();
        choose("Boss One");
        Database otherProgram;
        otherProgram.open(program.databasePath());
        ASSERT_EQ(UserAccounts(otherProgram).remove(other), UserChange::Done);
        const std::vector<StoredUser> before = stored();

        if (deleting) {
            click("cmdDelete");
        } else {
            control<QSpinBox>("txtLevel")->setValue(2);
            click("cmdSave");
        }
        EXPECT_EQ(stored(), before);
        ASSERT_FALSE(program.messages.empty());
        EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
        EXPECT_TRUE(program.messages.last().text.contains("last user who can change security settings"))
            << program.messages.last().text.toStdString();
    }
}

TEST_F(UsersWindowTest, EnterSavesChanges)
{
    const qint64 jane = insert("Jane", "Doe", "jdoe", "pw", 2);
    open();
    choose("Jane Doe");
    type("txtFirst", "Janet");
    QTest::keyClick(box("txtFirst"), Qt::Key_Return);
    EXPECT_EQ(storedRow(jane)->first, "Janet");
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(UsersWindowTest, CloseClosesTheWindowAndSaysWhichKindClosed)
{
    open();
    QSignalSpy closing(window.get(), &ChildWindow::closing);
    click("cmdCancel");
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(closing.count(), 1);
    EXPECT_EQ(closing.at(0).at(0).value<ChildKind>(), ChildKind::Users);
}

// A second program on the same file resets the password of the user this
// window shows; this window's later save of a first-name fix must not put the
// old password back.
TEST_F(UsersWindowTest, ASaveOverAnotherProgramsChangeIsRefusedAndShowsTheUserAsItIsNow)
{
    const qint64 rowId = insert("Patt", "Lee", "plee", "old");
    open();
    choose("Patt Lee");
    Database otherProgram;
    otherProgram.open(program.databasePath());
    UserAccount reset = *UserAccounts(otherProgram).find(rowId);
    ASSERT_EQ(UserAccounts(otherProgram).update(reset, "reset"), SaveOutcome::Saved);
    const QVariant resetHash = storedRow(rowId)->password;

    type("txtFirst", "Pat");
    click("cmdSave");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_EQ(program.messages.last().text,
              "Another user changed this user after you opened it. Nothing was saved; "
              "the user is shown as it is now.");
    EXPECT_EQ(storedRow(rowId), (StoredUser{rowId, "Patt", "Lee", "plee", resetHash, 2}))
        << "the other program's password reset was undone";
    EXPECT_EQ(boxes(), (QStringList{"Patt", "Lee", "plee", ""}));

    // Typed again over the user as it is now, and saved twice in a row: both
    // saves write, and the reset stays.
    type("txtFirst", "Pat");
    click("cmdSave");
    type("txtLast", "Leigh");
    click("cmdSave");
    EXPECT_EQ(program.messages.messages.size(), 1u) << program.messages.last().text.toStdString();
    EXPECT_EQ(storedRow(rowId), (StoredUser{rowId, "Pat", "Leigh", "plee", resetHash, 2}));
    EXPECT_EQ(list()->currentText(), "Pat Leigh");
}

} // namespace
} // namespace quillbill
