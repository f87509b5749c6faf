// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/users/UserAccounts.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quillbill {

struct AppContext;

// The login window. OK looks the typed user name and password up in TblUsers;
// a match is announced with loggedIn() and the start-up carries on from there.
// Cancel, Esc and the close box reject the window.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(AppContext& app, QWidget* parent = nullptr);

signals:
    void loggedIn(const quillbill::UserAccount& account);

private:
    void logIn();
    void refuse(const QString& message);

    AppContext& app_;
    QLineEdit* txtUserName_;
    QLineEdit* txtPassword_;
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
};

} // namespace quillbill
