// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/users/UserAccounts.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace quillbill {

struct AppContext;
class HelpKey;
class frmEmail;
class frmLogin;
class frmMain;
class frmSplash;

// The road from start-up to the main window, and the log-off and login that
// may follow while the main window stays open:
//
//   open the database -> splash (when "Show Splash at Startup" is 1)
//   -> login (unless "Show Logon at Startup" is 0) -> main window -> tip.
//
// It owns the main window and the windows that lead to it. The e-mail window
// opened from the Help menu belongs to the main window and is open at most
// once.
class Startup : public QObject {
    Q_OBJECT
public:
    explicit Startup(AppContext& app);
    ~Startup() override;

    // Opens MainDatabase. When it cannot, tells the user why and returns false:
    // the program cannot go on without its database. A file held by another
    // program may be tried again; one that cannot be written opens with a
    // warning that changes cannot be saved.
    bool openDatabase();

    // Shows the splash, or runs the route at once when the splash is off.
    void begin();
    // Shows the login, or the main window when the login is off.
    void route();

    frmMain* mainWindow() const { return main_.get(); }
    frmLogin* loginWindow() const;
    frmSplash* splashWindow() const;

signals:
    // The program should end with `exitCode`.
    void finished(int exitCode);

private:
    frmMain& ensureMainWindow();
    void showLogin(bool modal);
    void loggedIn(const UserAccount& account);
    void loginCancelled();
    void logOff();
    void showRestore();
    void showMoveToServer();
    void showEmailComments();
    void showMainWindowAndTip();

    AppContext& app_;
    // F1 in any window of the program, from the splash on.
    std::unique_ptr<HelpKey> helpKey_;
    std::unique_ptr<frmMain> main_;
    QPointer<frmLogin> login_;
    QPointer<frmSplash> splash_;
    QPointer<frmEmail> email_;
    QString statusBeforeWait_;
};

} // namespace quillbill
