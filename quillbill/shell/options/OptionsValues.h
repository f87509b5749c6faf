// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/DocumentLanguage.h"
#include "shell/security/modSecurity.h"

#include <QString>

#include <array>
#include <optional>

namespace quillbill {

class OptionsStore;

// What the options window edits: the four start-up and exit switches, the
// marking of invoice copies, the language of documents for customers and, for each secured function, whether it is
// restricted and to which level.
struct OptionsValues {
    bool backupOnExit = true;
    bool showSplash = true;
    bool showTips = true;
    bool showLogon = true;
    bool markCopies = false;
    DocumentLanguage::Language documentLanguage = DocumentLanguage::Language::English;
    std::array<bool, 5> restricted{true, true, true, true, true};
    std::array<QString, 5> levels{"1", "1", "1", "1", "1"};

    // Reads the values from the store; absent or damaged switches give their
    // defaults. Levels are shown as stored, so that saving never quietly
    // turns a level into another one.
    static OptionsValues load(const OptionsStore& store);

    // Why a restricted function's level cannot be saved.
    struct LevelProblem {
        enum class Reason {
            NotALevel, // not a whole number from 0 to 3
            AboveEveryUser, // nobody could use the function any more
        };
        int function; // 1 to 5
        Reason reason;
    };
    // The first restricted function whose level cannot be saved when no user
    // holds a level above `highestUserLevel`, or nullopt when all can.
    std::optional<LevelProblem> firstInvalidLevel(int highestUserLevel) const;

    // Writes the values to the store and the required levels into the tags of
    // the secured menu items. The items' enabled states are left alone: new
    // levels take effect at the next login. Without `withSecurity` the login
    // switch and the levels stay as stored: they need the Security page's level.
    void save(OptionsStore& store, const SecuredMenuItems& items, bool withSecurity) const;
};

} // namespace quillbill
