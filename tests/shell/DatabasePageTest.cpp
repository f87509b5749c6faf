// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The options window's "Database" page and the move to a server, against
// the tests' PostgreSQL cluster: what Test Connection finds, what OK saves
// and the next start opens, the values and servers it will not take
// unasked, and a file's records moved. No keyring answers here (no session
// bus); the keyring test program has the password.

#include "QStringPrinting.h"
#include "TestProgram.h"
#include "TestServer.h"
#include "app/DatabaseChoice.h"
#include "records/customers/CustomerRecords.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"
#include "shell/servermove/frmMoveToServer.h"
#include "shell/startup/Startup.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace quillbill::testing {
namespace {

using Kind = RecordingMessageBoxes::Kind;

class DatabasePageTest : public ::testing::Test {
protected:
    // Opens the options window for a user of `userLevel` at the Database page.
    void open(int16_t userLevel = 3)
    {
        window.reset();
        program.app->state.UserLevel = userLevel;
        window = std::make_unique<frmOptions>(*program.app, mainWindow.securedMenuItems(), nullptr,
                                              MailPassword(QStringLiteral("Quillbill tests")),
                                              Keyring(QStringLiteral("Quillbill tests")));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        control<QAction>("mnuDatabase")->trigger();
    }

    template <typename T>
    T* control(const char* name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            ADD_FAILURE() << "no control " << name;
        return found;
    }
    void type(const char* name, const QString& text) const
    {
        auto* box = control<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    void click(const char* name) const
    {
        QWidget* button = window->findChild<QWidget*>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // Chooses the server and types where it is.
    void showServer(const ServerAddress& server) const
    {
        click("optDbServer");
        type("txtDbHost", server.host);
        type("txtDbName", server.database);
        type("txtDbUser", server.user);
    }
    QString testResult() const { return control<QLabel>("lblDbTestResult")->text(); }

    TestProgram program;
    frmMain mainWindow{*program.app};
    std::unique_ptr<frmOptions> window;
};

TEST_F(DatabasePageTest, TestConnectionSaysWhatItFound)
{
    TestServerDatabase ours;
    ours.lay();
    TestServerDatabase empty;
    ServerAddress missing = ours.address();
    missing.database = QStringLiteral("no_such_database");
    const struct {
        const char* name;
        ServerAddress server;
        const char* says;
    } cases[] = {
        {"ours", ours.address(), "Connection works: the database"},
        {"empty", empty.address(), "is empty. Tools > Database > Move to Server..."},
        {"missing", missing, "Cannot open the database no_such_database"},
    };
    open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        showServer(c.server);
        click("cmdDbTestConnection");
        EXPECT_TRUE(testResult().contains(QLatin1String(c.says))) << testResult().toStdString();
    }
    EXPECT_TRUE(program.messages.messages.empty());
    EXPECT_FALSE(chosenServer(program.app->databaseSettings)) << "a test chooses nothing";
}

// OK keeps the choice for the next start, which opens that server; the file
// chosen again is opened the start after.
TEST_F(DatabasePageTest, TheNextStartOpensTheChosenDatabase)
{
    TestServerDatabase server;
    server.lay();
    open();
    EXPECT_TRUE(control<QRadioButton>("optDbFile")->isChecked());
    EXPECT_FALSE(control<QLineEdit>("txtDbHost")->isEnabled());
    showServer(server.address());
    click("cmdOK");
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, Kind::Notice);
    EXPECT_TRUE(program.messages.last().text.contains(QStringLiteral("when it next starts")));
    const auto chosen = chosenServer(program.app->databaseSettings);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->host, server.address().host);
    EXPECT_EQ(chosen->database, server.name());
    EXPECT_EQ(program.app->state.MainDatabase.kind(), Database::Kind::File) << "the open database stays";

    program.app->state.MainDatabase.close();
    {
        Startup startup(*program.app);
        ASSERT_TRUE(startup.openDatabase());
        EXPECT_EQ(program.app->state.MainDatabase.kind(), Database::Kind::Server);
    }

    open();
    EXPECT_TRUE(control<QRadioButton>("optDbServer")->isChecked());
    EXPECT_EQ(control<QLineEdit>("txtDbName")->text(), server.name());
    click("optDbFile");
    click("cmdOK");
    EXPECT_FALSE(chosenServer(program.app->databaseSettings));
    program.app->state.MainDatabase.close();
    Startup startup(*program.app);
    ASSERT_TRUE(startup.openDatabase());
    EXPECT_EQ(program.app->state.MainDatabase.kind(), Database::Kind::File);
}

// Values that cannot work are refused with the box to mend; a server that
// does not open now is chosen only when the user says so; below the
// Security page's level the page is out of reach.
TEST_F(DatabasePageTest, TakesNothingUnaskedThatCannotWork)
{
    TestServerDatabase empty;
    open();
    ServerAddress noHost = empty.address();
    noHost.host.clear();
    showServer(noHost);
    click("cmdOK");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, Kind::Warning);
    EXPECT_TRUE(control<QLineEdit>("txtDbHost")->hasFocus());

    showServer(empty.address());
    auto* encryption = control<QComboBox>("cboDbEncryption");
    encryption->setCurrentIndex(encryption->findData(QStringLiteral("verify-full")));
    EXPECT_TRUE(control<QLineEdit>("txtDbCertificate")->isEnabled());
    click("cmdOK");
    ASSERT_EQ(program.messages.messages.size(), 2u);
    EXPECT_TRUE(program.messages.last().text.contains(QStringLiteral("certificate authority")));
    encryption->setCurrentIndex(encryption->findData(QStringLiteral("prefer")));

    for (const bool yes : {false, true}) {
        program.messages.clear();
        program.messages.answerNext(yes);
        click("cmdOK");
        ASSERT_GE(program.messages.messages.size(), 1u);
        EXPECT_EQ(program.messages.messages.front().kind, Kind::Question);
        EXPECT_TRUE(program.messages.messages.front().noIsDefault);
        EXPECT_TRUE(program.messages.messages.front().text.contains(QStringLiteral("is empty")));
        EXPECT_EQ(window->isVisible(), !yes);
        EXPECT_EQ(chosenServer(program.app->databaseSettings).has_value(), yes);
    }

    chooseServer(program.app->databaseSettings, std::nullopt);
    open(2);
    EXPECT_FALSE(control<QAction>("mnuDatabase")->isEnabled());
    EXPECT_FALSE(control<QWidget>("optDatabase")->isVisible());
    click("cmdOK");
    EXPECT_FALSE(chosenServer(program.app->databaseSettings));
}

int64_t customersIn(const Database& database)
{
    return database.firstRow("SELECT COUNT(*) FROM TblCustomer")->value(0).toLongLong();
}

// Move copies the file's records to the empty database and the program
// works there from then on; a database that is not empty is refused with
// nothing changed. The file stays as it was either way.
TEST(MoveToServer, TakesTheFilesRecordsToAnEmptyDatabaseOnly)
{
    TestProgram program;
    Database& mainDatabase = program.app->state.MainDatabase;
    CustomerRecords(mainDatabase).add({0, "Alpha", "1 Main St", "Ottawa", "ON", "K1A0B1", "", "", "ALP"});
    const int64_t customers = customersIn(mainDatabase);
    TestServerDatabase inUse;
    inUse.lay();
    TestServerDatabase empty;
    for (const TestServerDatabase* server : {&inUse, &empty}) {
        const bool moves = server == &empty;
        SCOPED_TRACE(moves ? "empty" : "in use");
        int closings = 0;
        frmMoveToServer window(
            *program.app, [&closings] { ++closings; }, nullptr, Keyring(QStringLiteral("Quillbill tests")));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        for (const auto& [name, text] :
             {std::pair{"txtDbHost", server->address().host}, std::pair{"txtDbName", server->name()},
              std::pair{"txtDbUser", server->address().user}}) {
            auto* box = window.findChild<QLineEdit*>(name);
            box->selectAll();
            QTest::keyClicks(box, text);
        }
        program.messages.clear();
        program.messages.answerNext(true);
        QTest::mouseClick(window.findChild<QPushButton*>("cmdMove"), Qt::LeftButton);

        ASSERT_EQ(program.messages.messages.size(), 2u);
        EXPECT_EQ(program.messages.messages.front().kind, Kind::Question);
        EXPECT_EQ(closings, 1) << "the other windows close before the records move";
        const auto& outcome = program.messages.last();
        EXPECT_EQ(outcome.kind, moves ? Kind::Notice : Kind::Warning);
        EXPECT_TRUE(outcome.text.contains(moves ? "records were moved" : "is not empty")) << outcome.text.toStdString();
        EXPECT_EQ(window.isVisible(), !moves);
        EXPECT_EQ(mainDatabase.kind(), moves ? Database::Kind::Server : Database::Kind::File);
        EXPECT_EQ(chosenServer(program.app->databaseSettings).has_value(), moves);
        EXPECT_EQ(customersIn(mainDatabase), customers);
    }
    Database file;
    file.open(program.databasePath());
    EXPECT_EQ(customersIn(file), customers);
}

} // namespace
} // namespace quillbill::testing
