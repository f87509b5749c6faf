// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

namespace quirepress::detail {

// What the program's application object allows. A command-line tool or a
// server has a QCoreApplication: no windows, and no fonts to measure text
// with; Qt aborts when either is used there, so the engine asks first.

// A QApplication: windows (dialogs, progress, preview, message boxes).
inline bool windowsAvailable() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

// A QGuiApplication at least: fonts, printers and painting on images.
inline bool fontsAvailable() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

} // namespace quirepress::detail
