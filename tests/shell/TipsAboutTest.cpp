// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The tip of the day (its tips file, the random choice and the "Show Tips at
// Startup" check box) and the about box.

#include "QStringPrinting.h"
#include "TestProgram.h"
#include "common/OptionsStore.h"
#include "shell/startup/IconAfterFirstWindow.h"
#include "shell/tips/ProgramIdentity.h"
#include "shell/tips/TipBook.h"
#include "shell/tips/frmAbout.h"
#include "shell/tips/frmTip.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>
#include <optional>
#include <ostream>

using namespace quillbill;
using quillbill::testing::TestProgram;

namespace {

// Enough clicks that a uniform choice among a few tips misses none of them
// with a probability far below anything that could ever be observed.
constexpr int manyClicks = 300;

template <typename T>
T* control(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        ADD_FAILURE() << "no control " << name.toStdString();
    return found;
}

// Clicks on the check mark itself: the box may be wider than its caption.
void clickCheckMark(QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect mark = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, mark.center());
}

class TipWindowTest : public ::testing::Test {
protected:
    frmTip& open()
    {
        window = std::make_unique<frmTip>(*program.app);
        window->show();
        return *window;
    }

    QString tipText() const { return control<QLabel>(*window, "lblTipText")->text(); }
    void nextTip() const { QTest::mouseClick(control<QPushButton>(*window, "cmdNextTip"), Qt::LeftButton); }
    QString tipsPath() const { return program.folder() + "/TipOfTheDay.dat"; }

    // The texts shown after each of `clicks` clicks on "Next Tip".
    QStringList clickNextTip(int clicks) const
    {
        QStringList shown;
        for (int i = 0; i < clicks; ++i) {
            nextTip();
            shown << tipText();
        }
        return shown;
    }

    TestProgram program;
    std::unique_ptr<frmTip> window;
};

TEST_F(TipWindowTest, AMissingTipsFileIsExplainedAndNextTipKeepsTheExplanation)
{
    open();

    EXPECT_EQ(window->windowTitle(), "Tip of the Day");
    const QString explanation = "That the TipOfTheDay.dat file was not found? \r\n\r\n"
                                "Create a text file named TipOfTheDay.dat using NotePad with 1 tip per line. "
                                "Then place it in the same directory as the application. ";
    EXPECT_EQ(frmTip::missingFileText(), explanation);
    EXPECT_EQ(tipText(), explanation);
    EXPECT_TRUE(window->tipBook().tips().isEmpty());

    for (const QString& shown : clickNextTip(5))
        EXPECT_EQ(shown, explanation);
}

TEST_F(TipWindowTest, LoadTipsNeedsAFile)
{
    TipBook book;
    EXPECT_FALSE(book.LoadTips(QString()));
    EXPECT_FALSE(book.LoadTips(tipsPath()));
    EXPECT_FALSE(book.LoadTips(program.folder()));
    EXPECT_TRUE(book.tips().isEmpty());
    EXPECT_FALSE(book.hasCurrentTip());
}

TEST_F(TipWindowTest, AnEmptyFileHasNoTips)
{
    program.writeTips({});
    ASSERT_TRUE(QFile::exists(tipsPath()));

    TipBook book;
    EXPECT_TRUE(book.LoadTips(tipsPath()));
    EXPECT_TRUE(book.tips().isEmpty());
    EXPECT_FALSE(book.hasCurrentTip());
    EXPECT_EQ(book.currentTip(), "");
    book.PickRandomTip();
    EXPECT_FALSE(book.hasCurrentTip());

    open();
    EXPECT_EQ(tipText(), "");
    for (const QString& shown : clickNextTip(5))
        EXPECT_EQ(shown, "");
}

TEST_F(TipWindowTest, NextTipChoosesAmongAllTheTipsAtRandom)
{
    const QStringList lines = {"Press F4 to close the active window.", "Backups are kept in the DataBackup folder.",
                               "Amounts in \u20AC and names like M\u00FCller are kept as typed."};
    program.writeTips(lines);
    open();

    EXPECT_EQ(window->tipBook().tips(), lines);
    EXPECT_TRUE(lines.contains(tipText())) << tipText().toStdString();

    const QStringList shown = clickNextTip(manyClicks);
    QSet<QString> seen;
    bool repeated = false;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(lines.contains(shown[i])) << shown[i].toStdString();
        seen.insert(shown[i]);
        if (i > 0 && shown[i] == shown[i - 1])
            repeated = true;
    }
    EXPECT_EQ(seen.size(), lines.size());
    // Each pick is independent of the last, so the same tip comes twice in a
    // row now and then.
    EXPECT_TRUE(repeated);
}

TEST_F(TipWindowTest, PickRandomTipNumbersTipsFromOne)
{
    program.writeTips({"first", "second", "third"});
    TipBook book;
    ASSERT_TRUE(book.LoadTips(tipsPath()));

    QSet<int> indexes;
    for (int i = 0; i < manyClicks; ++i) {
        ASSERT_TRUE(book.hasCurrentTip());
        ASSERT_GE(book.currentIndex(), 1);
        ASSERT_LE(book.currentIndex(), 3);
        EXPECT_EQ(book.currentTip(), book.tips().at(book.currentIndex() - 1));
        indexes.insert(book.currentIndex());
        book.PickRandomTip();
    }
    EXPECT_EQ(indexes, QSet<int>({1, 2, 3}));
}

TEST_F(TipWindowTest, AOneLineFileAlwaysShowsThatLine)
{
    program.writeTips({"The only tip."});
    open();

    EXPECT_EQ(tipText(), "The only tip.");
    for (const QString& shown : clickNextTip(20))
        EXPECT_EQ(shown, "The only tip.");
}

TEST_F(TipWindowTest, AnEmptyLineIsATip)
{
    program.writeTips({"", "Press F1 for help.", ""});
    open();

    EXPECT_EQ(window->tipBook().tips(), QStringList({"", "Press F1 for help.", ""}));

    // The empty tip replaces a tip shown before it.
    int clicks = 0;
    while (tipText().isEmpty() && clicks++ < manyClicks)
        nextTip();
    ASSERT_EQ(tipText(), "Press F1 for help.");
    while (!tipText().isEmpty() && clicks++ < 2 * manyClicks)
        nextTip();
    EXPECT_EQ(tipText(), "");
}

TEST_F(TipWindowTest, LineEndsAreNotPartOfTheTips)
{
    program.writeTips({"One.", "Two."});
    open();

    EXPECT_EQ(window->tipBook().tips(), QStringList({"One.", "Two."}));
    for (const QString& shown : clickNextTip(20)) {
        EXPECT_FALSE(shown.contains(u'\r'));
        EXPECT_FALSE(shown.contains(u'\n'));
    }

    // A last line without a line end is a tip too.
    QFile file(tipsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("One.\r\n\r\nThree.");
    file.close();
    TipBook book;
    ASSERT_TRUE(book.LoadTips(tipsPath()));
    EXPECT_EQ(book.tips(), QStringList({"One.", "", "Three."}));
}

TEST_F(TipWindowTest, TheCheckBoxWritesTheSettingAtOnce)
{
    program.writeTips({"A tip."});
    open();

    QCheckBox* box = control<QCheckBox>(*window, "chkLoadTipsAtStartup");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "&Show Tips at Startup");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(program.app->options.text("Show Tips at Startup"), std::nullopt);

    clickCheckMark(box);
    ASSERT_FALSE(box->isChecked());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(program.app->options.text("Show Tips at Startup"), "0");

    clickCheckMark(box);
    ASSERT_TRUE(box->isChecked());
    EXPECT_EQ(program.app->options.text("Show Tips at Startup"), "1");
}

TEST_F(TipWindowTest, TheCheckBoxStartsOnWhateverIsStored)
{
    program.app->options.setText("Show Tips at Startup", "0");
    open();

    EXPECT_TRUE(control<QCheckBox>(*window, "chkLoadTipsAtStartup")->isChecked());
    EXPECT_EQ(program.app->options.text("Show Tips at Startup"), "0");
}

TEST_F(TipWindowTest, OkEnterAndEscCloseTheWindow)
{
    program.writeTips({"A tip."});

    open();
    QTest::mouseClick(control<QPushButton>(*window, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());

    open();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    open();
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
}

class AboutBoxTest : public ::testing::Test {
protected:
    QString label(const QString& name) const { return control<QLabel>(about, name)->text(); }

    frmAbout about;
};

TEST_F(AboutBoxTest, ShowsTheTitleVersionAndVersionRecord)
{
    about.show();

    EXPECT_EQ(about.windowTitle(), "About Quillbill");
    EXPECT_EQ(label("lblTitle"), "Quillbill");
    EXPECT_EQ(label("lblVersion"), "Version 1.0.0");
    EXPECT_FALSE(label("lblPlatform").trimmed().isEmpty());
    const QString company = label("lblCompany");
    const qsizetype comma = company.indexOf(", ");
    ASSERT_GT(comma, 0) << company.toStdString();
    EXPECT_LT(comma + 2, company.size()) << "no legal notice after the company name";
}

// The windows' icon is the one the desktop menu shows, built into the
// program: without it every window would show the platform's blank one.
TEST(ProgramIcon, IsTheDesktopMenusIconAtItsSizes)
{
    const QIcon icon = programIcon();
    const QImage desktop48(QStringLiteral(QUILLBILL_SOURCE_DIR "/desktop/icons/quillbill-48.png"));
    ASSERT_FALSE(desktop48.isNull());
    ASSERT_FALSE(icon.pixmap(48).isNull()) << "the icon is not built into the program";
    EXPECT_EQ(icon.pixmap(48).size(), QSize(48, 48));
    EXPECT_EQ(icon.pixmap(48).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              desktop48.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(48, 48), QSize(256, 256)}));
}

// The icon is read once the first window is on the screen, not before it,
// and only once.
TEST(ProgramIcon, IsGivenToTheWindowsOnceTheFirstIsOnTheScreen)
{
    int made = 0;
    setWindowIconAfterFirstWindow([&made] {
        ++made;
        return programIcon();
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(made, 0);
    QWidget first;
    first.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&first));
    ASSERT_TRUE(QTest::qWaitFor([&made] { return made == 1; }));
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), programIcon().availableSizes());
    QWidget second;
    second.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
    QCoreApplication::processEvents();
    EXPECT_EQ(made, 1);
}

TEST_F(AboutBoxTest, OkAndEscClose)
{
    about.show();
    QTest::mouseClick(control<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());

    about.show();
    ASSERT_TRUE(about.isVisible());
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
