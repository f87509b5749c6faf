// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The preview window as a screen run uses it: made hidden when the run
// starts, shown on page 1 when it ends, and dropped with the run's page
// images when the user closes it.

#include "ReportRunSupport.h"

#include "model/PageImages.h"
#include "windows/frmDisplay.h"
#include "windows/frmProgress.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace quirepress;
using namespace runsupport;

namespace {

class PrintButtonEvents : public ReportEvents {
public:
    void PrintToPrinterButton() override { ++pressed; }
    int pressed = 0;
};

class PreviewRunTest : public ::testing::Test {
protected:
    PreviewRunTest()
    {
        report.setOutputTo(cOutputToScreen);
        report.setReportName(QStringLiteral("/home/ann/reports/sales.rdn"));
        addSection(report, QStringLiteral("Line"), 300);
        spoolEveryPage(report);
    }

    // A run of `pages` pages.
    void runPages(int pages)
    {
        report.PrintSection(QStringLiteral("Line"));
        for (int page = 1; page < pages; ++page)
            report.NewPage();
        report.EndReport();
    }

    detail::frmDisplay* preview() { return previewOf(report); }

    QString pageLabel() { return preview()->findChild<QLabel*>(QStringLiteral("lblPage"))->text(); }

    void press(int button)
    {
        QTest::mouseClick(preview()->findChild<QAbstractButton*>(QStringLiteral("cmdToolbar%1").arg(button)),
                          Qt::LeftButton);
    }

    std::shared_ptr<RecordedMessages> messages = std::make_shared<RecordedMessages>();
    Report report{messages};
};

// A caller whose answer to the print button fails part way through its run.
class FailingPrint : public ReportEvents {
public:
    FailingPrint(Report& report, std::function<void()> failure) : report_(report), failure_(std::move(failure)) {}
    void PrintToPrinterButton() override
    {
        report_.setOutputTo(cOutputToTextFile);
        report_.setOutputFilename(folder.filePath(QStringLiteral("again.txt")));
        report_.PrintSection(QStringLiteral("Line"));
        failure_();
        report_.EndReport();
    }

    QTemporaryDir folder;

private:
    Report& report_;
    std::function<void()> failure_;
};

TEST_F(PreviewRunTest, TheEndOfARunShowsPageOneAndClosingItDeletesThePageImages)
{
    runPages(3);
    ASSERT_NE(preview(), nullptr);
    EXPECT_TRUE(preview()->isVisible());
    EXPECT_EQ(preview()->windowTitle(), QStringLiteral("Quirepress Display - /home/ann/reports/sales.rdn"));
    EXPECT_EQ(preview()->findChild<QLabel*>(QStringLiteral("lblPage"))->text(), QStringLiteral("Page 1 of 3"));
    EXPECT_FALSE(report.CanExit());
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(keepsPage(report, page));
    const QString spool = spoolFileOf(report);
    EXPECT_TRUE(QFile::exists(spool));
    EXPECT_TRUE(QDir(QFileInfo(spool).path()).entryList({QStringLiteral("*.bmp")}).isEmpty())
        << "pages are drawings, not bitmaps";

    preview()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(preview(), nullptr);
    EXPECT_TRUE(report.CanExit());
    for (int page = 1; page <= 3; ++page)
        EXPECT_FALSE(keepsPage(report, page));
    EXPECT_FALSE(QFile::exists(spool));
    EXPECT_FALSE(runOf(report).started()) << "the next section starts a new run";
}

TEST_F(PreviewRunTest, CloseWindowAndTheReportsEndDeleteOnlyTheirOwnImages)
{
    Report other(std::make_shared<RecordedMessages>());
    spoolEveryPage(other);
    other.setOutputTo(cOutputToScreen);
    addSection(other, QStringLiteral("Line"), 300);
    other.PrintSection(QStringLiteral("Line"));
    other.EndReport();
    ASSERT_TRUE(keepsPage(other, 1));
    ASSERT_TRUE(QFile::exists(spoolFileOf(other)));

    runPages(2);
    {
        // A report made later the same day leaves today's images alone.
        Report later(std::make_shared<RecordedMessages>());
    }
    EXPECT_TRUE(keepsPage(report, 2));
    report.CloseWindow();
    EXPECT_EQ(preview(), nullptr);
    EXPECT_FALSE(keepsPage(report, 1));
    EXPECT_FALSE(QFile::exists(spoolFileOf(report)));
    EXPECT_TRUE(keepsPage(other, 1)) << "another live report's page stays";
    EXPECT_TRUE(QFile::exists(spoolFileOf(other)));

    const QString otherSpool = spoolFileOf(other);
    {
        Report ending(std::make_shared<RecordedMessages>());
        spoolEveryPage(ending);
        ending.setOutputTo(cOutputToScreen);
        addSection(ending, QStringLiteral("Line"), 300);
        ending.PrintSection(QStringLiteral("Line"));
        ending.EndReport();
        const QString endingSpool = spoolFileOf(ending);
        ASSERT_TRUE(QFile::exists(endingSpool));
        other.CloseWindow();
        EXPECT_FALSE(QFile::exists(otherSpool));
        EXPECT_TRUE(QFile::exists(endingSpool));
    }
    EXPECT_FALSE(QFile::exists(otherSpool));
}

TEST_F(PreviewRunTest, ThePrintButtonResetsTheRunAndAsksTheCallerToPrint)
{
    PrintButtonEvents events;
    report.setEvents(&events);
    runPages(1);
    report.setCancel(true);
    QTest::mouseClick(preview()->findChild<QAbstractButton*>(QStringLiteral("cmdToolbar4")), Qt::LeftButton);
    EXPECT_EQ(events.pressed, 1);
    EXPECT_FALSE(report.Cancel());
    EXPECT_FALSE(runOf(report).started());
    EXPECT_NE(preview(), nullptr) << "the preview stays open";
    report.setEvents(nullptr);
}

TEST_F(PreviewRunTest, WhatThePrintHandlerThrowsIsToldToTheUserAndEndsOnlyItsOwnRun)
{
    const struct {
        const char* what;
        std::function<void(Report&)> fail;
        QString told;
    } cases[] = {
        {"an Error of the engine", [](Report& again) { again.PrintSection(QStringLiteral("No such section")); },
         QStringLiteral("5 - Invalid procedure call or argument: no item named \"No such section\"")},
        {"any other exception", [](Report&) { throw std::runtime_error("the caller's database went away"); },
         QStringLiteral("the caller's database went away")},
    };
    runPages(2);
    for (const auto& failure : cases) {
        SCOPED_TRACE(failure.what);
        messages->said.clear();
        FailingPrint caller(report, [&] { failure.fail(report); });
        report.setEvents(&caller);
        press(4);
        report.setEvents(nullptr);
        EXPECT_EQ(messages->said, QStringList{failure.told});
        EXPECT_FALSE(runOf(report).started()) << "the failed run is dropped; the next section starts anew";
        EXPECT_FALSE(report.Cancel());
        EXPECT_FALSE(progressOf(report)->isVisible());
        ASSERT_NE(preview(), nullptr) << "the preview stays open";
        EXPECT_EQ(pageLabel(), QStringLiteral("Page 1 of 2"));
        EXPECT_TRUE(keepsPage(report, 2));
    }
}

TEST_F(PreviewRunTest, ACancelledRunClosesItsHiddenWindowAndShowsNothing)
{
    report.PrintSection(QStringLiteral("Line"));
    ASSERT_NE(preview(), nullptr);
    EXPECT_FALSE(preview()->isVisible()) << "hidden while the run lasts";
    report.setCancel(true);
    report.EndReport();
    EXPECT_EQ(preview(), nullptr);
    EXPECT_TRUE(report.CanExit());
    EXPECT_FALSE(keepsPage(report, 1));
}

// What the preview showed each time a page was finished, and what it lets
// the user do then.
struct PreviewState {
    bool visible;
    QString label;
    bool printable;
    bool operator==(const PreviewState&) const = default;
};

class PageWatch : public ReportEvents {
public:
    void NewPage() override { onNewPage(); }
    std::function<void()> onNewPage;
};

TEST_F(PreviewRunTest, FirstPageAtOnceShowsEachFinishedPageWhileTheCallerGoesOn)
{
    PageWatch watch;
    report.setEvents(&watch);
    const auto state = [this] {
        return PreviewState{preview()->isVisible(), pageLabel(),
                            preview()->findChild<QAbstractButton*>(QStringLiteral("cmdToolbar4"))->isEnabled()
                                && preview()->findChild<QAbstractButton*>(QStringLiteral("cmdSavePdf"))->isEnabled()};
    };
    std::vector<PreviewState> seen;
    watch.onNewPage = [&] {
        seen.push_back(state());
        // The user turns to a page already made while the rest is made.
        if (report.PageCount() == 3)
            press(2);
    };

    report.setFirstPageAtOnce(true);
    runPages(4);
    const std::vector<PreviewState> whileMade = {{true, QStringLiteral("Page 1 of 1..."), false},
                                                 {true, QStringLiteral("Page 1 of 2..."), false},
                                                 {true, QStringLiteral("Page 2 of 3..."), false}};
    EXPECT_EQ(seen, whileMade);
    EXPECT_EQ(state(), (PreviewState{true, QStringLiteral("Page 2 of 4"), true}))
        << "the end keeps the page the user is on";

    // Without it the window waits for the end, as before.
    preview()->close();
    seen.clear();
    watch.onNewPage = [&] { seen.push_back(state()); };
    report.setFirstPageAtOnce(false);
    runPages(2);
    EXPECT_EQ(seen, (std::vector<PreviewState>{{false, QStringLiteral("Page 1 of 1"), true}}));
    EXPECT_EQ(state(), (PreviewState{true, QStringLiteral("Page 1 of 2"), true}));
}

TEST_F(PreviewRunTest, ClosingAnEarlyPreviewOrCancellingStopsTheRunAndDropsItsPages)
{
    const std::vector<std::pair<const char*, std::function<void(Report&)>>> stops = {
        {"the preview closed", [](Report& run) { previewOf(run)->close(); }},
        {"the progress window's Cancel",
         [](Report& run) {
             QTest::mouseClick(progressOf(run)->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
         }},
    };
    for (const auto& [how, stop] : stops) {
        SCOPED_TRACE(how);
        PageWatch watch;
        report.setEvents(&watch);
        watch.onNewPage = [&, &stop = stop] {
            if (report.PageCount() == 3)
                stop(report);
        };
        report.setFirstPageAtOnce(true);
        runPages(5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(preview(), nullptr);
        EXPECT_TRUE(report.CanExit());
        EXPECT_FALSE(report.Cancel()) << "the next run starts afresh";
        EXPECT_FALSE(keepsPage(report, 1));
        EXPECT_FALSE(QFile::exists(spoolFileOf(report)));
        EXPECT_TRUE(messages->said.isEmpty());
    }
}

TEST_F(PreviewRunTest, AModalCallerIsToldThatThePreviewCannotBeShown)
{
    Report modalCaller(messages);
    modalCaller.setOutputTo(cOutputToScreen);
    addSection(modalCaller, QStringLiteral("Line"), 300);
    QDialog caller;
    QTimer::singleShot(0, &caller, [&] {
        modalCaller.PrintSection(QStringLiteral("Line"));
        modalCaller.EndReport();
        caller.accept();
    });
    caller.exec();
    EXPECT_EQ(messages->said,
              QStringList{QStringLiteral("Cant show report output because the calling form is a modal form.")});
    EXPECT_FALSE(previewOf(modalCaller)->isVisible());
    EXPECT_TRUE(keepsPage(modalCaller, 1)) << "the pages stay until the report ends";
}

// The system's temporary folder is shared by every user: a report's page
// images go into a folder of the user's own under it.
class PrivateFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shared.isValid());
        oldTemporary_ = qgetenv("TMPDIR");
        oldRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", shared.path().toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");
        ASSERT_EQ(QDir::tempPath(), shared.path());
    }
    void TearDown() override
    {
        qputenv("TMPDIR", oldTemporary_);
        if (oldRuntime_.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", oldRuntime_);
    }

    // The folder reports are to use, as another user might plant it first.
    QString ownFolder() const { return shared.filePath(QStringLiteral("quirepress-%1").arg(::getuid())); }

    QTemporaryDir shared;

private:
    QByteArray oldTemporary_;
    QByteArray oldRuntime_;
};

// A real folder (not a link) of this user's that nobody else may enter.
void expectPrivateFolder(const QString& folder)
{
    struct stat status {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &status), 0) << folder.toStdString();
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_uid, ::getuid());
    EXPECT_EQ(status.st_mode & 0777, 0700u);
}

bool makeOnlyOwnerFolder(const QString& path)
{
    return QDir().mkpath(path) && ::chmod(QFile::encodeName(path).constData(), 0700) == 0;
}

TEST_F(PrivateFolderTest, PageImagesGoIntoAFolderOnlyTheUserCanOpen)
{
    Report report(std::make_shared<RecordedMessages>());
    spoolEveryPage(report);
    report.setOutputTo(cOutputToScreen);
    addSection(report, QStringLiteral("Line"), 300);
    report.PrintSection(QStringLiteral("Line"));
    report.EndReport();
    const ReportPrivate& d = *ReportPrivate::of(report);
    const QFileInfo image(d.pageSpool.path());
    ASSERT_TRUE(image.exists());
    EXPECT_EQ(image.absolutePath(), ownFolder());
    expectPrivateFolder(image.absolutePath());
    report.CloseWindow();
}

// Another user may make the folder's name first, or plant a link or a file
// there: reports then use a folder nobody else can make, the user's runtime
// folder or else one made anew, and leave what was planted alone.
TEST_F(PrivateFolderTest, AFolderPlantedUnderItsNameIsPassedOverForOneNobodyElseCanMake)
{
    QTemporaryDir elsewhere;
    QTemporaryDir runtime;
    ASSERT_TRUE(makeOnlyOwnerFolder(elsewhere.path()));
    ASSERT_TRUE(makeOnlyOwnerFolder(runtime.path()));
    struct Planted {
        const char* what;
        std::function<bool(const QString&)> plant;
    };
    std::vector<Planted> cases{
        {"a symbolic link to a folder", [&](const QString& at) { return QFile::link(elsewhere.path(), at); }},
        {"a folder others may open",
         [](const QString& at) { return QDir().mkdir(at) && ::chmod(QFile::encodeName(at).constData(), 0755) == 0; }},
        {"a file",
         [](const QString& at) {
             QFile file(at);
             return file.open(QIODevice::WriteOnly);
         }},
    };
    // Only root can give a folder to another user.
    if (::getuid() == 0)
        cases.push_back({"a folder of another user's", [](const QString& at) {
                             return makeOnlyOwnerFolder(at)
                                 && ::chown(QFile::encodeName(at).constData(), 65534, 65534) == 0;
                         }});
    for (const Planted& planted : cases) {
        for (const bool withRuntimeFolder : {true, false}) {
            SCOPED_TRACE(std::string(planted.what) + (withRuntimeFolder ? ", a runtime folder" : ", none"));
            if (withRuntimeFolder)
                qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
            else
                qunsetenv("XDG_RUNTIME_DIR");
            ASSERT_TRUE(planted.plant(ownFolder()));
            auto messages = std::make_shared<RecordedMessages>();
            QString used;
            {
                Report report(messages);
                spoolEveryPage(report);
                report.setOutputTo(cOutputToScreen);
                addSection(report, QStringLiteral("Line"), 300);
                try {
                    report.PrintSection(QStringLiteral("Line"));
                    report.EndReport();
                } catch (const Error& error) {
                    ADD_FAILURE() << "the run failed: " << error.number() << " " << error.description().toStdString();
                }
                const QFileInfo image(ReportPrivate::of(report)->pageSpool.path());
                ASSERT_TRUE(image.exists());
                used = image.absolutePath();
                if (withRuntimeFolder) {
                    EXPECT_EQ(used, runtime.filePath(QStringLiteral("quirepress")));
                } else {
                    EXPECT_EQ(QFileInfo(used).absolutePath(), shared.path());
                    EXPECT_TRUE(QFileInfo(used).fileName().startsWith(QFileInfo(ownFolder()).fileName() + u'-'))
                        << used.toStdString();
                }
                expectPrivateFolder(used);
                report.CloseWindow();
            }
            EXPECT_TRUE(messages->said.isEmpty()) << "making a report says nothing";
            EXPECT_TRUE(QDir(elsewhere.path()).isEmpty()) << "nothing is written where the link leads";
            if (!withRuntimeFolder) {
                EXPECT_FALSE(QFileInfo::exists(used)) << "the folder made for the report goes with it";
            }
            if (QFileInfo(ownFolder()).isSymLink() || !QFileInfo(ownFolder()).isDir()) {
                ASSERT_TRUE(QFile::remove(ownFolder()));
            } else {
                ASSERT_TRUE(QDir(ownFolder()).removeRecursively());
            }
        }
    }
}

} // namespace
