// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// F1 asks the help program for the guide's page about the window being
// worked in; Help > Contents for the start page. The help program here
// writes down what it was asked for.

#include "shell/help/HelpKey.h"
#include "FindControl.h"
#include "TestProgram.h"
#include "app/ProgramReport.h"
#include "app/Translations.h"
#include "backup/frmFileMoveCopy.h"
#include "backup/frmRestore.h"
#include "mail/frmEmail.h"
#include "shell/login/frmLogin.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"
#include "shell/startup/ChildWindows.h"
#include "shell/startup/ProgramFolder.h"
#include "shell/tips/frmAbout.h"
#include "shell/tips/frmTip.h"

#include <gtest/gtest.h>

#include <quirepress/quirepress.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

using namespace quillbill;
using quillbill::testing::TestProgram;

namespace {

class HelpKeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The delivered guide, so that every page asked for exists, with a
        // help program that notes its argument instead of opening a browser.
        ASSERT_TRUE(ProgramFolder::copyTree(QStringLiteral(QUILLBILL_TEST_PROGRAM_DIR "/HelpFile"),
                                            program.folder() + "/HelpFile"));
        QFile help(program.folder() + "/HelpFile/Help");
        help.remove();
        ASSERT_TRUE(help.open(QIODevice::WriteOnly));
        help.write(QStringLiteral("#!/bin/sh\necho \"${1:-(no page)}\" >> '%1'\n").arg(askedFile()).toUtf8());
        help.close();
        help.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qApp->installEventFilter(&helpKey);
    }

    QString askedFile() const { return program.folder() + "/asked"; }

    QStringList pagesAsked() const
    {
        QFile file(askedFile());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    // Presses F1 in `widget` and returns what the help program was asked.
    std::string pressF1(QWidget* widget) const
    {
        const qsizetype before = pagesAsked().size();
        QTest::keyClick(widget, Qt::Key_F1);
        if (!QTest::qWaitFor([&] { return pagesAsked().size() > before; }, 10000))
            return "(nothing asked)";
        return pagesAsked().constLast().toStdString();
    }

    TestProgram program;
    HelpKey helpKey{*program.app};
};

// A control of `window` that takes the keyboard, or the window itself.
QWidget* insideOf(QWidget* window)
{
    for (auto* child : window->findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus && child->isVisibleTo(window))
            return child;
    return window;
}

} // namespace

TEST_F(HelpKeyTest, F1InEachChildWindowAsksForItsPageAndContentsForTheStartPage)
{
    frmMain main(*program.app);
    registerChildWindows(main, *program.app);
    main.show();
    EXPECT_EQ(pressF1(&main), "main-window.html");

    const struct {
        ChildKind kind;
        const char* page;
    } children[] = {
        {ChildKind::AddInvoice, "new-invoice.html"},
        {ChildKind::EditMyCompany, "my-company.html"},
        {ChildKind::InvoiceReports, "invoice-reports.html"},
        {ChildKind::AddCustomer, "new-customer.html"},
        {ChildKind::Reprint, "reprint-invoice.html"},
        {ChildKind::RemoveCustomer, "remove-customer.html"},
        {ChildKind::Users, "users.html"},
        {ChildKind::ReviewCustomers, "review-customers.html"},
    };
    for (const auto& child : children) {
        main.openChild(child.kind);
        QMdiSubWindow* frame = main.childArea()->currentSubWindow();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(pressF1(insideOf(frame->widget())), child.page) << "in a control of the window";
        EXPECT_EQ(pressF1(&main), child.page) << "in the main window around it";
        main.CloseActiveChild();
    }

    // Chosen from the menu, Contents opens the start page over any window.
    main.openChild(ChildKind::AddInvoice);
    const qsizetype before = pagesAsked().size();
    main.menuItem("mnuIndex")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pagesAsked().size() > before; }, 10000));
    EXPECT_EQ(pagesAsked().constLast().toStdString(), "(no page)");
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(HelpKeyTest, F1InEachDialogAsksForItsPage)
{
    frmMain main(*program.app);
    const struct {
        const char* page;
        std::function<QWidget*()> open;
    } dialogs[] = {
        {"login.html", [&] { return new frmLogin(*program.app, &main); }},
        {"tip-of-the-day.html", [&] { return new frmTip(*program.app, &main); }},
        {"about.html", [&] { return new frmAbout(&main); }},
        {"options.html", [&] { return new frmOptions(*program.app, main.securedMenuItems(), &main); }},
        {"email.html", [&] { return new frmEmail(*program.app, &main); }},
        {"restore.html",
         [&] {
             return new frmRestore(
                 *program.app, [] {}, &main);
         }},
        {"copying-files.html", [&] { return new frmFileMoveCopy(&main); }},
    };
    for (const auto& dialog : dialogs) {
        std::unique_ptr<QWidget> window(dialog.open());
        window->show();
        EXPECT_EQ(pressF1(insideOf(window.get())), dialog.page) << window->objectName().toStdString();
    }
}

TEST_F(HelpKeyTest, F1InTheReportEnginesWindowsAsksForTheirPages)
{
    quirepress::Report report = newProgramReport(program.messages);
    report.AddSection(QStringLiteral("Detail"));

    // With no target set, the run starts by asking where the report goes.
    std::string asked;
    QTimer::singleShot(0, [&] {
        QWidget* choice = nullptr;
        if (QTest::qWaitFor([&] { return (choice = QApplication::activeModalWidget()) != nullptr; }, 10000)) {
            asked = pressF1(insideOf(choice));
            choice->close();
        }
    });
    report.PrintSection(QStringLiteral("Detail"));
    report.EndReport();
    EXPECT_EQ(asked, "output-choice.html");

    report.setOutputTo(quirepress::cOutputToScreen);
    report.PrintSection(QStringLiteral("Detail"));
    report.EndReport();
    QWidget* preview = quillbill::testing::shownWindow("frmDisplay");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(pressF1(insideOf(preview)), "preview.html");
    report.CloseWindow();
}

// In a French session F1 and Contents open the French guide's pages.
TEST_F(HelpKeyTest, AFrenchSessionOpensTheFrenchGuide)
{
    installTranslations(QLocale(QLocale::French, QLocale::Canada));
    frmMain main(*program.app);
    main.show();
    EXPECT_EQ(pressF1(&main), "fr/main-window.html");
    const qsizetype before = pagesAsked().size();
    main.menuItem("mnuIndex")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pagesAsked().size() > before; }, 10000));
    EXPECT_EQ(pagesAsked().constLast().toStdString(), "fr/index.html");
}

// The delivered help program opens a page of the guide or of a language
// folder, and the start page for anything that would lead out of them.
TEST(HelpProgram, OpensPagesOfTheGuideAndItsLanguagesOnly)
{
    QTemporaryDir bin;
    QFile opener(bin.filePath("xdg-open"));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\necho \"$1\"\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    const QString guide = QDir(QStringLiteral(QUILLBILL_TEST_PROGRAM_DIR "/HelpFile")).canonicalPath();
    const struct {
        const char* asked;
        const char* opened;
    } cases[] = {
        {"options.html", "options.html"}, {"fr/options.html", "fr/options.html"}, {"fr/../../x.html", "index.html"},
        {"../x.html", "index.html"},      {"fr/.hidden", "index.html"},           {"images/../../x", "index.html"},
    };
    for (const auto& c : cases) {
        QProcess help;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", bin.path() + ':' + environment.value("PATH"));
        help.setProcessEnvironment(environment);
        help.start(guide + "/Help", {QString::fromLatin1(c.asked)});
        ASSERT_TRUE(help.waitForFinished(-1));
        EXPECT_EQ(QString::fromUtf8(help.readAllStandardOutput()).trimmed(), guide + '/' + c.opened) << c.asked;
    }
}
