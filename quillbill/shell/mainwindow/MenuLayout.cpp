// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/mainwindow/MenuLayout.h"

#include <QCoreApplication>

namespace quillbill {

const std::vector<MenuEntry>& mainMenuLayout()
{
    static const std::vector<MenuEntry> layout = {
        {"Menu1", QT_TRANSLATE_NOOP("quillbill::MainMenu", "&File"), {}, {}},
        {"Menu1_Item1", QT_TRANSLATE_NOOP("quillbill::MainMenu", "&Close"), QKeySequence(Qt::Key_F4), "Menu1"},
        {"mnuFileBar0", "-", {}, "Menu1"},
        {"mnuLogoff", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Log Off..."), {}, "Menu1"},
        {"Menu1_Item2", QT_TRANSLATE_NOOP("quillbill::MainMenu", "E&xit"), {}, "Menu1"},

        {"Menu2", QT_TRANSLATE_NOOP("quillbill::MainMenu", "&Company"), {}, {}},
        {"Menu2_Item1", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Edit My Info"), QKeySequence(Qt::CTRL | Qt::Key_E),
         "Menu2"},
        {"mnuCust", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Customers"), {}, "Menu2"},
        {"Menu2_Item2", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Add New"), QKeySequence(Qt::CTRL | Qt::Key_A),
         "mnuCust"},
        {"mnuReview", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Review/Edit"), {}, "mnuCust"},
        {"mnuRemove", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Remove"), QKeySequence(Qt::CTRL | Qt::Key_D),
         "mnuCust"},

        {"Menu3", QT_TRANSLATE_NOOP("quillbill::MainMenu", "&Invoices"), {}, {}},
        {"Menu3_Item1", QT_TRANSLATE_NOOP("quillbill::MainMenu", "New"), QKeySequence(Qt::CTRL | Qt::Key_N), "Menu3"},
        {"Menu3_Item2", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Reprint/Update"), QKeySequence(Qt::CTRL | Qt::Key_R),
         "Menu3"},
        {"Menu3_Item3", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Print Report"), {}, "Menu3"},
        {"Menu3_Item3_1", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Invoice Report"),
         QKeySequence(Qt::CTRL | Qt::Key_I), "Menu3_Item3"},
        {"mnuStatement", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Statement of Account..."), {}, "Menu3"},
        {"mnuAging", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Aging Report..."), {}, "Menu3"},

        {"mnuTools", QT_TRANSLATE_NOOP("quillbill::MainMenu", "&Tools"), {}, {}},
        {"mnuOpt", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Options..."), QKeySequence(Qt::CTRL | Qt::Key_O),
         "mnuTools"},
        {"mnuUser", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Users..."), {}, "mnuTools"},
        {"mnudata", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Database"), {}, "mnuTools"},
        {"mnubkup", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Backup"), {}, "mnudata"},
        {"mnurestore", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Restore"), {}, "mnudata"},
        {"mnuMoveToServer", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Move to Server..."), {}, "mnudata"},

        {"Menu4", QT_TRANSLATE_NOOP("quillbill::MainMenu", "&Window"), {}, {}},

        {"menuHelp", QT_TRANSLATE_NOOP("quillbill::MainMenu", "&Help"), {}, {}},
        {"mnuIndex", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Contents..."), QKeySequence(Qt::Key_F1), "menuHelp"},
        {"menuAbout", QT_TRANSLATE_NOOP("quillbill::MainMenu", "About"), {}, "menuHelp"},
        {"mnuemail", QT_TRANSLATE_NOOP("quillbill::MainMenu", "Email Comments"), {}, "menuHelp"},
    };
    return layout;
}

} // namespace quillbill
