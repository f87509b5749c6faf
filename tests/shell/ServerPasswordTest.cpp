// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The server's password in a real keyring (the private one of this test
// program, see MailKeyringTest.cpp): the Database page keeps the one typed
// there, start-up signs in with it, and the server refuses a sign-in
// without it.

#include "TestProgram.h"
#include "TestServer.h"
#include "app/DatabaseChoice.h"
#include "app/Keyring.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"
#include "shell/startup/Startup.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quillbill::testing {
namespace {

TEST(ServerPassword, StartUpSignsInWithThePasswordTheDatabasePageKept)
{
    TestServerDatabase server;
    server.lay();
    // Still on its file, where the Options window reads the users' levels.
    TestProgram program;
    // The tests' cluster asks this role, and only this one, for a password.
    ServerAddress address = server.address();
    address.user = QStringLiteral("quillbill_password");
    chooseServer(program.app->databaseSettings, address);
    const Keyring keyring;
    ASSERT_TRUE(keyring.remove(serverPasswordKey(address)));

    program.app->state.UserLevel = 3;
    {
        frmMain mainWindow(*program.app);
        frmOptions options(*program.app, mainWindow.securedMenuItems());
        options.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&options));
        options.findChild<QAction*>("mnuDatabase")->trigger();
        auto* password = options.findChild<QLineEdit*>("txtDbPassword");
        password->setFocus();
        QTest::keyClicks(password, QStringLiteral("a secret"));
        QTest::mouseClick(options.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        ASSERT_FALSE(options.isVisible())
            << (program.messages.messages.empty() ? QString() : program.messages.last().text).toStdString();
    }
    EXPECT_EQ(keyring.read(serverPasswordKey(address)).password, QStringLiteral("a secret"));
    {
        Startup startup(*program.app);
        EXPECT_TRUE(startup.openDatabase());
        EXPECT_EQ(program.app->state.MainDatabase.kind(), Database::Kind::Server);
    }

    ASSERT_TRUE(keyring.remove(serverPasswordKey(address)));
    program.messages.clear();
    program.messages.answerNext(false);
    Startup startup(*program.app);
    EXPECT_FALSE(startup.openDatabase());
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains(QStringLiteral("refused the sign-in")))
        << program.messages.last().text.toStdString();
}

} // namespace
} // namespace quillbill::testing
