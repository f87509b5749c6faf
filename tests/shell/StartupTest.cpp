// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The start-up road: the database check, the splash, the route to the login
// or the main window, and where the program folder is.

#include "shell/startup/Startup.h"
#include "LockingProcess.h"
#include "TestProgram.h"
#include "TestServer.h"
#include "app/DatabaseChoice.h"
#include "records/DatabaseError.h"
#include "shell/login/frmLogin.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/splash/frmSplash.h"
#include "shell/startup/DeliveredLayouts.h"
#include "shell/startup/ProgramFolder.h"
#include "shell/tips/frmTip.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace quillbill;
using quillbill::testing::LockingProcess;
using quillbill::testing::RecordingMessageBoxes;
using quillbill::testing::TestProgram;
using quillbill::testing::TestServerDatabase;

TEST(StartupDatabase, AMissingDatabaseStopsTheProgramWithAMessage)
{
    TestProgram program(false);
    QFile::remove(program.databasePath());
    Startup startup(*program.app);
    EXPECT_FALSE(startup.openDatabase());
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_TRUE(program.messages.last().text.contains("DataBase/db_be.mdb"));
    EXPECT_FALSE(QFileInfo::exists(program.databasePath())) << "no empty file in its place";
}

TEST(StartupDatabase, AFileThatIsNotAQuillbillDatabaseIsRefused)
{
    TestProgram program(false);
    QFile file(program.databasePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("Name,Address\nAcme,1 Main St\n");
    file.close();
    Startup startup(*program.app);
    EXPECT_FALSE(startup.openDatabase());
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("not a database"));
    EXPECT_FALSE(program.app->state.MainDatabase.isOpen());
}

TEST(StartupDatabase, TheDeliveredDatabaseOpens)
{
    TestProgram program(false);
    Startup startup(*program.app);
    EXPECT_TRUE(startup.openDatabase());
    EXPECT_TRUE(program.app->state.MainDatabase.isOpen());
    EXPECT_TRUE(program.messages.empty());
}

TEST(StartupDatabase, ADatabaseHeldByAnotherProgramOffersToTryAgain)
{
    TestProgram program(false);
    LockingProcess other(program.databasePath());
    ASSERT_TRUE(other.locked());
    // The user closes the other program while the message is up, then retries.
    program.messages.whenAsked = [&](const RecordingMessageBoxes::Message&) { other.release(); };
    Startup startup(*program.app);
    EXPECT_TRUE(startup.openDatabase());
    EXPECT_TRUE(program.app->state.MainDatabase.isOpen());
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::RetryQuestion);
    EXPECT_TRUE(program.messages.last().text.contains("Another program is using the database"));
    EXPECT_FALSE(program.messages.last().text.contains("not a database")) << "nothing invites a needless restore";
}

TEST(StartupDatabase, CancelWhileAnotherProgramHoldsTheDatabaseEndsTheProgram)
{
    TestProgram program(false);
    LockingProcess other(program.databasePath());
    ASSERT_TRUE(other.locked());
    program.messages.answerNext(false);
    Startup startup(*program.app);
    EXPECT_FALSE(startup.openDatabase());
    EXPECT_FALSE(program.app->state.MainDatabase.isOpen());
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::RetryQuestion);
}

// An office whose records are on a server opens them there; a server out
// of reach offers to try again, and Cancel ends the program.
TEST(StartupDatabase, TheServerTheSettingsNameOpensAndOneOutOfReachOffersToTryAgain)
{
    TestServerDatabase server;
    server.lay();
    TestProgram program(false);
    chooseServer(program.app->databaseSettings, server.address());
    {
        Startup startup(*program.app);
        EXPECT_TRUE(startup.openDatabase());
        const Database& database = program.app->state.MainDatabase;
        EXPECT_EQ(database.kind(), Database::Kind::Server);
        EXPECT_TRUE(program.messages.empty());

        // The connection lost, and the server turning the program away: the
        // user is asked whether to try again.
        const auto administer = [&](const QString& sql) {
            return QProcess::execute("psql",
                                     {"-X", "-q", "-h", TestServerDatabase::socketFolder(), "-U", server.address().user,
                                      "-d", "postgres", "-c", sql});
        };
        ASSERT_EQ(administer(QStringLiteral("ALTER DATABASE %1 ALLOW_CONNECTIONS false").arg(server.name())), 0);
        const QString backend = database.firstRow("SELECT pg_backend_pid()")->value(0).toString();
        ASSERT_EQ(administer(QStringLiteral("SELECT pg_terminate_backend(%1, 30000)").arg(backend)), 0);
        EXPECT_THROW(database.firstRow("SELECT 1"), DatabaseError);
        program.messages.answerNext(false);
        EXPECT_THROW(database.firstRow("SELECT 1"), DatabaseError);
        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::RetryQuestion);
        EXPECT_TRUE(program.messages.last().text.contains("connection to the database server was lost"));
        ASSERT_EQ(administer(QStringLiteral("ALTER DATABASE %1 ALLOW_CONNECTIONS true").arg(server.name())), 0);
        EXPECT_EQ(database.firstRow("SELECT 1")->value(0).toInt(), 1) << "connected again";
        program.messages.clear();
    }
    program.app->state.MainDatabase.close();

    ServerAddress away = server.address();
    away.host = program.folder(); // no server listens there
    chooseServer(program.app->databaseSettings, away);
    program.messages.answerNext(true);
    program.messages.answerNext(false);
    Startup startup(*program.app);
    EXPECT_FALSE(startup.openDatabase());
    EXPECT_FALSE(program.app->state.MainDatabase.isOpen());
    ASSERT_EQ(program.messages.messages.size(), 2u) << "asked, retried, asked again";
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::RetryQuestion);
    EXPECT_TRUE(program.messages.last().text.contains("Check that the server is running"));
}

// File permissions do not stop root, so the folder is made read-only the way
// that stops everybody: a read-only bind mount. Where mounting is not allowed
// (an ordinary user), the folder's permissions do the same.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder) : folder_(folder)
    {
        if (QProcess::execute("mount", {"--bind", folder_, folder_}) == 0) {
            mounted_ = true;
            readOnly_ = QProcess::execute("mount", {"-o", "remount,bind,ro", folder_}) == 0;
        } else if (::geteuid() != 0) {
            readOnly_ = QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
        }
    }
    ~ReadOnlyFolder()
    {
        if (mounted_)
            QProcess::execute("umount", {folder_});
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool readOnly() const { return readOnly_; }

private:
    QString folder_;
    bool mounted_ = false;
    bool readOnly_ = false;
};

TEST(StartupDatabase, ADatabaseThatCannotBeWrittenOpensWithAWarning)
{
    TestProgram program(false);
    ReadOnlyFolder readOnly(QFileInfo(program.databasePath()).absolutePath());
    if (!readOnly.readOnly())
        GTEST_SKIP() << "cannot make a folder read-only here";
    Startup startup(*program.app);
    ASSERT_TRUE(startup.openDatabase());
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_TRUE(program.messages.last().text.contains("Changes cannot be saved"));
    EXPECT_TRUE(program.messages.last().text.contains("read-only"));
    try {
        program.app->state.MainDatabase.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('A')");
        FAIL() << "a read-only database must refuse a save";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.cause(), DatabaseError::Cause::ReadOnly) << error.message().toStdString();
    }
    program.app->state.MainDatabase.close();
}

TEST(StartupDatabase, ASaveWaitingForAnotherProgramSaysSoInTheMainWindow)
{
    TestProgram program(false);
    program.app->options.setText(OptionKey::showSplash, "0");
    program.app->options.setText(OptionKey::showLogon, "0");
    program.app->options.setText(OptionKey::showTips, "0");
    Startup startup(*program.app);
    ASSERT_TRUE(startup.openDatabase());
    startup.begin();
    ASSERT_NE(startup.mainWindow(), nullptr);
    const QString before = startup.mainWindow()->statusText();
    LockingProcess other(program.databasePath());
    ASSERT_TRUE(other.locked());

    QString during;
    bool waitCursor = false;
    QTimer::singleShot(0, [&] {
        during = startup.mainWindow()->statusText();
        waitCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        other.release();
    });
    program.app->state.MainDatabase.execute("INSERT INTO TblBillingCodes (BillCode) VALUES ('A')");
    EXPECT_TRUE(during.contains("Waiting for another program")) << during.toStdString();
    EXPECT_TRUE(waitCursor);
    EXPECT_EQ(startup.mainWindow()->statusText(), before);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

class StartupRoute : public ::testing::Test {
protected:
    void setSwitches(const QString& splash, const QString& logon, const QString& tips)
    {
        program.app->options.setText(OptionKey::showSplash, splash);
        program.app->options.setText(OptionKey::showLogon, logon);
        program.app->options.setText(OptionKey::showTips, tips);
    }

    TestProgram program;
    Startup startup{*program.app};
};

TEST_F(StartupRoute, WithEverythingOffTheMainWindowOpensAtOnce)
{
    setSwitches("0", "0", "0");
    startup.begin();
    EXPECT_EQ(startup.splashWindow(), nullptr);
    EXPECT_EQ(startup.loginWindow(), nullptr);
    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->menuItem("mnuLogoff")->isEnabled());
    EXPECT_EQ(program.app->state.UserLevel, 3);
    for (QAction* item : main->securedMenuItems())
        EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(main->findChildren<frmTip*>().isEmpty());
}

TEST_F(StartupRoute, OnlyTheValueOneShowsTheSplash)
{
    for (const QString value : {"0", "2", "x"}) {
        TestProgram other;
        other.app->options.setText(OptionKey::showSplash, value);
        other.app->options.setText(OptionKey::showLogon, "1");
        Startup route(*other.app);
        route.begin();
        const bool damaged = value == "x";
        EXPECT_EQ(route.splashWindow() != nullptr, damaged)
            << value.toStdString() << ": a damaged value counts as absent, which shows the splash";
        EXPECT_EQ(route.loginWindow() != nullptr, !damaged) << value.toStdString();
    }
}

TEST_F(StartupRoute, TheSplashGivesWayToTheLoginOnItsSixthTick)
{
    startup.begin();
    QPointer<frmSplash> splash = startup.splashWindow();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(startup.loginWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return startup.loginWindow() != nullptr; }, 10000));
    EXPECT_TRUE(startup.loginWindow()->isVisible());
    EXPECT_TRUE(!splash || !splash->isVisible());
}

TEST_F(StartupRoute, WithoutALoginTheTipFollowsTheMainWindow)
{
    setSwitches("0", "0", "1");
    startup.begin();
    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);
    const auto tips = main->findChildren<frmTip*>();
    ASSERT_EQ(tips.size(), 1);
    EXPECT_TRUE(tips[0]->isVisible());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(StartupRoute, ADamagedLogonSwitchStillAsksForALogin)
{
    setSwitches("0", "", "0");
    startup.begin();
    EXPECT_NE(startup.loginWindow(), nullptr);
    EXPECT_EQ(startup.mainWindow(), nullptr);
}

TEST_F(StartupRoute, BackupOnExitAndRestoreFromTheMenus)
{
    setSwitches("0", "0", "0");
    startup.begin();
    frmMain* main = startup.mainWindow();
    ASSERT_NE(main, nullptr);
    const Database& db = program.app->state.MainDatabase;
    db.execute("UPDATE TblMyCompanyInfo SET CompanyName = 'Backed up'");

    // Tools > Database > Backup writes the backup at once, without a question.
    main->menuItem("mnubkup")->trigger();
    EXPECT_TRUE(program.messages.empty());
    const QStringList backups = QDir(program.app->path("DataBackup")).entryList({"*.BAK"}, QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmFileMoveCopy")
            top->close();

    // Restore closes the open child windows and works on the restored data.
    db.execute("UPDATE TblMyCompanyInfo SET CompanyName = 'Changed later'");
    main->openChild(ChildKind::Users);
    main->menuItem("mnurestore")->trigger();
    auto* restore = main->findChild<QDialog*>("frmRestore");
    ASSERT_NE(restore, nullptr);
    restore->findChild<QListWidget*>("File1")->setCurrentRow(0);
    QTest::mouseClick(restore->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(main->menuItem("mnuUser")->isChecked());
    EXPECT_EQ(db.firstRow("SELECT CompanyName FROM TblMyCompanyInfo")->value(0).toString(), "Backed up");

    // Closing with "Create Backup on Exit" on asks, and Yes writes a backup.
    QDir(program.app->path("DataBackup")).removeRecursively();
    program.messages.answerNext(true);
    main->close();
    EXPECT_EQ(program.messages.last().text, "Do you want to create a backup?");
    EXPECT_EQ(QDir(program.app->path("DataBackup")).entryList({"*.BAK"}, QDir::Files).size(), 1);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "frmFileMoveCopy") {
            EXPECT_TRUE(top->isVisible()) << "the progress window outlives the main window";
            top->close();
        }
}

namespace {

// A file of the program folders' tests, with its folders.
bool writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

TEST(ProgramFolderTest, ARunFromItsOwnFolderUsesThatFolder)
{
    QTemporaryDir build;
    QDir(build.path()).mkpath("DataBase");
    EXPECT_EQ(ProgramFolder::locate(build.path(), "/nonexistent", build.path() + "/user"), build.path());
    EXPECT_FALSE(QFileInfo::exists(build.path() + "/user"));
}

TEST(ProgramFolderTest, AnInstalledProgramLaysOutThePerUserFolderOnce)
{
    QTemporaryDir root;
    const QString defaults = root.path() + "/share/quillbill";
    const QString user = root.path() + "/home/.local/share/Quillbill";
    QDir().mkpath(defaults + "/DataBase");
    QDir().mkpath(defaults + "/Reports");
    QFile::copy(quillbill::testing::deliveredDatabase(), defaults + "/DataBase/db_be.mdb");
    // Installed defaults are everyone's to read; they hold no one's records.
    QFile::setPermissions(defaults + "/DataBase/db_be.mdb",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile tips(defaults + "/TipOfTheDay.dat");
    ASSERT_TRUE(tips.open(QIODevice::WriteOnly));
    tips.write("A tip\r\n");
    tips.close();

    EXPECT_EQ(ProgramFolder::locate(root.path() + "/bin", defaults, user), user);
    EXPECT_TRUE(QFileInfo::exists(user + "/DataBase/db_be.mdb"));
    EXPECT_EQ(QFileInfo(user + "/DataBase/db_be.mdb").permissions(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser)
        << "the user's database is theirs only";
    EXPECT_TRUE(QFileInfo(user + "/Reports").isDir());
    EXPECT_TRUE(QFileInfo::exists(user + "/TipOfTheDay.dat"));

    // A database that later goes missing is not quietly replaced.
    QFile::remove(user + "/DataBase/db_be.mdb");
    EXPECT_EQ(ProgramFolder::locate(root.path() + "/bin", defaults, user), user);
    EXPECT_FALSE(QFileInfo::exists(user + "/DataBase/db_be.mdb"));
}

TEST(ProgramFolderTest, AnUpgradedProgramBringsItsGuideAndNewLayoutsAndLeavesTheDataAlone)
{
    QTemporaryDir root;
    const QString defaults = root.path() + "/share/quillbill";
    const QString user = root.path() + "/home/.local/share/Quillbill";
    ASSERT_TRUE(writeFile(defaults + "/DataBase/db_be.mdb", "delivered"));
    ASSERT_TRUE(writeFile(defaults + "/HelpFile/index.html", "guide 1"));
    ASSERT_TRUE(writeFile(defaults + "/Reports/simple.rdn", "layout 1"));
    ProgramFolder::locate(root.path() + "/bin", defaults, user);
    ASSERT_TRUE(writeFile(user + "/DataBase/db_be.mdb", "the office's invoices"));
    ASSERT_TRUE(writeFile(user + "/Reports/simple.rdn", "the office's own layout"));

    // The package is upgraded: a new start page and a page for a new window.
    ASSERT_TRUE(writeFile(defaults + "/DataBase/db_be.mdb", "delivered 2"));
    ASSERT_TRUE(writeFile(defaults + "/HelpFile/index.html", "guide 2, longer"));
    ASSERT_TRUE(writeFile(defaults + "/HelpFile/images/new-window.png", "picture"));
    ASSERT_TRUE(writeFile(defaults + "/Reports/simple.rdn", "layout 2"));
    ASSERT_TRUE(writeFile(defaults + "/Reports/statement.rdn", "a new document's layout"));
    ProgramFolder::locate(root.path() + "/bin", defaults, user);
    EXPECT_EQ(readFile(user + "/Reports/statement.rdn"), "a new document's layout");
    EXPECT_EQ(readFile(user + "/Reports/simple.rdn"), "the office's own layout") << "the office's layouts stay";
    EXPECT_EQ(readFile(user + "/HelpFile/index.html"), "guide 2, longer");
    EXPECT_EQ(readFile(user + "/HelpFile/images/new-window.png"), "picture");
    EXPECT_EQ(readFile(user + "/DataBase/db_be.mdb"), "the office's invoices");
}

// A layout the office never changed follows the installed version; every
// layout the program delivers now is known as delivered, so that the next
// version can tell it from the office's own.
TEST(ProgramFolderTest, AnUnchangedLayoutFollowsTheUpgradeAndAChangedOneStays)
{
    QDir delivered(QStringLiteral(QUILLBILL_TEST_PROGRAM_DIR "/Reports"));
    // The English layouts and the French ones of fr/.
    QStringList layouts;
    for (QDirIterator it(delivered.path(), {QStringLiteral("*.rdn")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        layouts << delivered.relativeFilePath(it.next());
    ASSERT_GE(layouts.size(), 8);
    QByteArray report;
    for (const QString& name : layouts) {
        QFile file(delivered.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        EXPECT_TRUE(ProgramFolder::isDeliveredLayout(contents)) << name.toStdString() << " is not listed as delivered";
        if (name == QStringLiteral("report.rdn"))
            report = contents;
    }
    ASSERT_FALSE(report.isEmpty());

    QTemporaryDir root;
    const QString defaults = root.path() + "/share/quillbill";
    const QString user = root.path() + "/home/.local/share/Quillbill";
    ASSERT_TRUE(writeFile(defaults + "/DataBase/db_be.mdb", "delivered"));
    ASSERT_TRUE(writeFile(defaults + "/Reports/report.rdn", report));
    ASSERT_TRUE(writeFile(defaults + "/Reports/simple.rdn", report));
    ProgramFolder::locate(root.path() + "/bin", defaults, user);
    ASSERT_TRUE(writeFile(user + "/Reports/simple.rdn", report + "; the office's change"));

    ASSERT_TRUE(writeFile(defaults + "/Reports/report.rdn", "the next version's layout"));
    ASSERT_TRUE(writeFile(defaults + "/Reports/simple.rdn", "the next version's invoice"));
    ProgramFolder::locate(root.path() + "/bin", defaults, user);
    EXPECT_EQ(readFile(user + "/Reports/report.rdn"), "the next version's layout");
    EXPECT_EQ(readFile(user + "/Reports/simple.rdn"), report + "; the office's change");
}

TEST(ProgramFolderTest, CopyingKeepsFilesAlreadyThere)
{
    QTemporaryDir from;
    QTemporaryDir to;
    QFile source(from.path() + "/TipOfTheDay.dat");
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write("delivered");
    source.close();
    QFile mine(to.path() + "/TipOfTheDay.dat");
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("my own tips");
    mine.close();
    EXPECT_TRUE(ProgramFolder::copyTree(from.path(), to.path()));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "my own tips");
}
