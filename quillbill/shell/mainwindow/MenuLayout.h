// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>

#include <vector>

namespace quillbill {

// One entry of the main window's menu bar, in the order the bar shows them.
// An entry without a parent sits on the bar itself; an entry that other
// entries name as parent is a submenu; "-" is a separator.
struct MenuEntry {
    QString name;
    // The English caption, as the translations know it.
    const char* caption;
    QKeySequence shortcut;
    QString parent;

    bool isSeparator() const { return qstrcmp(caption, "-") == 0; }
    // The caption in the program's language.
    QString shownCaption() const { return QCoreApplication::translate("quillbill::MainMenu", caption); }
};

const std::vector<MenuEntry>& mainMenuLayout();

} // namespace quillbill
