// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/OptionsStore.h"

#include <QSettings>

namespace quillbill {

QString OptionKey::securedSwitch(int function) { return QStringLiteral("Sec%1").arg(function); }

QString OptionKey::securedLevel(int function) { return QStringLiteral("Sec%1A").arg(function); }

QString OptionKey::windowSize(const QString& window) { return QStringLiteral("Size of ") + window; }

OptionsStore::OptionsStore(QString application, QString group)
    : application_(std::move(application)), group_(std::move(group))
{}

std::optional<QString> OptionsStore::text(const QString& key) const
{
    QSettings settings(application_, application_);
    settings.beginGroup(group_);
    if (!settings.contains(key))
        return std::nullopt;
    return settings.value(key).toString();
}

QString OptionsStore::text(const QString& key, const QString& fallback) const { return text(key).value_or(fallback); }

int OptionsStore::number(const QString& key, int fallback) const
{
    const auto stored = text(key);
    if (!stored)
        return fallback;
    return parseWholeNumber(*stored).value_or(fallback);
}

void OptionsStore::setText(const QString& key, const QString& value)
{
    QSettings settings(application_, application_);
    settings.beginGroup(group_);
    settings.setValue(key, value);
}

void OptionsStore::setNumber(const QString& key, int value) { setText(key, QString::number(value)); }

void OptionsStore::clear()
{
    QSettings settings(application_, application_);
    settings.remove(group_);
}

} // namespace quillbill
