// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QIcon>

#include <functional>

namespace quillbill {

// Gives the program's windows the icon `icon` makes once the first window
// is on the screen. Reading an icon's file makes Qt look through all its
// image plugins, which the first window need not wait for.
void setWindowIconAfterFirstWindow(std::function<QIcon()> icon);

} // namespace quillbill
