// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstdint>

class QAction;

namespace quillbill {

class OptionsStore;

// The five functions that can be restricted to a minimum security level.
struct SecuredFunction {
    int number; // 1 to 5; the digit in the keys "SecN" and "SecNA"
    QString menuItem; // objectName of the main window's menu item
    const char* optionsLabel; // caption in the options window, in English
    // The caption in the program's language.
    QString shownLabel() const { return QCoreApplication::translate("quillbill::SecuredFunction", optionsLabel); }
};
const std::array<SecuredFunction, 5>& securedFunctions();

// The main window's menu items of the five secured functions, in order.
using SecuredMenuItems = std::array<QAction*, 5>;

// The level a secured function requires when nothing else is known.
inline constexpr int defaultRequiredLevel = 1;
// The highest level there is. A required level that cannot be read counts as
// this one, so that damage never opens a function wider than intended.
inline constexpr int highestSecurityLevel = 3;
// The level the options window's "Security" page requires.
inline const QString securityPageLevel = QStringLiteral("3");

// The tag of secured function `function` from its stored required level:
// "0" for no restriction, the level otherwise, at most the highest level.
QString requiredLevelTag(const OptionsStore& options, int function);

// Whether a function whose required level is `tag` is open at `userLevel`.
// A tag that is not a whole number opens nothing: a damaged value never
// widens access.
bool isOpenTo(const QString& tag, int16_t userLevel);

// Reads the required levels "Sec1A".."Sec5A" into the items' tags, then
// enables the items for `userLevel`.
void ApplySecurity(const OptionsStore& options, const SecuredMenuItems& items, int16_t userLevel);

// Enables each item whose tag is at most `userLevel`, disables the others.
void EnableSecuredMenus(const SecuredMenuItems& items, int16_t userLevel);

// Enables the options window's "Security" page item for levels of 3 and more.
void EnableSecurityPage(QAction* securityItem, int16_t userLevel);

} // namespace quillbill
