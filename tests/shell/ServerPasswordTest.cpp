// The server's password in a real keyring (the private one of this test
// program, see MailKeyringTest.cpp): start-up signs in with it, and the
// server refuses a sign-in without it.

#include "TestProgram.h"
#include "TestServer.h"
#include "app/DatabaseChoice.h"
#include "app/Keyring.h"
#include "shell/startup/Startup.h"

#include <gtest/gtest.h>

namespace quillbill::testing {
namespace {

TEST(ServerPassword, StartUpSignsInWithThePasswordKeptInTheKeyring)
{
    TestServerDatabase server;
    server.lay();
    TestProgram program(false);
    // The tests' cluster asks this role, and only this one, for a password.
    ServerAddress address = server.address();
    address.user = QStringLiteral("quillbill_password");
    chooseServer(program.app->databaseSettings, address);
    const Keyring keyring;
    ASSERT_TRUE(keyring.remove(serverPasswordKey(address)));

    program.messages.answerNext(false);
    {
        Startup startup(*program.app);
        EXPECT_FALSE(startup.openDatabase());
    }
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains(QStringLiteral("refused the sign-in")))
        << program.messages.last().text.toStdString();

    ASSERT_TRUE(keyring.write(serverPasswordKey(address), QStringLiteral("a secret")));
    Startup startup(*program.app);
    EXPECT_TRUE(startup.openDatabase());
    EXPECT_EQ(program.app->state.MainDatabase.kind(), Database::Kind::Server);
    EXPECT_TRUE(keyring.remove(serverPasswordKey(address)));
}

} // namespace
} // namespace quillbill::testing
