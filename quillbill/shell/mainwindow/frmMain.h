// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"
#include "shell/security/modSecurity.h"

#include <QMainWindow>

#include <functional>
#include <map>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace quillbill {

struct AppContext;
class HelpLauncher;

// The frame of the program: menus, status bar and the child windows.
//
// Each menu item that opens a child window is checked while its window is
// open, and choosing a checked item does nothing, so every kind of child
// window is open at most once.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    using ChildFactory = std::function<ChildWindow*()>;

    explicit frmMain(AppContext& app, QWidget* parent = nullptr);
    ~frmMain() override;

    // Tells the main window how to make a child window of `kind`. Until a kind
    // has a factory, its menu item does nothing.
    void registerChild(ChildKind kind, ChildFactory factory);
    // Runs the step taken when a backup is asked for, from the menu or on exit.
    void setBackupStep(std::function<void()> createBackup);

    // The open-once step: opens a window of `kind` unless one is open.
    void openChild(ChildKind kind);
    // Opens a window of `kind` as its menu item would, or brings forward
    // the one open, and returns it; nullptr when its menu item is off (the
    // user's level does not reach it).
    ChildWindow* bringChild(ChildKind kind);
    // Closes the active child window and unchecks its menu item.
    void CloseActiveChild();

    QAction* menuItem(const QString& name) const;
    QAction* childMenuItem(ChildKind kind) const;
    SecuredMenuItems securedMenuItems() const;
    QMdiArea* childArea() const { return childArea_; }

    // After a login: names the user and the level in the status bar, opens
    // "Log Off..." and opens or closes the secured functions for that level.
    void showLoggedIn(const QString& userName, int16_t level);

    // The text of the status bar's second panel.
    void setStatusText(const QString& text);
    QString statusText() const;

signals:
    // "Log Off..." was chosen.
    void logOffRequested();
    // "Email Comments" was chosen.
    void emailCommentsRequested();
    // "Restore" was chosen.
    void restoreRequested();
    // "Move to Server..." was chosen.
    void moveToServerRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void connectMenuItems();
    void fillWindowMenu();
    void enableWindowMenu();
    // Closes every child window; false when one refused and stays open.
    bool closeAllChildren();
    void refreshClock();
    void startHelp();
    void showOptions();
    void showAbout();
    void uncheckChildItem(ChildKind kind);

    AppContext& app_;
    QMdiArea* childArea_;
    HelpLauncher* help_;
    std::map<QString, QAction*> menuItems_;
    std::map<ChildKind, ChildFactory> childFactories_;
    std::function<void()> createBackup_;
    QMenu* windowMenu_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QLabel* datePanel_ = nullptr;
    QLabel* timePanel_ = nullptr;
    bool exitStepsDone_ = false;
};

} // namespace quillbill
