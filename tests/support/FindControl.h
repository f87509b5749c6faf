// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// Finding a control of the program's windows by its objectName, for the
// tests and for the tool that takes the windows' pictures.

#include <QApplication>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace quillbill::testing {

// A control of `window` by its objectName; a missing one throws, which ends
// a test or the picture run.
template <typename T>
T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return found;
}

// The top-level window of that objectName that is on screen, such as the
// report engine's preview "frmDisplay"; nullptr when none is.
inline QWidget* shownWindow(const char* objectName)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(objectName) && window->isVisible())
            return window;
    return nullptr;
}

} // namespace quillbill::testing
