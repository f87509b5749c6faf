// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

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
    values.markCopies = store.number(OptionKey::markCopies, 0) != 0;
    values.documentLanguage = DocumentLanguage::chosen(store).language();
    for (const SecuredFunction& function : securedFunctions()) {
        const auto n = static_cast<size_t>(function.number - 1);
        values.restricted.at(n) = switchState(store, OptionKey::securedSwitch(function.number));
        values.levels.at(n) =
            store.text(OptionKey::securedLevel(function.number), QString::number(defaultRequiredLevel));
    }
    return values;
}

std::optional<OptionsValues::LevelProblem> OptionsValues::firstInvalidLevel(int highestUserLevel) const
{
    for (const SecuredFunction& function : securedFunctions()) {
        const auto n = static_cast<size_t>(function.number - 1);
        if (!restricted.at(n))
            continue;
        const auto level = parseWholeNumber(levels.at(n));
        if (!level || *level < 0 || *level > highestSecurityLevel)
            return LevelProblem{function.number, LevelProblem::Reason::NotALevel};
        // 0 restricts nothing, whatever the users' levels.
        if (*level > 0 && *level > highestUserLevel)
            return LevelProblem{function.number, LevelProblem::Reason::AboveEveryUser};
    }
    return std::nullopt;
}

void OptionsValues::save(OptionsStore& store, const SecuredMenuItems& items, bool withSecurity) const
{
    store.setText(OptionKey::showSplash, switchText(showSplash));
    store.setText(OptionKey::showTips, switchText(showTips));
    store.setText(OptionKey::backupOnExit, switchText(backupOnExit));
    store.setText(OptionKey::markCopies, switchText(markCopies));
    store.setText(OptionKey::documentLanguage, DocumentLanguage::keyText(documentLanguage));
    if (!withSecurity)
        return;
    store.setText(OptionKey::showLogon, switchText(showLogon));
    for (const SecuredFunction& function : securedFunctions()) {
        const auto n = static_cast<size_t>(function.number - 1);
        store.setText(OptionKey::securedSwitch(function.number), switchText(restricted.at(n)));
        const QString level = restricted.at(n) ? levels.at(n) : QStringLiteral("0");
        store.setText(OptionKey::securedLevel(function.number), level);
        items.at(n)->setData(level);
    }
}

} // namespace quillbill
