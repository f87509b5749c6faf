// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The options window driven through its controls: what it shows on opening,
// its pages, when Apply becomes available, what Apply, OK and Cancel write to
// the settings and the secured menu items, the levels it refuses, and the
// security level its "Security" page needs.

#include "TestProgram.h"
#include "common/OptionsStore.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"
#include "shell/security/modSecurity.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>
#include <optional>
#include <ostream>

using namespace quillbill;
using quillbill::testing::RecordingMessageBoxes;
using quillbill::testing::TestProgram;

namespace {

const QStringList generalBoxes = {"chkbkup", "chkSplash", "chkTips", "chkLogon"};
const QStringList securityBoxes = {"Check1", "Check2", "Check3", "Check4", "Check5"};
const QStringList levelBoxes = {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5"};

// Every key the window writes, with the text it writes when nothing was
// changed and no settings were stored.
const std::vector<std::pair<QString, QString>> defaultWrites = {
    {"Show Splash at Startup", "1"},
    {"Show Tips at Startup", "1"},
    {"Show Logon at Startup", "1"},
    {"Create Backup on Exit", "1"},
    {"Sec1", "1"},
    {"Sec1A", "1"},
    {"Sec2", "1"},
    {"Sec2A", "1"},
    {"Sec3", "1"},
    {"Sec3A", "1"},
    {"Sec4", "1"},
    {"Sec4A", "1"},
    {"Sec5", "1"},
    {"Sec5A", "1"},
    // The tests' desktop is not French.
    {"Document Language", "English"},
};

class OptionsWindowTest : public ::testing::Test {
protected:
    // Opens a new options window for a user of `level`, as "Options..." does.
    frmOptions& open(int16_t userLevel = 3)
    {
        window.reset();
        program.app->state.UserLevel = userLevel;
        window = std::make_unique<frmOptions>(*program.app, mainWindow.securedMenuItems());
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    template <typename T>
    T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            ADD_FAILURE() << "no control " << name.toStdString();
        return found;
    }
    QCheckBox* box(const QString& name) const { return control<QCheckBox>(name); }
    QComboBox* level(int function) const { return control<QComboBox>(QStringLiteral("Combo%1").arg(function)); }
    QPushButton* button(const QString& name) const { return control<QPushButton>(name); }
    QFrame* page(const QString& name) const { return control<QFrame>(name); }
    QAction* pageItem(const QString& name) const { return control<QAction>(name); }

    void showSecurityPage() const { pageItem("mnuSecurity")->trigger(); }

    // Clicks on the check mark itself: the box may be wider than its caption.
    void click(const QString& name) const
    {
        QCheckBox* target = box(name);
        ASSERT_NE(target, nullptr);
        const bool before = target->isChecked();
        QStyleOptionButton option;
        option.initFrom(target);
        const QPoint mark = target->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, target).center();
        QTest::mouseClick(target, Qt::LeftButton, {}, mark);
        ASSERT_NE(target->isChecked(), before) << "the click missed " << name.toStdString();
    }

    void click(QPushButton* target) const { QTest::mouseClick(target, Qt::LeftButton); }

    // Opens the level box's list and clicks the entry `text`.
    void chooseFromList(int function, const QString& text) const
    {
        QComboBox* combo = level(function);
        ASSERT_NE(combo, nullptr);
        const int row = combo->findText(text);
        ASSERT_GE(row, 0) << text.toStdString() << " is not in the list";
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(list->isVisible());
        const QPoint entry = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, entry);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, entry);
        ASSERT_FALSE(list->isVisible()) << "the list stayed open";
    }

    // Replaces the text of the level box by typing.
    void type(int function, const QString& text) const
    {
        QLineEdit* edit = level(function)->lineEdit();
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        ASSERT_EQ(level(function)->currentText(), text);
    }

    std::optional<QString> stored(const QString& key) const { return program.app->options.text(key); }
    void store(const QString& key, const QString& value) const { program.app->options.setText(key, value); }

    QStringList tags() const
    {
        QStringList result;
        for (QAction* item : mainWindow.securedMenuItems())
            result << item->data().toString();
        return result;
    }

    void expectNothingStored() const
    {
        for (const auto& [key, text] : defaultWrites)
            EXPECT_EQ(stored(key), std::nullopt) << key.toStdString();
    }

    TestProgram program;
    frmMain mainWindow{*program.app};
    std::unique_ptr<frmOptions> window;
};

TEST_F(OptionsWindowTest, OpensOnTheGeneralPageWithDefaultsWhenNothingIsStored)
{
    const frmOptions& options = open();

    EXPECT_EQ(options.windowTitle(), "Options");
    for (const QString& name : generalBoxes + securityBoxes) {
        ASSERT_NE(box(name), nullptr);
        EXPECT_TRUE(box(name)->isChecked()) << name.toStdString();
    }
    for (int function = 1; function <= 5; ++function) {
        ASSERT_NE(level(function), nullptr);
        EXPECT_EQ(level(function)->currentText(), "1") << function;
        EXPECT_TRUE(level(function)->isEditable());
        const QStringList offered = {level(function)->itemText(0), level(function)->itemText(1),
                                     level(function)->itemText(2)};
        EXPECT_EQ(level(function)->count(), 3);
        EXPECT_EQ(offered, QStringList({"1", "2", "3"}));
    }
    EXPECT_TRUE(page("optGeneral")->isVisible());
    EXPECT_FALSE(page("optSecurity")->isVisible());
    EXPECT_FALSE(button("cmdApply")->isEnabled());
    EXPECT_TRUE(button("cmdOK")->isEnabled());
    EXPECT_TRUE(button("cmdCancel")->isEnabled());
    expectNothingStored();
}

TEST_F(OptionsWindowTest, ShowsTheStoredSettings)
{
    store("Create Backup on Exit", "0");
    store("Show Splash at Startup", "1");
    store("Show Tips at Startup", "0");
    store("Show Logon at Startup", "0");
    store("Sec1", "0");
    store("Sec1A", "2");
    store("Sec3", "1");
    store("Sec3A", "0");
    store("Sec4", "0");
    store("Sec4A", "0");
    store("Sec5", "1");
    store("Sec5A", "3");
    // Sec2 and Sec2A stay absent.

    open();

    EXPECT_FALSE(box("chkbkup")->isChecked());
    EXPECT_TRUE(box("chkSplash")->isChecked());
    EXPECT_FALSE(box("chkTips")->isChecked());
    EXPECT_FALSE(box("chkLogon")->isChecked());
    EXPECT_FALSE(box("Check1")->isChecked());
    EXPECT_EQ(level(1)->currentText(), "2");
    EXPECT_TRUE(box("Check2")->isChecked());
    EXPECT_EQ(level(2)->currentText(), "1");
    EXPECT_TRUE(box("Check3")->isChecked());
    EXPECT_EQ(level(3)->currentText(), "0");
    EXPECT_FALSE(box("Check4")->isChecked());
    EXPECT_EQ(level(4)->currentText(), "0");
    EXPECT_TRUE(box("Check5")->isChecked());
    EXPECT_EQ(level(5)->currentText(), "3");
    EXPECT_FALSE(button("cmdApply")->isEnabled());
}

TEST_F(OptionsWindowTest, PageItemsShowOnePageAtATime)
{
    open();
    const QSize size = window->size();

    for (int turn = 0; turn < 3; ++turn) {
        showSecurityPage();
        EXPECT_TRUE(page("optSecurity")->isVisible());
        EXPECT_FALSE(page("optGeneral")->isVisible());

        pageItem("mnuGeneral")->trigger();
        EXPECT_TRUE(page("optGeneral")->isVisible());
        EXPECT_FALSE(page("optSecurity")->isVisible());
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(window->size(), size) << "turning pages keeps the window's size";

    // Turning pages is not a change.
    EXPECT_FALSE(button("cmdApply")->isEnabled());
}

TEST_F(OptionsWindowTest, EveryCheckBoxClickEnablesApply)
{
    for (const QString& name : generalBoxes + securityBoxes) {
        SCOPED_TRACE(name.toStdString());
        open();
        if (name.startsWith("Check"))
            showSecurityPage();
        ASSERT_FALSE(button("cmdApply")->isEnabled());
        click(name);
        EXPECT_TRUE(button("cmdApply")->isEnabled());
    }
}

TEST_F(OptionsWindowTest, AChoiceFromTheListEnablesApplyButTypingDoesNot)
{
    store("Sec3A", "0");
    open();
    showSecurityPage();

    type(2, "3");
    type(4, "two");
    // Leaving a box after typing is not a choice either.
    button("cmdCancel")->setFocus();
    EXPECT_FALSE(button("cmdApply")->isEnabled());

    chooseFromList(3, "2");
    EXPECT_EQ(level(3)->currentText(), "2");
    EXPECT_TRUE(button("cmdApply")->isEnabled());

    // Choosing the entry the box already shows is a choice all the same.
    open();
    showSecurityPage();
    chooseFromList(1, "1");
    EXPECT_EQ(level(1)->currentText(), "1");
    EXPECT_TRUE(button("cmdApply")->isEnabled());
}

TEST_F(OptionsWindowTest, ApplyWritesEverySettingAndTheTagsButLeavesTheMenusAlone)
{
    // A level-1 user's menus as the login left them: "Edit My Info" needs 3.
    store("Sec1A", "3");
    ApplySecurity(program.app->options, mainWindow.securedMenuItems(), 1);
    const SecuredMenuItems items = mainWindow.securedMenuItems();
    ASSERT_FALSE(items[0]->isEnabled());
    ASSERT_TRUE(items[4]->isEnabled());

    open();
    click("chkTips");
    auto* language = window->findChild<QComboBox*>("cboDocumentLanguage");
    ASSERT_NE(language, nullptr);
    language->setCurrentIndex(language->findText("French"));
    emit language->activated(language->currentIndex());
    showSecurityPage();
    chooseFromList(1, "1");
    click("Check2");
    type(4, "2");
    chooseFromList(5, "3");
    click(button("cmdApply"));

    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(stored("Show Splash at Startup"), "1");
    EXPECT_EQ(stored("Show Tips at Startup"), "0");
    EXPECT_EQ(stored("Show Logon at Startup"), "1");
    EXPECT_EQ(stored("Create Backup on Exit"), "1");
    EXPECT_EQ(stored("Document Language"), "French");
    EXPECT_EQ(stored("Sec1"), "1");
    EXPECT_EQ(stored("Sec1A"), "1");
    EXPECT_EQ(stored("Sec2"), "0");
    EXPECT_EQ(stored("Sec2A"), "0");
    EXPECT_EQ(stored("Sec3"), "1");
    EXPECT_EQ(stored("Sec3A"), "1");
    EXPECT_EQ(stored("Sec4"), "1");
    EXPECT_EQ(stored("Sec4A"), "2");
    EXPECT_EQ(stored("Sec5"), "1");
    EXPECT_EQ(stored("Sec5A"), "3");
    EXPECT_EQ(tags(), QStringList({"1", "0", "1", "2", "3"}));

    // The new levels wait for the next login.
    EXPECT_FALSE(items[0]->isEnabled());
    EXPECT_TRUE(items[4]->isEnabled());

    EXPECT_FALSE(button("cmdApply")->isEnabled());
    EXPECT_TRUE(window->isVisible());

    // The next change enables Apply again, and Apply writes again.
    click("Check2");
    EXPECT_TRUE(button("cmdApply")->isEnabled());
    click(button("cmdApply"));
    EXPECT_EQ(stored("Sec2"), "1");
    EXPECT_EQ(stored("Sec2A"), "1");
    EXPECT_EQ(tags().at(1), "1");
    EXPECT_FALSE(button("cmdApply")->isEnabled());
}

TEST_F(OptionsWindowTest, ALevelIsWrittenAsTyped)
{
    open();
    showSecurityPage();
    type(3, "02");
    click(button("cmdOK"));

    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(stored("Sec3A"), "02");
    EXPECT_EQ(tags().at(2), "02");
}

TEST_F(OptionsWindowTest, OkWritesEverySettingAndCloses)
{
    open();
    click("chkLogon");
    click("chkbkup");
    click(button("cmdOK"));

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(program.messages.empty());
    for (const auto& [key, text] : defaultWrites) {
        const bool changed = key == "Show Logon at Startup" || key == "Create Backup on Exit";
        EXPECT_EQ(stored(key), changed ? "0" : text) << key.toStdString();
    }
    EXPECT_EQ(tags(), QStringList({"1", "1", "1", "1", "1"}));
}

TEST_F(OptionsWindowTest, OkWithoutAnyChangeStillWritesEverySetting)
{
    open();
    click(button("cmdOK"));

    for (const auto& [key, text] : defaultWrites)
        EXPECT_EQ(stored(key), text) << key.toStdString();
}

TEST_F(OptionsWindowTest, UncheckingAFunctionWritesZeroForItsLevel)
{
    open();
    showSecurityPage();
    click("Check3");
    click(button("cmdOK"));

    EXPECT_EQ(stored("Sec3"), "0");
    EXPECT_EQ(stored("Sec3A"), "0");
    EXPECT_EQ(tags().at(2), "0");
    EXPECT_EQ(stored("Sec1A"), "1");
}

TEST_F(OptionsWindowTest, CancelAndEscWriteNothing)
{
    open();
    click("chkSplash");
    showSecurityPage();
    click("Check1");
    chooseFromList(2, "3");
    click(button("cmdCancel"));

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    expectNothingStored();
    EXPECT_EQ(tags(), QStringList({"", "", "", "", ""}));

    open();
    click("chkTips");
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    expectNothingStored();
}

TEST_F(OptionsWindowTest, CancelKeepsWhatApplyWrote)
{
    open();
    click("chkSplash");
    click(button("cmdApply"));
    ASSERT_EQ(stored("Show Splash at Startup"), "0");

    click("chkSplash");
    click("chkTips");
    click(button("cmdCancel"));

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stored("Show Splash at Startup"), "0");
    EXPECT_EQ(stored("Show Tips at Startup"), "1");
}

TEST_F(OptionsWindowTest, RefusesALevelNobodyCouldMeet)
{
    const struct {
        QString typed;
        int highestUserLevel;
        const char* refusal;
    } rows[] = {
        {"two", 3, "must be a whole number from 0 to 3"}, {"", 3, "must be a whole number from 0 to 3"},
        {"1.5", 3, "must be a whole number from 0 to 3"}, {"9", 3, "must be a whole number from 0 to 3"},
        {"-1", 3, "must be a whole number from 0 to 3"},  {"3", 2, "no user holds security level 3 or above"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("level \"" + row.typed.toStdString() + "\"");
        program.messages.clear();
        program.exec("UPDATE TblUsers SET Level = ?", {row.highestUserLevel});
        open();
        click("chkSplash");
        showSecurityPage();
        type(2, row.typed);
        pageItem("mnuGeneral")->trigger();

        click(button("cmdApply"));
        ASSERT_EQ(program.messages.messages.size(), 1u);
        const RecordingMessageBoxes::Message& refusal = program.messages.last();
        EXPECT_EQ(refusal.kind, RecordingMessageBoxes::Kind::Warning);
        EXPECT_TRUE(refusal.text.contains("Customers - Remove")) << refusal.text.toStdString();
        EXPECT_TRUE(refusal.text.contains(row.refusal)) << refusal.text.toStdString();
        // The user is taken to the box to mend it.
        EXPECT_TRUE(page("optSecurity")->isVisible());
        EXPECT_TRUE(button("cmdApply")->isEnabled());
        EXPECT_TRUE(window->isVisible());

        click(button("cmdOK"));
        EXPECT_EQ(program.messages.messages.size(), 2u);
        EXPECT_TRUE(window->isVisible());

        expectNothingStored();
        EXPECT_EQ(tags(), QStringList({"", "", "", "", ""}));
    }
}

TEST_F(OptionsWindowTest, AnyLevelIsAcceptedForAnUncheckedFunction)
{
    open();
    showSecurityPage();
    type(2, "two");
    click("Check2");
    click(button("cmdOK"));

    EXPECT_TRUE(program.messages.empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stored("Sec2"), "0");
    EXPECT_EQ(stored("Sec2A"), "0");
}

// Below level 3 the Security page is out of reach and the login cannot be
// switched off: the box shows its setting, and nothing the page holds is
// checked or written, not even a damaged level the user could not mend.
TEST_F(OptionsWindowTest, TheSecurityPageAndTheLoginSwitchNeedLevelThree)
{
    store("Sec2A", "3abc");
    store("Sec3A", "0");
    for (const int16_t userLevel : {int16_t{1}, int16_t{2}, int16_t{3}, int16_t{4}}) {
        SCOPED_TRACE(userLevel);
        const bool allowed = userLevel >= 3;
        store("Show Logon at Startup", "1");
        program.messages.clear();
        open(userLevel);
        EXPECT_EQ(pageItem("mnuSecurity")->isEnabled(), allowed);
        EXPECT_EQ(box("chkLogon")->isEnabled(), allowed);
        EXPECT_TRUE(box("chkLogon")->isChecked());
        pageItem("mnuSecurity")->trigger();
        EXPECT_EQ(page("optSecurity")->isVisible(), allowed);
        EXPECT_EQ(level(3)->currentText(), "0") << "a level is shown as stored";
        if (allowed) {
            type(2, "2");
            click("chkLogon");
        } else {
            QTest::mouseClick(box("chkLogon"), Qt::LeftButton);
        }

        click(button("cmdOK"));
        EXPECT_TRUE(program.messages.empty());
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(stored("Show Logon at Startup"), allowed ? "0" : "1");
        EXPECT_EQ(stored("Sec3A"), "0");
        EXPECT_EQ(stored("Sec2A"), allowed ? "2" : "3abc");
    }
}

} // namespace
