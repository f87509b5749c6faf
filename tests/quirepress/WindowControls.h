// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

// A control of a window by its objectName; a missing one fails the test.
template <typename Control>
Control* control(QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no control " << name;
    return found;
}
