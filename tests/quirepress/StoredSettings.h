// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

// The per-user settings store of the report engine, read and planted
// directly by the tests. The test main points XDG_CONFIG_HOME at a private
// folder; emptyStoredSettings() refuses to run anywhere else, so that no
// test clears the settings of the person running it.
inline QSettings storedSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quirepress"),
                     QStringLiteral("Quirepress"));
}

inline void emptyStoredSettings()
{
    const QString privateFolder = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(privateFolder.isEmpty());
    QSettings settings = storedSettings();
    ASSERT_TRUE(settings.fileName().startsWith(privateFolder + '/')) << settings.fileName().toStdString();
    settings.clear();
    settings.sync();
}
