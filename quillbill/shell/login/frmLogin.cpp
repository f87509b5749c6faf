// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/login/frmLogin.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "common/WaitCursor.h"
#include "records/DatabaseError.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

frmLogin::frmLogin(AppContext& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      txtUserName_(makeTextBox("txtUserName")),
      txtPassword_(makeTextBox("txtPassword")),
      cmdOK_(makeButton("cmdOK", tr("OK"))),
      cmdCancel_(makeButton("cmdCancel", tr("Cancel")))
{
    setObjectName("frmLogin");
    setWindowTitle(tr("Login"));
    txtPassword_->setEchoMode(QLineEdit::Password);
    cmdOK_->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&User Name:"), txtUserName_);
    form->addRow(tr("&Password:"), txtPassword_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(makeButtonRow({cmdOK_, cmdCancel_}));

    connect(cmdOK_, &QPushButton::clicked, this, &frmLogin::logIn);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(320);
}

void frmLogin::logIn()
{
    std::optional<UserAccount> account;
    try {
        const UserAccounts users(app_.state.MainDatabase);
        if (users.isEmpty()) {
            refuse(tr("No users are set up in this database, so nobody can log in.\n"
                      "Ask whoever looks after Quillbill to add a user or to restore a backup."));
            return;
        }
        // Checking a password's hash takes a moment by design.
        const WaitCursor wait;
        account = users.logIn(txtUserName_->text(), txtPassword_->text());
    } catch (const DatabaseError& error) {
        refuse(error.message());
        return;
    }
    if (!account) {
        refuse(tr("Invalid Username or Password, try again!"));
        return;
    }
    emit loggedIn(*account);
}

void frmLogin::refuse(const QString& message)
{
    app_.messages.warn(this, message, tr("Login"));
    txtPassword_->setFocus(Qt::OtherFocusReason);
    txtPassword_->selectAll();
}

} // namespace quillbill
