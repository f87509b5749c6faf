// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/startup/Startup.h"

#include "app/AppContext.h"
#include "app/DatabaseChoice.h"
#include "app/Keyring.h"
#include "backup/DataSafety.h"
#include "backup/frmRestore.h"
#include "common/ProgramInfo.h"
#include "mail/frmEmail.h"
#include "records/DatabaseError.h"
#include "shell/help/HelpKey.h"
#include "shell/login/frmLogin.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/servermove/frmMoveToServer.h"
#include "shell/splash/frmSplash.h"
#include "shell/startup/ChildWindows.h"
#include "shell/tips/frmTip.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMdiArea>
#include <QTextStream>

#include <optional>

namespace quillbill {

namespace {
const QString databaseFile = QStringLiteral("DataBase/db_be.mdb");
} // namespace

Startup::Startup(AppContext& app) : app_(app), helpKey_(std::make_unique<HelpKey>(app))
{
    qApp->installEventFilter(helpKey_.get());
}

Startup::~Startup()
{
    // The login and the splash are top-level windows without a parent; the
    // main window goes with main_.
    app_.state.MainDatabase.setWaitNotice({});
    app_.state.MainDatabase.setReconnectPrompt({});
    delete login_;
    delete splash_;
}

frmLogin* Startup::loginWindow() const { return login_; }

frmSplash* Startup::splashWindow() const { return splash_; }

bool Startup::openDatabase()
{
    Database& database = app_.state.MainDatabase;
    std::optional<ServerAddress> server = chosenServer(app_.databaseSettings);
    // The server's password is in the keyring; without one (no keyring, or
    // none stored) libpq signs in as the server allows, from ~/.pgpass for
    // one.
    if (server) {
        if (const Keyring::Reading stored = Keyring().read(serverPasswordKey(*server)); stored.password)
            server->password = *stored.password;
    }
    for (;;) {
        try {
            if (server)
                database.openServer(*server);
            else
                database.open(app_.path(databaseFile));
            break;
        } catch (const DatabaseError& error) {
            const QString message = error.message() + "\n\n" + tr("Quillbill cannot start without its database.");
            // A server out of reach, like a file another program holds, is
            // often there again a moment later.
            const bool worthRetrying = server || error.cause() == DatabaseError::Cause::Busy;
            const QString advice = server ? tr("Check that the server is running and that this computer can reach "
                                               "it, and press Retry. Cancel ends Quillbill.")
                                          : tr("Close the other program, or wait for it to finish, and press "
                                               "Retry. Cancel ends Quillbill.");
            if (worthRetrying && app_.messages.askRetry(nullptr, error.message() + "\n\n" + advice, ProgramInfo::title))
                continue;
            QTextStream(stderr) << message << '\n';
            if (!worthRetrying)
                app_.messages.warn(nullptr, message, ProgramInfo::title);
            return false;
        }
    }

    const QString readOnly = database.readOnlyReason();
    if (!readOnly.isEmpty())
        app_.messages.warn(nullptr,
                           tr("Changes cannot be saved: %1\n\nYou can look at the records, but every save will "
                              "fail until the file and its folder can be written.")
                               .arg(readOnly),
                           ProgramInfo::title);

    // While a save waits for another program the window keeps painting; the
    // pointer and the status bar say why nothing else happens.
    database.setWaitNotice([this](bool waiting) {
        if (waiting) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            if (main_) {
                statusBeforeWait_ = main_->statusText();
                main_->setStatusText(tr("Waiting for another program to finish with the database..."));
            }
        } else {
            QApplication::restoreOverrideCursor();
            if (main_)
                main_->setStatusText(statusBeforeWait_);
        }
    });
    // A server whose connection was lost is connected to again before the
    // next save or read; while it cannot be, the user says when to retry.
    database.setReconnectPrompt([this](const QString& problem) {
        return app_.messages.askRetry(
            QApplication::activeWindow(),
            tr("The connection to the database server was lost, and cannot be made again now.\n%1\n\nWhat "
               "was saved before is safe on the server. Check that the server is running and that this computer "
               "can reach it, and press Retry; Cancel leaves the connection closed until the next try.")
                .arg(problem),
            ProgramInfo::title);
    });
    return true;
}

void Startup::begin()
{
    if (app_.options.number(OptionKey::showSplash, 1) != 1) {
        route();
        return;
    }
    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(splash, &frmSplash::finished, this, &Startup::route);
    splash_ = splash;
    splash->show();
    splash->start();
}

void Startup::route()
{
    if (app_.options.number(OptionKey::showLogon, 1) != 0) {
        showLogin(false);
        return;
    }
    ensureMainWindow();
    showMainWindowAndTip();
}

frmMain& Startup::ensureMainWindow()
{
    if (!main_) {
        main_ = std::make_unique<frmMain>(app_);
        registerChildWindows(*main_, app_);
        connect(main_.get(), &frmMain::logOffRequested, this, &Startup::logOff);
        main_->setBackupStep([this] { CreateBackup(app_); });
        connect(main_.get(), &frmMain::restoreRequested, this, &Startup::showRestore);
        connect(main_.get(), &frmMain::moveToServerRequested, this, &Startup::showMoveToServer);
        connect(main_.get(), &frmMain::emailCommentsRequested, this, &Startup::showEmailComments);
    }
    return *main_;
}

void Startup::showLogin(bool modal)
{
    auto* login = new frmLogin(app_, modal ? main_.get() : nullptr);
    login->setAttribute(Qt::WA_DeleteOnClose);
    connect(login, &frmLogin::loggedIn, this, &Startup::loggedIn);
    connect(login, &QDialog::rejected, this, &Startup::loginCancelled);
    login_ = login;
    if (modal)
        login->open();
    else
        login->show();
}

void Startup::loggedIn(const UserAccount& account)
{
    app_.state.LoginSucceeded = true;
    app_.state.UserLevel = account.level;
    app_.state.CurrentUser = account.userName;

    frmMain& main = ensureMainWindow();
    main.showLoggedIn(app_.state.CurrentUser, app_.state.UserLevel);

    // The login closes once the main window is up, so that the program is
    // never without a window.
    QPointer<frmLogin> login = login_;
    showMainWindowAndTip();
    if (login) {
        disconnect(login, &QDialog::rejected, this, &Startup::loginCancelled);
        login->accept();
    }
}

void Startup::loginCancelled()
{
    app_.state.LoginSucceeded = false;
    if (main_ && main_->isVisible())
        main_->close();
    else
        emit finished(0);
}

void Startup::showRestore()
{
    frmMain* main = main_.get();
    auto* restore = new frmRestore(
        app_, [main] { main->childArea()->closeAllSubWindows(); }, main);
    restore->setAttribute(Qt::WA_DeleteOnClose);
    restore->open();
}

void Startup::showMoveToServer()
{
    frmMain* main = main_.get();
    auto* move = new frmMoveToServer(
        app_, [main] { main->childArea()->closeAllSubWindows(); }, main);
    move->setAttribute(Qt::WA_DeleteOnClose);
    // Once on the server, a file can no longer be moved from here.
    connect(move, &QDialog::accepted, main,
            [this, main] { main->showLoggedIn(app_.state.CurrentUser, app_.state.UserLevel); });
    move->open();
}

void Startup::showEmailComments()
{
    app_.state.AttachmentPath.clear();
    if (email_) {
        email_->raise();
        email_->activateWindow();
        return;
    }
    auto* email = new frmEmail(app_, main_.get());
    email->setAttribute(Qt::WA_DeleteOnClose);
    email_ = email;
    email->show();
}

void Startup::logOff()
{
    main_->setStatusText(tr("Logged Off"));
    showLogin(true);
}

void Startup::showMainWindowAndTip()
{
    const bool showTips = app_.options.number(OptionKey::showTips, 1) != 0;
    main_->show();
    QCoreApplication::processEvents();
    if (!showTips)
        return;
    auto* tip = new frmTip(app_, main_.get());
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->open();
}

} // namespace quillbill
