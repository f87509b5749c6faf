// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The main() of every test program: a QApplication on Qt's offscreen
// platform, with the settings store in a temporary folder of its own, so that
// tests never read or write the settings or the keyring of the person
// running them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    // A test of how windows fit a screen names the offscreen screen it wants.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("QUILLBILL_TEST_QPA", "offscreen").toLocal8Bit());
    // A test of the desktop's language runs a copy of its program in another.
    qputenv("LC_ALL", qEnvironmentVariable("QUILLBILL_TEST_LC_ALL", "C.UTF-8").toLocal8Bit());
    // LANGUAGE would choose the translations over LC_ALL.
    qunsetenv("LANGUAGE");
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    qputenv("XDG_CONFIG_HOME", settingsFolder.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", settingsFolder.path().toLocal8Bit());
    // No test may read or write the keyring of the person running them: a
    // test that wants one starts its own session bus and points here.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quillbill-tests-bus");

    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName("Quillbill");
    QCoreApplication::setApplicationName("Quillbill");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
