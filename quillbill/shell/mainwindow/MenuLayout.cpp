#include "shell/mainwindow/MenuLayout.h"

namespace quillbill {

const std::vector<MenuEntry>& mainMenuLayout()
{
    static const std::vector<MenuEntry> layout = {
        {"Menu1", "&File", {}, {}},
        {"Menu1_Item1", "&Close", QKeySequence(Qt::Key_F4), "Menu1"},
        {"mnuFileBar0", "-", {}, "Menu1"},
        {"mnuLogoff", "Log Off...", {}, "Menu1"},
        {"Menu1_Item2", "E&xit", {}, "Menu1"},

        {"Menu2", "&Company", {}, {}},
        {"Menu2_Item1", "Edit My Info", QKeySequence(Qt::CTRL | Qt::Key_E), "Menu2"},
        {"mnuCust", "Customers", {}, "Menu2"},
        {"Menu2_Item2", "Add New", QKeySequence(Qt::CTRL | Qt::Key_A), "mnuCust"},
        {"mnuReview", "Review/Edit", {}, "mnuCust"},
        {"mnuRemove", "Remove", QKeySequence(Qt::CTRL | Qt::Key_D), "mnuCust"},

        {"Menu3", "&Invoices", {}, {}},
        {"Menu3_Item1", "New", QKeySequence(Qt::CTRL | Qt::Key_N), "Menu3"},
        {"Menu3_Item2", "Reprint/Update", QKeySequence(Qt::CTRL | Qt::Key_R), "Menu3"},
        {"Menu3_Item3", "Print Report", {}, "Menu3"},
        {"Menu3_Item3_1", "Invoice Report", QKeySequence(Qt::CTRL | Qt::Key_I), "Menu3_Item3"},
        {"mnuStatement", "Statement of Account...", {}, "Menu3"},
        {"mnuAging", "Aging Report...", {}, "Menu3"},

        {"mnuTools", "&Tools", {}, {}},
        {"mnuOpt", "Options...", QKeySequence(Qt::CTRL | Qt::Key_O), "mnuTools"},
        {"mnuUser", "Users...", {}, "mnuTools"},
        {"mnudata", "Database", {}, "mnuTools"},
        {"mnubkup", "Backup", {}, "mnudata"},
        {"mnurestore", "Restore", {}, "mnudata"},
        {"mnuMoveToServer", "Move to Server...", {}, "mnudata"},

        {"Menu4", "&Window", {}, {}},

        {"menuHelp", "&Help", {}, {}},
        {"mnuIndex", "Contents...", QKeySequence(Qt::Key_F1), "menuHelp"},
        {"menuAbout", "About", {}, "menuHelp"},
        {"mnuemail", "Email Comments", {}, "menuHelp"},
    };
    return layout;
}

} // namespace quillbill
