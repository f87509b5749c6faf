// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// A run from its start to its end: the target asked of the user, Cancel
// taking effect at every point where a run lets window events through, and
// what a further PrintSection does after EndReport.

#include "ReportRunSupport.h"

#include "model/PageImages.h"
#include "output/EventPacer.h"
#include "windows/frmOutput.h"
#include "windows/frmProgress.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <chrono>
#include <thread>

using namespace quirepress;
using namespace runsupport;

namespace {

class RunLifecycleTest : public ::testing::Test {
protected:
    RunLifecycleTest()
    {
        auto line = addSection(report, QStringLiteral("Line"), 240);
        value = addText(*line, QStringLiteral("Value"), 0, 0, 2400, QStringLiteral("first"));
        report.setOutputTo(cOutputToTextFile);
        report.setOutputFilename(file);
    }

    void print(const QString& text)
    {
        value->setValue(text);
        report.PrintSection(QStringLiteral("Line"));
    }

    // Presses the progress window's Cancel as soon as the run lets events
    // through. After a section the run does that only once a little time has
    // passed since it last did; the wait here lets that time pass without
    // running any event.
    void cancelAtNextEvents()
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(detail::EventPacer::intervalMs + 5));
        QTimer::singleShot(0, [this] {
            detail::frmProgress* progress = progressOf(report);
            ASSERT_NE(progress, nullptr);
            ASSERT_TRUE(progress->isVisible());
            QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        });
    }

    QTemporaryDir folder;
    QString file = folder.filePath(QStringLiteral("out.txt"));
    DesktopOpener opener;
    Report report{std::make_shared<RecordedMessages>()};
    std::shared_ptr<Field> value;
};

TEST_F(RunLifecycleTest, CancelWhileTheRunStartsProducesNothing)
{
    cancelAtNextEvents();
    print(QStringLiteral("first"));
    EXPECT_TRUE(report.Cancel());
    print(QStringLiteral("second"));
    report.EndReport();
    EXPECT_FALSE(report.Cancel());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(opener.nothingOpened());
    EXPECT_FALSE(progressOf(report)->isVisible());
}

TEST_F(RunLifecycleTest, CancelAfterASectionStopsTheSectionsThatFollowAndLeavesNoPieceOfTheFile)
{
    QFile earlier(file);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("the last whole run\r\n");
    earlier.close();
    print(QStringLiteral("first"));
    cancelAtNextEvents();
    print(QStringLiteral("second"));
    EXPECT_TRUE(report.Cancel());
    print(QStringLiteral("third"));
    report.EndReport();
    EXPECT_EQ(readAll(file), QByteArray("the last whole run\r\n")) << "the file of that name from before stays";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("out.txt")});
    EXPECT_TRUE(opener.nothingOpened()) << "a cancelled run is not shown";
}

TEST_F(RunLifecycleTest, CancelBetweenPiecesOfATableStopsTheTable)
{
    report.setOutputTo(cOutputToScreen);
    auto body = addSection(report, QStringLiteral("Body"), 0);
    QString name = QStringLiteral("Table");
    auto table = body->AddField(name);
    table->setFieldType(cFieldTable);
    table->setTableNumberRows(300);
    table->setTableNumberCols(2);
    print(QStringLiteral("first"));
    cancelAtNextEvents();
    report.PrintSection(QStringLiteral("Body"));
    EXPECT_TRUE(report.Cancel());
    EXPECT_EQ(report.PageCount(), 1) << "only the first piece was laid out";
    EXPECT_EQ(report.SectionCount(), 2) << "the piece's temporary section is gone";
    report.EndReport();
    EXPECT_FALSE(report.Cancel());
}

TEST_F(RunLifecycleTest, CancelAtAPageBreakEndsTheRunAndItsPagesAreDiscarded)
{
    spoolEveryPage(report);
    report.setOutputTo(cOutputToScreen);
    print(QStringLiteral("first"));
    auto tall = addSection(report, QStringLiteral("Tall"), report.PageHeight());
    cancelAtNextEvents();
    report.PrintSection(QStringLiteral("Tall"));
    EXPECT_TRUE(report.Cancel());
    EXPECT_EQ(report.PageCount(), 2);
    report.PrintSection(QStringLiteral("Tall"));
    EXPECT_EQ(report.PageCount(), 2);

    EXPECT_TRUE(keepsPage(report, 1));
    EXPECT_TRUE(QFile::exists(spoolFileOf(report)));
    report.EndReport();
    EXPECT_FALSE(report.Cancel());
    EXPECT_FALSE(keepsPage(report, 1));
    EXPECT_FALSE(QFile::exists(spoolFileOf(report)));
}

TEST_F(RunLifecycleTest, ARunStartedAfterCancelWasSetDoesNothingAndEndReportResetsIt)
{
    report.setCancel(true);
    print(QStringLiteral("first"));
    report.EndReport();
    EXPECT_FALSE(report.Cancel());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(progressOf(report), nullptr) << "the run never started";
}

TEST_F(RunLifecycleTest, AfterEndReportSectionsJoinTheRunUntilCloseWindowStartsANewOne)
{
    print(QStringLiteral("first"));
    report.EndReport();
    print(QStringLiteral("late"));
    EXPECT_EQ(readAll(file), QByteArray(" first\r\n late\r\n"));
    report.CloseWindow();
    print(QStringLiteral("again"));
    report.EndReport();
    EXPECT_EQ(readAll(file), QByteArray(" again\r\n"));
    EXPECT_EQ(opener.opened(2), (QStringList{file, file}));
}

TEST_F(RunLifecycleTest, NewPageAndCanExitWithoutPages)
{
    print(QStringLiteral("first"));
    report.NewPage();
    EXPECT_EQ(report.PageCount(), 1);
    EXPECT_TRUE(report.CanExit());
    report.EndReport();
}

// Answers the output dialog as a user would, once it is on screen.
void answerOutputDialog(const char* option, const QString& format, const char* button)
{
    QTimer::singleShot(0, [=] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<detail::frmOutput*>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            auto* choice = dialog->findChild<QRadioButton*>(QString::fromLatin1(option));
            QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
            auto* formats = dialog->findChild<QComboBox*>(QStringLiteral("cboFile"));
            formats->setCurrentIndex(formats->findText(format));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
            return;
        }
        answerOutputDialog(option, format, button);
    });
}

TEST_F(RunLifecycleTest, WithoutATargetTheOutputDialogAsksAndEmailWithHtmlIsTheHtmlEmail)
{
    report.setOutputTo(cOutputToUnknown);
    answerOutputDialog("optEmail", QStringLiteral("HTML"), "cmdPrint");
    print(QStringLiteral("first"));
    EXPECT_EQ(report.OutputTo(), cOutputToEmailHTML);
    EXPECT_TRUE(runOf(report).emailBody().startsWith(QStringLiteral("<HTML>\r\n<BODY>\r\n<TABLE border=0>")));
    RecordingProgram mail(QStringLiteral("xdg-email"));
    report.EndReport();
    EXPECT_EQ(mail.calls().size(), 1);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(RunLifecycleTest, CancellingTheOutputDialogCancelsTheRun)
{
    report.setOutputTo(cOutputToUnknown);
    answerOutputDialog("optFile", QStringLiteral("CSV"), "cmdCancel");
    print(QStringLiteral("first"));
    EXPECT_TRUE(report.Cancel());
    EXPECT_EQ(report.OutputTo(), cOutputToUnknown);
    report.EndReport();
    EXPECT_FALSE(report.Cancel());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is back to normal";
}

} // namespace
