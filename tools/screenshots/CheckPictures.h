// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// Pictures of the windows in the states where their layout has gone wrong
// before (a long address, a switched page, the calendar open, a long
// invoice), to look at by eye after a change to a window.

#include <QString>

namespace quillbill {
struct AppContext;
}

namespace quillbill::screenshots {

// Takes every such picture into `folder`, on the sample office in `app`'s
// program folder; adds invoices to it as it goes.
void takeCheckPictures(AppContext& app, const QString& folder);

} // namespace quillbill::screenshots
