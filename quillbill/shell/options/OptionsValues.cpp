#include "shell/options/OptionsValues.h"

#include "common/OptionsStore.h"

#include <QAction>

namespace quillbill {

namespace {

// Switches are stored as "0" and "1"; any other number shows as on.
bool switchState(const OptionsStore& store, const QString& key) { return store.number(key, 1) != 0; }

QString switchText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

OptionsValues OptionsValues::load(const OptionsStore& store)
{
    OptionsValues values;
    values.showTips = switchState(store, OptionKey::showTips);
    values.showSplash = switchState(store, OptionKey::showSplash);
    values.showLogon = switchState(store, OptionKey::showLogon);
    values.backupOnExit = switchState(store, OptionKey::backupOnExit);
    for (const SecuredFunction& function : securedFunctions()) {
        const auto n = static_cast<size_t>(function.number - 1);
        values.restricted.at(n) = switchState(store, OptionKey::securedSwitch(function.number));
        const int level = store.number(OptionKey::securedLevel(function.number), defaultRequiredLevel);
        values.levels.at(n) = level == 0 ? QString() : QString::number(level);
    }
    return values;
}

std::optional<int> OptionsValues::firstInvalidLevel() const
{
    for (const SecuredFunction& function : securedFunctions()) {
        const auto n = static_cast<size_t>(function.number - 1);
        if (restricted.at(n) && !parseWholeNumber(levels.at(n)))
            return function.number;
    }
    return std::nullopt;
}

bool OptionsValues::save(OptionsStore& store, const SecuredMenuItems& items) const
{
    if (firstInvalidLevel())
        return false;
    store.setText(OptionKey::showSplash, switchText(showSplash));
    store.setText(OptionKey::showTips, switchText(showTips));
    store.setText(OptionKey::showLogon, switchText(showLogon));
    store.setText(OptionKey::backupOnExit, switchText(backupOnExit));
    for (const SecuredFunction& function : securedFunctions()) {
        const auto n = static_cast<size_t>(function.number - 1);
        store.setText(OptionKey::securedSwitch(function.number), switchText(restricted.at(n)));
        const QString level = restricted.at(n) ? levels.at(n) : QStringLiteral("0");
        store.setText(OptionKey::securedLevel(function.number), level);
        items.at(n)->setData(level);
    }
    return true;
}

} // namespace quillbill
