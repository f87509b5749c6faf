// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The main window: its menu bar, status bar, the open-once rule for child
// windows, F4, the Window menu and the exit steps.

#include "TestProgram.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/tips/frmAbout.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quillbill;
using quillbill::testing::RecordingMessageBoxes;
using quillbill::testing::TestProgram;

namespace {

// A child window with work its user keeps: it refuses to close.
class RefusingChild : public ChildWindow {
public:
    using ChildWindow::ChildWindow;

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

class MainWindowTest : public ::testing::Test {
protected:
    TestProgram program;
    std::unique_ptr<frmMain> main = std::make_unique<frmMain>(*program.app);
    int childrenMade = 0;

    void registerPlainChildren()
    {
        for (int kind = 1; kind <= 8; ++kind) {
            main->registerChild(static_cast<ChildKind>(kind), [this, kind] {
                ++childrenMade;
                auto* child = new ChildWindow(static_cast<ChildKind>(kind));
                child->setWindowTitle(QStringLiteral("Kind %1").arg(kind));
                return child;
            });
        }
    }
    QList<QMdiSubWindow*> frames() const { return main->childArea()->subWindowList(); }
};

TEST_F(MainWindowTest, LoadingWithoutALoginOpensEverythingAtLevelThree)
{
    program.app->state.UserLevel = 0;
    frmMain fresh(*program.app);
    EXPECT_FALSE(fresh.menuItem("mnuLogoff")->isEnabled());
    EXPECT_EQ(program.app->state.UserLevel, 3);
    for (QAction* item : fresh.securedMenuItems())
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();

    program.app->state.LoginSucceeded = true;
    program.app->state.UserLevel = 1;
    frmMain afterLogin(*program.app);
    EXPECT_TRUE(afterLogin.menuItem("mnuLogoff")->isEnabled());
    EXPECT_EQ(program.app->state.UserLevel, 1);
}

TEST_F(MainWindowTest, StatusBarHasFourPanels)
{
    const QList<QLabel*> panels = main->statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 4);
    EXPECT_EQ(panels[0]->text(), "Press F4 to close forms.");
    EXPECT_EQ(panels[0]->toolTip(), "Press F4 to close forms.");
    EXPECT_EQ(panels[1]->text(), "");
    EXPECT_EQ(panels[2]->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_FALSE(panels[3]->text().isEmpty());
    main->setStatusText("Logged Off");
    EXPECT_EQ(panels[1]->text(), "Logged Off");
}

// Each kind is opened the way a user does: by its item's shortcut where it
// has one, else from the menu.
TEST_F(MainWindowTest, EachKindOpensOnceAndItsItemShowsIt)
{
    registerPlainChildren();
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    const struct {
        ChildKind kind;
        QString item;
        QString caption;
        QKeySequence shortcut;
    } rows[] = {
        {ChildKind::AddInvoice, "Menu3_Item1", "New", QKeySequence("Ctrl+N")},
        {ChildKind::EditMyCompany, "Menu2_Item1", "Edit My Info", QKeySequence("Ctrl+E")},
        {ChildKind::InvoiceReports, "Menu3_Item3_1", "Invoice Report", QKeySequence("Ctrl+I")},
        {ChildKind::AddCustomer, "Menu2_Item2", "Add New", QKeySequence("Ctrl+A")},
        {ChildKind::Reprint, "Menu3_Item2", "Reprint/Update", QKeySequence("Ctrl+R")},
        {ChildKind::RemoveCustomer, "mnuRemove", "Remove", QKeySequence("Ctrl+D")},
        {ChildKind::Users, "mnuUser", "Users...", {}},
        {ChildKind::ReviewCustomers, "mnuReview", "Review/Edit", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item.toStdString());
        QAction* item = main->menuItem(row.item);
        EXPECT_EQ(main->childMenuItem(row.kind), item);
        EXPECT_EQ(item->text(), row.caption);
        EXPECT_FALSE(item->isChecked());
        const auto choose = [&] {
            if (row.shortcut.isEmpty())
                item->trigger();
            else
                QTest::keySequence(main.get(), row.shortcut);
        };
        choose();
        EXPECT_TRUE(item->isChecked());
        choose();
        EXPECT_TRUE(item->isChecked()) << "choosing a checked item changes nothing";
    }
    EXPECT_EQ(childrenMade, 8);
    EXPECT_EQ(frames().size(), 8);
}

TEST_F(MainWindowTest, AKindWithoutAWindowYetDoesNothing)
{
    main->menuItem("Menu3_Item1")->trigger();
    EXPECT_FALSE(main->menuItem("Menu3_Item1")->isChecked());
    EXPECT_TRUE(frames().isEmpty());
}

TEST_F(MainWindowTest, F4ClosesTheActiveChildAndTheKindCanOpenAgain)
{
    registerPlainChildren();
    main->show();
    main->menuItem("Menu1_Item1")->trigger();
    EXPECT_TRUE(frames().isEmpty()) << "F4 with no child window does nothing";

    main->openChild(ChildKind::Users);
    main->openChild(ChildKind::Reprint);
    ASSERT_EQ(frames().size(), 2);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    main->childArea()->setActiveSubWindow(frames().at(0));
    QTest::keyClick(main->childArea()->currentSubWindow()->widget(), Qt::Key_F4);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(frames().size(), 1);
    EXPECT_FALSE(main->menuItem("mnuUser")->isChecked());
    EXPECT_TRUE(main->menuItem("Menu3_Item2")->isChecked());

    main->menuItem("mnuUser")->trigger();
    EXPECT_TRUE(main->menuItem("mnuUser")->isChecked());
    EXPECT_EQ(childrenMade, 3);
}

TEST_F(MainWindowTest, ClosingAChildByItsOwnMeansClearsItsCheckMark)
{
    registerPlainChildren();
    main->show();
    main->openChild(ChildKind::AddCustomer);
    main->openChild(ChildKind::RemoveCustomer);
    ASSERT_EQ(frames().size(), 2);
    QMdiSubWindow* addCustomer = frames().at(0);
    auto* remove = qobject_cast<ChildWindow*>(frames().at(1)->widget());
    ASSERT_NE(remove, nullptr);
    // The other window is the active one: the check mark of the window that
    // closes is cleared, not that of the active one.
    main->childArea()->setActiveSubWindow(frames().at(1));
    addCustomer->close();
    EXPECT_FALSE(main->menuItem("Menu2_Item2")->isChecked());
    EXPECT_TRUE(main->menuItem("mnuRemove")->isChecked());

    remove->closeChild();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(main->menuItem("mnuRemove")->isChecked());
    EXPECT_TRUE(frames().isEmpty()) << "a child closing itself takes its frame along";
}

TEST_F(MainWindowTest, WindowMenuListsTheOpenChildren)
{
    registerPlainChildren();
    main->show();
    QAction* windowItem = main->menuItem("Menu4");
    EXPECT_FALSE(windowItem->isEnabled()) << "nothing to list";
    main->openChild(ChildKind::Users);
    main->openChild(ChildKind::ReviewCustomers);
    EXPECT_TRUE(windowItem->isEnabled());
    QMenu* windowMenu = windowItem->menu();
    emit windowMenu->aboutToShow();
    const QList<QAction*> entries = windowMenu->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), "&1 Kind 7");
    EXPECT_EQ(entries[1]->text(), "&2 Kind 8");
    EXPECT_TRUE(entries[1]->isChecked());
    entries[0]->trigger();
    EXPECT_EQ(main->childArea()->currentSubWindow(), frames().at(0));

    main->menuItem("Menu1_Item1")->trigger();
    EXPECT_TRUE(windowItem->isEnabled());
    main->menuItem("Menu1_Item1")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !windowItem->isEnabled(); }, 5000));
}

TEST_F(MainWindowTest, ExitClosesTheChildrenThenAsksAboutABackup)
{
    registerPlainChildren();
    int backups = 0;
    main->setBackupStep([&] { ++backups; });
    main->show();
    main->openChild(ChildKind::Users);
    program.messages.answerNext(true);
    main->menuItem("Menu1_Item2")->trigger();
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(main->menuItem("mnuUser")->isChecked());
    ASSERT_EQ(program.messages.messages.size(), 1u) << "\"Create Backup on Exit\" absent counts as on";
    EXPECT_EQ(program.messages.last().text, "Do you want to create a backup?");
    EXPECT_EQ(program.messages.last().title, "Verify Information");
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Question);
    EXPECT_EQ(backups, 1);
}

TEST_F(MainWindowTest, ExitWithoutABackup)
{
    int backups = 0;
    main->setBackupStep([&] { ++backups; });
    main->show();
    program.messages.answerNext(false);
    main->close();
    EXPECT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(backups, 0) << "No means no backup";

    const struct {
        QString stored;
        bool asks;
        const char* why;
    } rows[] = {
        {"0", false, "off"},
        {"2", false, "only exactly 1 asks"},
        {"1", true, "on"},
        {"yes", true, "a damaged value counts as absent, which is on"},
    };
    for (const auto& row : rows) {
        program.messages.clear();
        program.messages.answerNext(false);
        program.app->options.setText(OptionKey::backupOnExit, row.stored);
        frmMain other(*program.app);
        other.show();
        other.close();
        EXPECT_EQ(!program.messages.empty(), row.asks) << row.why;
    }
    EXPECT_EQ(backups, 0);
}

TEST_F(MainWindowTest, HelpProgramMissingIsReported)
{
    main->menuItem("mnuIndex")->trigger();
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("HelpFile/Help"));
}

TEST_F(MainWindowTest, HelpProgramIsStartedWithoutWaiting)
{
    QDir(program.folder()).mkpath("HelpFile");
    const QString marker = program.folder() + "/help-started";
    QFile help(program.folder() + "/HelpFile/Help");
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write(QStringLiteral("#!/bin/sh\npwd > '%1'\n").arg(marker).toUtf8());
    help.close();
    help.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    main->menuItem("mnuIndex")->trigger();
    EXPECT_TRUE(program.messages.empty());
    QFile started(marker);
    ASSERT_TRUE(QTest::qWaitFor([&] { return started.exists() && started.size() > 0; }, 5000));
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(started.readAll()).trimmed(), QDir(program.folder()).canonicalPath())
        << "the help program starts in the program folder";
}

TEST_F(MainWindowTest, HelpWithoutABrowserSaysWhatIsMissing)
{
    // The delivered help program, on a desktop whose opener finds no browser.
    QDir(program.folder()).mkpath("HelpFile");
    ASSERT_TRUE(QFile::copy(QUILLBILL_TEST_PROGRAM_DIR "/HelpFile/Help", program.folder() + "/HelpFile/Help"));
    QTemporaryDir bin;
    QFile opener(bin.filePath("xdg-open"));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);

    main->menuItem("mnuIndex")->trigger();
    qputenv("PATH", path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !program.messages.empty(); }, 10000));
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_TRUE(program.messages.last().text.contains("web browser")) << program.messages.last().text.toStdString();
}

TEST_F(MainWindowTest, AboutAndOptionsOpenModal)
{
    main->show();
    EXPECT_EQ(main->menuItem("menuAbout")->text(), "About Quillbill...");
    main->menuItem("menuAbout")->trigger();
    auto* about = main->findChild<QDialog*>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isModal());
    about->accept();

    main->menuItem("mnuOpt")->trigger();
    auto* options = main->findChild<QDialog*>("frmOptions");
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(options->isVisible());
    EXPECT_TRUE(options->isModal());
    options->reject();
}

// Log off closes the child windows first, so the next user finds none of
// the last one's; a window that refuses to close keeps the user logged in.
TEST_F(MainWindowTest, LogOffClosesTheChildWindowsFirst)
{
    for (const bool refuses : {false, true}) {
        SCOPED_TRACE(refuses ? "a window refuses" : "every window closes");
        main = std::make_unique<frmMain>(*program.app);
        registerPlainChildren();
        main->registerChild(ChildKind::Reprint, [refuses]() -> ChildWindow* {
            return refuses ? new RefusingChild(ChildKind::Reprint) : new ChildWindow(ChildKind::Reprint);
        });
        int logOffs = 0;
        QObject::connect(main.get(), &frmMain::logOffRequested, [&] { ++logOffs; });
        main->show();
        main->openChild(ChildKind::Users);
        main->openChild(ChildKind::Reprint);
        main->menuItem("mnuLogoff")->setEnabled(true);

        main->menuItem("mnuLogoff")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(logOffs, refuses ? 0 : 1);
        EXPECT_EQ(frames().size(), refuses ? 1 : 0);
        EXPECT_FALSE(main->menuItem("mnuUser")->isChecked());
        EXPECT_EQ(main->menuItem("Menu3_Item2")->isChecked(), refuses);
    }
}

TEST_F(MainWindowTest, EmailCommentsIsHandedOn)
{
    int comments = 0;
    QObject::connect(main.get(), &frmMain::emailCommentsRequested, [&] { ++comments; });
    main->menuItem("mnuemail")->trigger();
    EXPECT_EQ(comments, 1);
}
