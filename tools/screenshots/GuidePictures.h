// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// The pictures of the user guide, one per window page, and the README's two,
// each showing its window as an office worker meets it, filled with the
// sample office's data.

#include <QString>

namespace quillbill {
struct AppContext;
}

namespace quillbill::screenshots {

// Writes the guide's pictures into `guideFolder` (named after the guide's
// window pages) and the README's into `readmeFolder`, on the sample office
// in `app`'s program folder; adds an invoice and backups to it as it goes.
void takeGuidePictures(AppContext& app, const QString& guideFolder, const QString& readmeFolder);

} // namespace quillbill::screenshots
