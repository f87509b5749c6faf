// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quirepress::detail {

// The folder that holds the Quirepress library itself, where the file
// dialogs for report definitions open.
QString libraryFolder();

} // namespace quirepress::detail
