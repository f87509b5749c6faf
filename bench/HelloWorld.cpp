// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The least a Qt Widgets program does before its first window is up: the
// start-up benchmark's yardstick for Quillbill. FirstWindowExit ends it
// as soon as the label is on the screen, as it ends Quillbill.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Hello, world"));
    label.show();
    return application.exec();
}
