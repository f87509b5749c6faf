// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

namespace quillbill {

struct AppContext;
class frmMain;

// Tells the main window how to make each kind of child window.
void registerChildWindows(frmMain& main, AppContext& app);

} // namespace quillbill
