#pragma once

#include "shell/security/modSecurity.h"

#include <QString>

#include <array>
#include <optional>

namespace quillbill {

class OptionsStore;

// What the options window edits: the four start-up and exit switches and,
// for each secured function, whether it is restricted and to which level.
struct OptionsValues {
    bool backupOnExit = true;
    bool showSplash = true;
    bool showTips = true;
    bool showLogon = true;
    std::array<bool, 5> restricted{true, true, true, true, true};
    std::array<QString, 5> levels{"1", "1", "1", "1", "1"};

    // Reads the values from the store; absent or damaged keys give their defaults.
    static OptionsValues load(const OptionsStore& store);

    // The number (1 to 5) of the first restricted function whose level is not
    // a whole number, or nullopt when every level can be saved.
    std::optional<int> firstInvalidLevel() const;

    // Writes every value to the store and the required levels into the tags of
    // the secured menu items. The items' enabled states are left alone: new
    // levels take effect at the next login. Writes nothing and returns false
    // while firstInvalidLevel() names a function.
    bool save(OptionsStore& store, const SecuredMenuItems& items) const;
};

} // namespace quillbill
