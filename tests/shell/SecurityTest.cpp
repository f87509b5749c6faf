// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Security levels: how the required levels of the five secured functions
// reach the main window's menu items, and how damaged settings are read.

#include "TestProgram.h"
#include "common/OptionsStore.h"
#include "common/WholeNumber.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/security/modSecurity.h"

#include <gtest/gtest.h>

#include <QAction>

using namespace quillbill;
using quillbill::testing::TestProgram;

TEST(WholeNumbers, ParseLikeTheStoredValues)
{
    const struct {
        QString text;
        std::optional<int> expected;
        const char* why;
    } rows[] = {
        {"3", 3, "plain digits"},
        {" 2 ", 2, "blanks around a number are not part of it"},
        {"-1", -1, "a sign is allowed"},
        {"+4", 4, "a plus sign too"},
        {"007", 7, "leading zeros"},
        {"", std::nullopt, "empty text is no number"},
        {"   ", std::nullopt, "nor are blanks"},
        {"two", std::nullopt, "words are not numbers"},
        {"1.5", std::nullopt, "not a whole number"},
        {"1e3", std::nullopt, "no exponents"},
        {"0x10", std::nullopt, "no hexadecimal"},
        {"-", std::nullopt, "a sign alone"},
        {"99999999999999999999", 2147483647, "too large is as large as it goes"},
        {"-99999999999999999999", -2147483647 - 1, "too small likewise"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(parseWholeNumber(row.text), row.expected) << row.why;
}

TEST(OptionsStoreTest, AbsentAndDamagedKeysGiveTheDefault)
{
    TestProgram program(false);
    OptionsStore& options = program.app->options;
    EXPECT_EQ(options.number(OptionKey::showSplash, 1), 1);
    EXPECT_FALSE(options.text(OptionKey::showSplash).has_value());

    options.setText(OptionKey::showLogon, "0");
    EXPECT_EQ(options.number(OptionKey::showLogon, 1), 0);
    options.setText(OptionKey::showLogon, "");
    EXPECT_EQ(options.number(OptionKey::showLogon, 1), 1) << "an empty value must not switch the login off";
    options.setText(OptionKey::showLogon, "no");
    EXPECT_EQ(options.number(OptionKey::showLogon, 1), 1);

    options.setNumber(OptionKey::securedLevel(2), 3);
    EXPECT_EQ(options.text(OptionKey::securedLevel(2)), QString("3"));
    options.clear();
    EXPECT_FALSE(options.text(OptionKey::securedLevel(2)).has_value());
}

class SecuredMenusTest : public ::testing::Test {
protected:
    TestProgram program;
    frmMain main{*program.app};

    // Which of the five items are enabled, as "1" and "0" in function order.
    std::string enabledItems()
    {
        std::string result;
        for (QAction* item : main.securedMenuItems())
            result += item->isEnabled() ? '1' : '0';
        return result;
    }
    void apply(int16_t userLevel) { ApplySecurity(program.app->options, main.securedMenuItems(), userLevel); }
};

// Required levels 0 (unrestricted), 1, 2, 3 and 3 for the five functions,
// against every user level from 0 to 3. The items are found by their names,
// which also proves which five items are secured and in what order.
TEST_F(SecuredMenusTest, EachItemIsOpenFromItsRequiredLevelUp)
{
    const QStringList names = {"Menu2_Item1", "mnuRemove", "Menu3_Item1", "mnuOpt", "mnuUser"};
    const int required[] = {0, 1, 2, 3, 3};
    for (int n = 1; n <= 5; ++n)
        program.app->options.setNumber(OptionKey::securedLevel(n), required[n - 1]);
    const struct {
        int16_t userLevel;
        std::string expected;
    } rows[] = {
        {0, "10000"},
        {1, "11000"},
        {2, "11100"},
        {3, "11111"},
    };
    for (const auto& row : rows) {
        apply(row.userLevel);
        std::string enabled;
        for (const QString& name : names)
            enabled += main.menuItem(name)->isEnabled() ? '1' : '0';
        EXPECT_EQ(enabled, row.expected) << "user level " << row.userLevel;
    }
    EXPECT_EQ(main.menuItem("Menu2_Item1")->data().toString(), "0");
    EXPECT_EQ(main.menuItem("mnuUser")->data().toString(), "3");
}

TEST_F(SecuredMenusTest, WithNothingStoredEveryItemNeedsLevelOne)
{
    apply(0);
    EXPECT_EQ(enabledItems(), "00000");
    apply(1);
    EXPECT_EQ(enabledItems(), "11111");
    for (QAction* item : main.securedMenuItems())
        EXPECT_EQ(item->data().toString(), "1");
}

TEST_F(SecuredMenusTest, LevelsBelowOneMeanNoRestriction)
{
    program.app->options.setText(OptionKey::securedLevel(3), "-5");
    apply(0);
    EXPECT_EQ(main.menuItem("Menu3_Item1")->data().toString(), "0");
    EXPECT_TRUE(main.menuItem("Menu3_Item1")->isEnabled());
}

TEST_F(SecuredMenusTest, ADamagedOrTooHighLevelNeedsTheHighestLevel)
{
    for (const QString damaged : {"3.0", "3abc", "", "two", "2.5", "9"}) {
        program.app->options.setText(OptionKey::securedLevel(4), damaged);
        apply(2);
        EXPECT_FALSE(main.menuItem("mnuOpt")->isEnabled()) << "\"" << damaged.toStdString() << "\"";
        EXPECT_EQ(main.menuItem("mnuOpt")->data().toString(), "3");
        apply(3);
        EXPECT_TRUE(main.menuItem("mnuOpt")->isEnabled());
    }
}

TEST_F(SecuredMenusTest, EnablingReadsTheTagsOnly)
{
    apply(3);
    main.menuItem("mnuOpt")->setData("2");
    main.menuItem("mnuUser")->setData("not a level");
    EnableSecuredMenus(main.securedMenuItems(), 1);
    EXPECT_EQ(enabledItems(), "11100") << "a tag that is no number opens nothing";
}

TEST(SecurityPage, OpenFromLevelThree)
{
    QAction page;
    page.setData(securityPageLevel);
    for (int16_t level : {int16_t{0}, int16_t{1}, int16_t{2}}) {
        EnableSecurityPage(&page, level);
        EXPECT_FALSE(page.isEnabled()) << "level " << level;
    }
    EnableSecurityPage(&page, 3);
    EXPECT_TRUE(page.isEnabled());
}
