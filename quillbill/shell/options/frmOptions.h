// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/Keyring.h"
#include "mail/MailPassword.h"
#include "shell/security/modSecurity.h"

#include <QDialog>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QPushButton;
class QStackedWidget;

namespace quillbill {

struct AppContext;
class DatabasePanel;
class MailPanel;
struct OptionsValues;

// The options window: a General page with the start-up and exit switches, a
// Security page with the required levels of the five secured functions, an
// E-mail page with the mail server and sender, and a Database page that
// chooses where the office's records are.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    // `keyring` keeps the mail password and `serverKeyring` the database
    // server's; tests give ones of their own.
    frmOptions(AppContext& app, SecuredMenuItems securedItems, QWidget* parent = nullptr,
               MailPassword keyring = MailPassword(), Keyring serverKeyring = Keyring());

    // Saves the window's values; false when a level, a mail or a database
    // setting was refused, or the user would not confirm it.
    bool apply();

private:
    void buildGeneralPage();
    void buildSecurityPage();
    void showPage(QFrame* page);
    void showValues(const OptionsValues& values);
    OptionsValues shownValues() const;
    void markChanged();
    // Whether the user may change the login switch, the required levels,
    // the mail settings and the database.
    bool mayChangeSecurity() const;
    // Whether every level shown can be saved; tells the user when not.
    bool levelsAreSound(const OptionsValues& values);

    AppContext& app_;
    SecuredMenuItems securedItems_;
    QAction* generalItem_;
    QAction* securityItem_;
    QAction* mailItem_;
    QAction* databaseItem_;
    QStackedWidget* pageStack_;
    QFrame* optGeneral_;
    QFrame* optSecurity_;
    MailPanel* optEmail_;
    DatabasePanel* optDatabase_;
    QCheckBox* chkbkup_;
    QCheckBox* chkSplash_;
    QCheckBox* chkTips_;
    QCheckBox* chkLogon_;
    QCheckBox* chkMarkCopies_;
    QComboBox* cboDocumentLanguage_;
    std::array<QCheckBox*, 5> restrictionBoxes_{};
    std::array<QComboBox*, 5> levelBoxes_{};
    QPushButton* cmdOK_;
    QPushButton* cmdCancel_;
    QPushButton* cmdApply_;
    // Set while a level box commits typed text; see buildSecurityPage().
    bool committingTypedLevel_ = false;
};

} // namespace quillbill
