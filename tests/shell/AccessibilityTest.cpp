// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Screen readers and automation find every input and button of the shell's
// windows under its caption or label.

#include "TestProgram.h"
#include "backup/frmRestore.h"
#include "company/frmEdit.h"
#include "invoicing/frmAddInvoice.h"
#include "invoicing/frmReprint.h"
#include "shell/login/frmLogin.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"
#include "shell/tips/frmAbout.h"
#include "shell/tips/frmTip.h"
#include "users/frmUsers.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include <map>

using namespace quillbill;
using quillbill::testing::TestProgram;

namespace {

// The name a screen reader announces: a list box is named by the label that
// points at it, everything else by its own name.
QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return {};
    if (qobject_cast<QComboBox*>(widget)) {
        const auto labels = face->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return face->text(QAccessible::Name);
}

// Every button, text box and list of `window` by objectName, with the name
// assistive technology gives it. An input a list box owns is left out: it is
// reached through its list box.
std::map<QString, QString> namedControls(QWidget* window)
{
    std::map<QString, QString> names;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().startsWith("qt_"))
            continue; // Qt's own parts, such as a menu bar's overflow button
        if (widget->objectName().isEmpty() && qobject_cast<QAbstractItemView*>(widget->parentWidget()))
            continue; // a table's corner button, inside the calendar
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget)
            || (qobject_cast<QLineEdit*>(widget) && !qobject_cast<QComboBox*>(widget->parentWidget()));
        if (control)
            names[widget->objectName()] = accessibleName(widget);
    }
    return names;
}

void expectNames(QWidget* window, const std::map<QString, QString>& expected)
{
    const auto names = namedControls(window);
    for (const auto& [objectName, name] : names)
        EXPECT_FALSE(name.isEmpty()) << objectName.toStdString() << " has no accessible name";
    for (const auto& [objectName, name] : expected) {
        ASSERT_TRUE(names.contains(objectName)) << objectName.toStdString();
        EXPECT_EQ(names.at(objectName), name) << objectName.toStdString();
    }
}

} // namespace

TEST(Accessibility, LoginWindow)
{
    TestProgram program;
    frmLogin login(*program.app);
    expectNames(
        &login,
        {{"txtUserName", "User Name:"}, {"txtPassword", "Password:"}, {"cmdOK", "OK"}, {"cmdCancel", "Cancel"}});
}

TEST(Accessibility, UsersWindow)
{
    TestProgram program;
    frmUsers users(*program.app);
    expectNames(&users,
                {{"cmbUsers", "Users"},
                 {"txtFirst", "First Name"},
                 {"txtLast", "Last Name"},
                 {"txtUser", "UserName"},
                 {"txtPW", "Password"},
                 {"chkShowPassword", "Show password"},
                 {"cmdSave", "Save Changes"},
                 {"cmdDelete", "Delete"},
                 {"cmdCancel", "Close"}});
}

TEST(Accessibility, OptionsWindow)
{
    TestProgram program;
    frmMain main(*program.app);
    frmOptions options(*program.app, main.securedMenuItems());
    for (int n = 1; n <= 5; ++n) {
        auto* level = options.findChild<QComboBox*>(QStringLiteral("Combo%1").arg(n));
        EXPECT_EQ(level->accessibleName(),
                  options.findChild<QAbstractButton*>(QStringLiteral("Check%1").arg(n))->text());
    }
    expectNames(&options,
                {{"chkbkup", "Create Backup on Exit"},
                 {"chkSplash", "Show Splash Screen on Startup"},
                 {"chkTips", "Show Tips on Startup"},
                 {"chkLogon", "Show Logon on Startup"},
                 {"Check1", "Edit My Info"},
                 {"Combo1", "Level:"},
                 {"Check5", "Tools - Users"},
                 {"Combo5", "Level:"},
                 {"cmdOK", "OK"},
                 {"cmdCancel", "Cancel"},
                 {"cmdApply", "Apply"}});
}

TEST(Accessibility, TipWindowAndAboutBox)
{
    TestProgram program;
    frmTip tip(*program.app);
    expectNames(&tip, {{"chkLoadTipsAtStartup", "Show Tips at Startup"}, {"cmdNextTip", "Next Tip"}, {"cmdOK", "OK"}});
    frmAbout about;
    expectNames(&about, {{"cmdOK", "OK"}});
}

TEST(Accessibility, OwnCompanyAndRestoreWindows)
{
    TestProgram program;
    frmEdit company(*program.app);
    expectNames(&company,
                {{"txtCompany", "Company Name"},
                 {"TxtPhone", "Phone Number"},
                 {"txtGST", "GST Amount"},
                 {"txtPST", "PST Amount"},
                 {"cmdSave", "Save"},
                 {"cmdCancel", "Close"}});
    frmRestore restore(*program.app, [] {});
    expectNames(&restore, {{"Drive1", "Drive:"}, {"Command1", "Load This File"}, {"Command2", "Cancel"}});
}

TEST(Accessibility, InvoiceWindow)
{
    TestProgram program;
    frmAddInvoice invoice(*program.app);
    expectNames(&invoice,
                {{"cmbCustomerID", "Customer"},
                 {"txtInvoiceID", "Invoice number"},
                 {"txtDate", "Invoice date"},
                 {"txtDiscount", "Discount in per cent"},
                 {"cmdMakeInvoiceID", "Generate Invoice ID"},
                 {"txtJobDescription", "Job Description"},
                 {"txtSums", "Sum"},
                 {"cmdAddJob", "Add Job"},
                 {"cmdPrintInvoice", "Print Invoice"},
                 {"cmdEmail", "Email This Invoice"},
                 {"cmdClose", "Close"}});
}

TEST(Accessibility, ReprintWindow)
{
    TestProgram program;
    frmReprint reprint(*program.app);
    expectNames(&reprint,
                {{"cmbCustomerID", "Customer"},
                 {"chkPaid", "Paid"},
                 {"txtDatePaid", "Date Paid"},
                 {"cmdUpdate", "Update Invoice"},
                 {"cmdPrintInvoice", "Print Invoice"},
                 {"cmdEmail", "Email This Invoice"},
                 {"cmdClose", "Close"}});
}
