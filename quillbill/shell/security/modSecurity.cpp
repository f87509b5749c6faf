// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/security/modSecurity.h"

#include "common/OptionsStore.h"
#include "common/WholeNumber.h"

#include <QAction>

#include <algorithm>

namespace quillbill {

const std::array<SecuredFunction, 5>& securedFunctions()
{
    static const std::array<SecuredFunction, 5> functions = {{
        {1, QStringLiteral("Menu2_Item1"), QT_TRANSLATE_NOOP("quillbill::SecuredFunction", "Edit My Info")},
        {2, QStringLiteral("mnuRemove"), QT_TRANSLATE_NOOP("quillbill::SecuredFunction", "Customers - Remove")},
        {3, QStringLiteral("Menu3_Item1"), QT_TRANSLATE_NOOP("quillbill::SecuredFunction", "Invoices - New")},
        {4, QStringLiteral("mnuOpt"), QT_TRANSLATE_NOOP("quillbill::SecuredFunction", "Tools - Options")},
        {5, QStringLiteral("mnuUser"), QT_TRANSLATE_NOOP("quillbill::SecuredFunction", "Tools - Users")},
    }};
    return functions;
}

bool isOpenTo(const QString& tag, int16_t userLevel)
{
    const auto required = parseWholeNumber(tag);
    return required && *required <= userLevel;
}

QString requiredLevelTag(const OptionsStore& options, int function)
{
    const auto stored = options.text(OptionKey::securedLevel(function));
    const int required = stored ? parseWholeNumber(*stored).value_or(highestSecurityLevel) : defaultRequiredLevel;
    // A level beyond the highest would lock everyone out, the administrator
    // included, with no way back in.
    return required < 1 ? QStringLiteral("0") : QString::number(std::min(required, highestSecurityLevel));
}

void ApplySecurity(const OptionsStore& options, const SecuredMenuItems& items, int16_t userLevel)
{
    for (const SecuredFunction& function : securedFunctions())
        items.at(static_cast<size_t>(function.number - 1))->setData(requiredLevelTag(options, function.number));
    EnableSecuredMenus(items, userLevel);
}

void EnableSecuredMenus(const SecuredMenuItems& items, int16_t userLevel)
{
    for (QAction* item : items)
        item->setEnabled(isOpenTo(item->data().toString(), userLevel));
}

void EnableSecurityPage(QAction* securityItem, int16_t userLevel)
{
    securityItem->setEnabled(isOpenTo(securityItem->data().toString(), userLevel));
}

} // namespace quillbill
