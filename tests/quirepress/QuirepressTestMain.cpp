// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The main() of the report engine's test programs: a QApplication on Qt's
// offscreen platform, so that text can be measured and dialogs shown, and a
// temporary folder of its own, so that page images and the file dialogs'
// history of the person running the tests are never touched.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir temporary;
    qputenv("TMPDIR", temporary.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", temporary.path().toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
