#pragma once

#include <QKeySequence>
#include <QString>

#include <vector>

namespace quillbill {

// One entry of the main window's menu bar, in the order the bar shows them.
// An entry without a parent sits on the bar itself; an entry that other
// entries name as parent is a submenu; "-" is a separator.
struct MenuEntry {
    QString name;
    QString caption;
    QKeySequence shortcut;
    QString parent;
};

const std::vector<MenuEntry>& mainMenuLayout();

} // namespace quillbill
