// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/MessageBoxes.h"

#include <quirepress/quirepress.h>

namespace quillbill {

// The one way the program makes a report: its message boxes ("Report file
// not found" and the like) go through the program's own, so that they look
// like every other box of the program and tests record them.
quirepress::Report newProgramReport(MessageBoxes& messages);

} // namespace quillbill
