// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Export.h>

#include <QLocale>

namespace quirepress {

// Installs the engine's own translation (its preview, progress and output
// windows) for the first of `locale`'s languages it has one for, on the
// running application, which keeps it. False when it has none, and the
// engine speaks English. Call it once the application object exists.
QUIREPRESS_EXPORT bool installTranslations(const QLocale& locale);

} // namespace quirepress
