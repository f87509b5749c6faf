// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/AppContext.h"

#include <quirepress/quirepress.h>

#include <QString>

#include <functional>

namespace quillbill {

// One run of a document driver: loads the layout `layout` (below the
// program folder) into `report`, sends it to `output` (a relative
// `outputFile` is taken in the program folder) and calls `print`, which
// fills the sections and ends the report. A missing layout is told by the
// report itself; any other failure is shown once in a box titled
// `failureTitle`, and the half-made run is cancelled. True when the
// document was made and handed to its target.
bool runLayout(AppContext& app, quirepress::Report& report, const QString& layout, const QString& failureTitle,
               quirepress::OutputOptions output, const QString& outputFile, const std::function<void()>& print);

} // namespace quillbill
