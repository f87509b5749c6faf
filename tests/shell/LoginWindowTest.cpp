// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Logging in and off: the login window driven through the start-up road, as
// the program runs it.

#include "StoredUsers.h"
#include "TestProgram.h"
#include "shell/login/frmLogin.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/startup/Startup.h"
#include "shell/tips/frmTip.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace quillbill;
using quillbill::testing::RecordingMessageBoxes;
using quillbill::testing::TestProgram;

class LoginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.app->options.setText(OptionKey::showSplash, "0");
        program.app->options.setText(OptionKey::showTips, "0");
    }

    // The start-up as far as the login window.
    frmLogin* startAtLogin()
    {
        startup.begin();
        frmLogin* login = startup.loginWindow();
        if (login && !QTest::qWaitForWindowActive(login))
            return nullptr;
        return login;
    }

    void type(frmLogin* login, const QString& user, const QString& password)
    {
        auto* userBox = login->findChild<QLineEdit*>("txtUserName");
        auto* passwordBox = login->findChild<QLineEdit*>("txtPassword");
        userBox->clear();
        passwordBox->clear();
        QTest::keyClicks(userBox, user);
        QTest::keyClicks(passwordBox, password);
    }

    void logIn(frmLogin* login, const QString& user, const QString& password)
    {
        type(login, user, password);
        QTest::mouseClick(login->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    }

    void addUser(const QString& first, const QString& last, const QString& user, const QString& password,
                 const QVariant& level)
    {
        quillbill::testing::insertUser(program.app->state.MainDatabase, first, last, user, password, level);
    }

    TestProgram program;
    Startup startup{*program.app};
};

TEST_F(LoginTest, TheRightPasswordOpensTheMainWindow)
{
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(startup.mainWindow(), nullptr) << "nobody reaches the main window without logging in";
    EXPECT_EQ(login->windowTitle(), "Login");
    EXPECT_FALSE(login->isModal()) << "the login at start-up is modeless";

    QPointer<frmLogin> watched = login;
    logIn(login, "admin", "admin");

    EXPECT_TRUE(program.messages.empty());
    EXPECT_TRUE(program.app->state.LoginSucceeded);
    EXPECT_EQ(program.app->state.CurrentUser, "admin");
    EXPECT_EQ(program.app->state.UserLevel, 3);
    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->statusText(), "Logged in as: admin   Security Level: 3");
    EXPECT_TRUE(main->menuItem("mnuLogoff")->isEnabled());
    EXPECT_TRUE(!watched || !watched->isVisible()) << "the login window closes";
}

TEST_F(LoginTest, AWrongPasswordIsRefusedAndSelectedForRetyping)
{
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    logIn(login, "admin", "Admin");

    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().text, "Invalid Username or Password, try again!");
    EXPECT_EQ(program.messages.last().title, "Login");
    auto* password = login->findChild<QLineEdit*>("txtPassword");
    EXPECT_TRUE(login->isVisible());
    EXPECT_TRUE(password->hasFocus());
    EXPECT_EQ(password->selectedText(), "Admin");
    EXPECT_FALSE(program.app->state.LoginSucceeded);
    EXPECT_EQ(startup.mainWindow(), nullptr);

    logIn(login, "Admin", "admin");
    EXPECT_EQ(program.messages.messages.size(), 2u) << "user names are compared letter case included";

    logIn(login, "admin", "admin");
    EXPECT_TRUE(program.app->state.LoginSucceeded) << "the user may try again without limit";
}

TEST_F(LoginTest, EnterLogsInAndThePasswordIsNotShown)
{
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(login->findChild<QLineEdit*>("txtPassword")->echoMode(), QLineEdit::Password);
    type(login, "admin", "admin");
    QTest::keyClick(login->findChild<QLineEdit*>("txtPassword"), Qt::Key_Return);
    EXPECT_TRUE(program.app->state.LoginSucceeded);
}

// The delivered administrator, like any row an older Quillbill wrote, holds
// its password as typed: it logs in, and from then on the row holds its hash.
TEST_F(LoginTest, APasswordStoredAsTypedLogsInAndIsReplacedByItsHash)
{
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    logIn(login, "admin", "admin");
    ASSERT_TRUE(program.app->state.LoginSucceeded);
    const std::vector<quillbill::testing::StoredUser> users =
        quillbill::testing::storedUsers(program.app->state.MainDatabase);
    ASSERT_EQ(users.size(), 1u);
    const QString stored = users.front().password.toString();
    EXPECT_TRUE(stored.startsWith("$argon2id$v=19$m=65536,t=2,p=1$")) << stored.toStdString();

    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);
    main->menuItem("mnuLogoff")->trigger();
    logIn(startup.loginWindow(), "admin", stored);
    ASSERT_EQ(program.messages.messages.size(), 1u) << "the hash itself is no password";
    EXPECT_EQ(program.messages.last().text, "Invalid Username or Password, try again!");
    logIn(startup.loginWindow(), "admin", "admin");
    EXPECT_EQ(main->statusText(), "Logged in as: admin   Security Level: 3");
    EXPECT_EQ(program.messages.messages.size(), 1u);
}

TEST_F(LoginTest, TwoRowsWithOneUserNameLogInWithTheirOwnLevels)
{
    addUser("Pat", "Day", "pat", "morning", 1);
    addUser("Pat", "Night", "pat", "evening", 2);
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    logIn(login, "pat", "evening");
    EXPECT_EQ(program.app->state.UserLevel, 2);
    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->statusText(), "Logged in as: pat   Security Level: 2");

    main->menuItem("mnuLogoff")->trigger();
    frmLogin* again = startup.loginWindow();
    ASSERT_NE(again, nullptr);
    logIn(again, "pat", "morning");
    EXPECT_EQ(program.app->state.UserLevel, 1);
}

TEST_F(LoginTest, TheSecuredItemsFollowTheUsersLevel)
{
    addUser("Clerk", "One", "clerk", "pw", 1);
    program.app->options.setText(OptionKey::securedLevel(1), "2");
    program.app->options.setText(OptionKey::securedLevel(3), "0");
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    logIn(login, "clerk", "pw");
    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(main->menuItem("Menu2_Item1")->isEnabled()) << "requires 2";
    EXPECT_TRUE(main->menuItem("mnuRemove")->isEnabled()) << "requires 1 by default";
    EXPECT_TRUE(main->menuItem("Menu3_Item1")->isEnabled()) << "unrestricted";
}

TEST_F(LoginTest, ADamagedLevelOpensOnlyUnrestrictedFunctions)
{
    addUser("Odd", "Row", "odd", "pw", "high");
    addUser("Empty", "Row", "empty", "pw", QVariant());
    program.app->options.setText(OptionKey::securedLevel(5), "0");
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    logIn(login, "odd", "pw");
    EXPECT_EQ(program.app->state.UserLevel, 0);
    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);
    for (QAction* item : main->securedMenuItems())
        EXPECT_EQ(item->isEnabled(), item->objectName() == "mnuUser") << item->objectName().toStdString();

    main->menuItem("mnuLogoff")->trigger();
    logIn(startup.loginWindow(), "empty", "pw");
    EXPECT_EQ(program.app->state.UserLevel, 0);
}

TEST_F(LoginTest, AnEmptyUserTableIsExplainedNotACrash)
{
    program.exec("DELETE FROM TblUsers");
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    logIn(login, "admin", "admin");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("No users"));
    EXPECT_EQ(program.messages.last().title, "Login");
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(program.app->state.LoginSucceeded);
}

TEST_F(LoginTest, CancelAtStartUpEndsTheProgram)
{
    QSignalSpy finished(&startup, &Startup::finished);
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    QTest::mouseClick(login->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
    EXPECT_FALSE(program.app->state.LoginSucceeded);
    EXPECT_EQ(startup.mainWindow(), nullptr);
    EXPECT_TRUE(program.messages.empty()) << "no backup question: the main window never opened";
}

TEST_F(LoginTest, EscapeIsCancel)
{
    QSignalSpy finished(&startup, &Startup::finished);
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    QTest::keyClick(login, Qt::Key_Escape);
    EXPECT_EQ(finished.size(), 1);
}

TEST_F(LoginTest, LogOffThenCancelClosesTheMainWindowWithTheExitSteps)
{
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    logIn(login, "admin", "admin");
    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);

    main->menuItem("mnuLogoff")->trigger();
    EXPECT_EQ(main->statusText(), "Logged Off");
    frmLogin* again = startup.loginWindow();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isModal()) << "the login after a log-off is modal";
    EXPECT_EQ(program.app->state.UserLevel, 3) << "the level stays until the next login";

    program.messages.answerNext(false);
    QTest::mouseClick(again->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(program.app->state.LoginSucceeded);
    EXPECT_FALSE(main->isVisible());
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().text, "Do you want to create a backup?");
}

TEST_F(LoginTest, EveryLoginShowsTheTipWhileTipsAreOn)
{
    program.app->options.setText(OptionKey::showTips, "1");
    frmLogin* login = startAtLogin();
    ASSERT_NE(login, nullptr);
    logIn(login, "admin", "admin");
    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);
    auto tips = main->findChildren<frmTip*>();
    ASSERT_EQ(tips.size(), 1);
    EXPECT_TRUE(tips[0]->isVisible());
    EXPECT_TRUE(tips[0]->isModal());
    tips[0]->accept();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    main->menuItem("mnuLogoff")->trigger();
    logIn(startup.loginWindow(), "admin", "admin");
    EXPECT_EQ(main->findChildren<frmTip*>().size(), 1) << "a login after a log-off shows it too";
}
