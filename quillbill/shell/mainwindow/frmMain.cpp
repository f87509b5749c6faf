// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/mainwindow/frmMain.h"

#include "app/AppContext.h"
#include "app/HelpLauncher.h"
#include "common/DateText.h"
#include "common/ProgramInfo.h"
#include "shell/mainwindow/ChildFrameFit.h"
#include "shell/mainwindow/MenuLayout.h"
#include "shell/options/frmOptions.h"
#include "shell/tips/frmAbout.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStringList>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace quillbill {

namespace {

// Built before any translator is installed: translated where it is shown.
const char* const closeHint = QT_TRANSLATE_NOOP("quillbill::frmMain", "Press F4 to close forms.");

const std::map<ChildKind, QString> childMenuItemNames = {
    {ChildKind::AddInvoice, "Menu3_Item1"},
    {ChildKind::EditMyCompany, "Menu2_Item1"},
    {ChildKind::InvoiceReports, "Menu3_Item3_1"},
    {ChildKind::AddCustomer, "Menu2_Item2"},
    {ChildKind::Reprint, "Menu3_Item2"},
    {ChildKind::RemoveCustomer, "mnuRemove"},
    {ChildKind::Users, "mnuUser"},
    {ChildKind::ReviewCustomers, "mnuReview"},
    {ChildKind::Statement, "mnuStatement"},
    {ChildKind::Aging, "mnuAging"},
};

// A panel of the status bar as wide as the widest of `widest`, where it is
// given, so that a clock's panel keeps its width as the minutes change; any
// other takes its text's width. The status panel takes what is left.
QLabel* addPanel(QStatusBar* bar, const QString& name, int stretch, const QStringList& widest = {})
{
    auto* panel = new QLabel(bar);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    int width = 0;
    for (const QString& text : widest)
        width = std::max(width, panel->fontMetrics().horizontalAdvance(text));
    if (width > 0)
        panel->setMinimumWidth(width + 2 * panel->frameWidth() + panel->fontMetrics().averageCharWidth() * 2);
    bar->addPermanentWidget(panel, stretch);
    return panel;
}

} // namespace

frmMain::frmMain(AppContext& app, QWidget* parent)
    : QMainWindow(parent), app_(app), childArea_(new QMdiArea(this)), help_(new HelpLauncher(app, this))
{
    setObjectName("frmMain");
    setWindowTitle(ProgramInfo::title);
    childArea_->setObjectName("childArea");
    // A child larger than the area, as on a small screen at twice the size,
    // is still reached whole.
    childArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    childArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(childArea_);
    buildMenus();
    buildStatusBar();
    connectMenuItems();

    // Loading the main window:
    //: %1 is the program's name.
    menuItem("menuAbout")->setText(tr("About %1...").arg(ProgramInfo::title));
    if (!app_.state.LoginSucceeded) {
        menuItem("mnuLogoff")->setEnabled(false);
        app_.state.UserLevel = 3;
    }
    // A screen too small for the usual size gets the window maximised.
    const QSize usual(1000, 700);
    const QSize available = screen()->availableGeometry().size();
    resize(usual.boundedTo(available));
    if (usual.width() > available.width() || usual.height() > available.height())
        setWindowState(Qt::WindowMaximized);
}

frmMain::~frmMain() = default;

void frmMain::buildMenus()
{
    std::map<QString, QMenu*> menus;
    for (const MenuEntry& entry : mainMenuLayout()) {
        QMenu* parentMenu = entry.parent.isEmpty() ? nullptr : menus.at(entry.parent);
        if (entry.isSeparator()) {
            QAction* separator = parentMenu->addSeparator();
            separator->setObjectName(entry.name);
            menuItems_[entry.name] = separator;
            continue;
        }
        const bool isSubmenu = entry.parent.isEmpty()
            || std::any_of(mainMenuLayout().begin(), mainMenuLayout().end(),
                           [&](const MenuEntry& other) { return other.parent == entry.name; });
        QAction* action = nullptr;
        if (isSubmenu) {
            QMenu* menu =
                parentMenu ? parentMenu->addMenu(entry.shownCaption()) : menuBar()->addMenu(entry.shownCaption());
            menu->setObjectName(entry.name);
            menus[entry.name] = menu;
            action = menu->menuAction();
        } else {
            action = parentMenu->addAction(entry.shownCaption());
            action->setShortcut(entry.shortcut);
        }
        action->setObjectName(entry.name);
        menuItems_[entry.name] = action;
    }
    windowMenu_ = menus.at("Menu4");
    connect(windowMenu_, &QMenu::aboutToShow, this, &frmMain::fillWindowMenu);
    enableWindowMenu();
}

void frmMain::enableWindowMenu()
{
    // A closing child is hidden before it leaves the list.
    const QList<QMdiSubWindow*> frames = childArea_->subWindowList();
    windowMenu_->menuAction()->setEnabled(
        std::any_of(frames.begin(), frames.end(), [](const QMdiSubWindow* frame) { return !frame->isHidden(); }));
}

bool frmMain::closeAllChildren()
{
    childArea_->closeAllSubWindows();
    // A child window that refuses keeps work the user has not given up.
    return childArea_->subWindowList().isEmpty();
}

void frmMain::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    QLabel* hint = addPanel(bar, "panelHint", 0);
    hint->setText(tr(closeHint));
    hint->setToolTip(tr(closeHint));
    statusPanel_ = addPanel(bar, "panelStatus", 1);
    // The longest day and time of the locale's form.
    const QLocale locale;
    datePanel_ =
        addPanel(bar, "panelDate", 0, {dateText(QDate(2026, 9, 28), locale), dateText(QDate(2026, 12, 28), locale)});
    timePanel_ = addPanel(
        bar, "panelTime", 0,
        {locale.toString(QTime(23, 58), QLocale::ShortFormat), locale.toString(QTime(12, 58), QLocale::ShortFormat)});
    refreshClock();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &frmMain::refreshClock);
    clock->start(1000);
}

void frmMain::connectMenuItems()
{
    connect(menuItem("Menu1_Item1"), &QAction::triggered, this, &frmMain::CloseActiveChild);
    // The next user must not find the last one's windows open.
    connect(menuItem("mnuLogoff"), &QAction::triggered, this, [this] {
        if (closeAllChildren())
            emit logOffRequested();
    });
    connect(menuItem("Menu1_Item2"), &QAction::triggered, this, &QWidget::close);
    connect(menuItem("mnuOpt"), &QAction::triggered, this, &frmMain::showOptions);
    connect(menuItem("mnubkup"), &QAction::triggered, this, [this] {
        if (createBackup_)
            createBackup_();
    });
    connect(menuItem("mnurestore"), &QAction::triggered, this, &frmMain::restoreRequested);
    connect(menuItem("mnuMoveToServer"), &QAction::triggered, this, &frmMain::moveToServerRequested);
    connect(menuItem("mnuIndex"), &QAction::triggered, this, &frmMain::startHelp);
    connect(menuItem("menuAbout"), &QAction::triggered, this, &frmMain::showAbout);
    connect(menuItem("mnuemail"), &QAction::triggered, this, &frmMain::emailCommentsRequested);

    for (const auto& [kind, name] : childMenuItemNames) {
        QAction* item = menuItem(name);
        // An item is checkable only while its window is open, so that a menu
        // shows a check mark there and nothing elsewhere. Choosing a checked
        // item flips its mark off; the mark belongs to the open-once step, so
        // the flip is undone.
        connect(item, &QAction::triggered, this, [this, item, kind = kind] {
            if (item->isCheckable())
                item->setChecked(true);
            openChild(kind);
        });
    }
}

void frmMain::registerChild(ChildKind kind, ChildFactory factory) { childFactories_[kind] = std::move(factory); }

void frmMain::setBackupStep(std::function<void()> createBackup) { createBackup_ = std::move(createBackup); }

QAction* frmMain::menuItem(const QString& name) const { return menuItems_.at(name); }

QAction* frmMain::childMenuItem(ChildKind kind) const { return menuItem(childMenuItemNames.at(kind)); }

SecuredMenuItems frmMain::securedMenuItems() const
{
    SecuredMenuItems items{};
    for (const SecuredFunction& function : securedFunctions())
        items.at(static_cast<size_t>(function.number - 1)) = menuItem(function.menuItem);
    return items;
}

void frmMain::openChild(ChildKind kind)
{
    QAction* item = childMenuItem(kind);
    if (item->isChecked())
        return;
    const auto factory = childFactories_.find(kind);
    if (factory == childFactories_.end())
        return;
    ChildWindow* child = factory->second();
    if (!child)
        return;
    connect(child, &ChildWindow::closing, this, &frmMain::uncheckChildItem);
    // Once the frame has gone the Window menu may have nothing left to list.
    connect(child, &ChildWindow::closing, this, [this] { QTimer::singleShot(0, this, &frmMain::enableWindowMenu); });
    QMdiSubWindow* frame = childArea_->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle(child->windowTitle());
    child->show();
    ChildFrameFit::install(frame, childArea_);
    item->setCheckable(true);
    item->setChecked(true);
    windowMenu_->menuAction()->setEnabled(true);
}

ChildWindow* frmMain::bringChild(ChildKind kind)
{
    if (!childMenuItem(kind)->isEnabled())
        return nullptr;
    openChild(kind);
    for (QMdiSubWindow* frame : childArea_->subWindowList())
        if (auto* child = qobject_cast<ChildWindow*>(frame->widget()); child && child->kind() == kind) {
            childArea_->setActiveSubWindow(frame);
            return child;
        }
    return nullptr;
}

void frmMain::CloseActiveChild()
{
    QMdiSubWindow* frame = childArea_->currentSubWindow();
    if (!frame)
        return;
    auto* child = qobject_cast<ChildWindow*>(frame->widget());
    if (!child || !childMenuItemNames.contains(child->kind()))
        return;
    uncheckChildItem(child->kind());
    frame->close();
}

void frmMain::uncheckChildItem(ChildKind kind)
{
    QAction* item = childMenuItem(kind);
    item->setChecked(false);
    item->setCheckable(false);
}

void frmMain::showLoggedIn(const QString& userName, int16_t level)
{
    //: The status bar after a login: %1 is the user name, %2 the security level (0 to 3).
    setStatusText(tr("Logged in as: %1   Security Level: %2").arg(userName).arg(level));
    menuItem("mnuLogoff")->setEnabled(true);
    ApplySecurity(app_.options, securedMenuItems(), level);
    // Only a file moves to a server, and only at the level that chooses
    // where the records are.
    menuItem("mnuMoveToServer")
        ->setEnabled(isOpenTo(securityPageLevel, level) && app_.state.MainDatabase.kind() == Database::Kind::File);
}

void frmMain::setStatusText(const QString& text) { statusPanel_->setText(text); }

QString frmMain::statusText() const { return statusPanel_->text(); }

void frmMain::fillWindowMenu()
{
    windowMenu_->clear();
    const QList<QMdiSubWindow*> frames = childArea_->subWindowList();
    int number = 1;
    for (QMdiSubWindow* frame : frames) {
        QAction* entry = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(number++).arg(frame->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(frame == childArea_->currentSubWindow());
        connect(entry, &QAction::triggered, childArea_, [this, frame] { childArea_->setActiveSubWindow(frame); });
    }
}

void frmMain::refreshClock()
{
    const QLocale locale;
    datePanel_->setText(dateText(QDate::currentDate(), locale));
    timePanel_->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void frmMain::startHelp() { help_->open(this); }

void frmMain::showOptions()
{
    auto* options = new frmOptions(app_, securedMenuItems(), this);
    options->setAttribute(Qt::WA_DeleteOnClose);
    options->open();
}

void frmMain::showAbout()
{
    auto* about = new frmAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (exitStepsDone_) {
        event->accept();
        return;
    }
    if (!closeAllChildren()) {
        event->ignore();
        return;
    }
    if (app_.options.number(OptionKey::backupOnExit, 1) == 1
        && app_.messages.askYesNo(this, tr("Do you want to create a backup?"), tr("Verify Information"))
        && createBackup_) {
        createBackup_();
    }
    exitStepsDone_ = true;
    event->accept();
}

} // namespace quillbill
