// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

namespace quirepress {
class Report;
}

namespace quirepress::detail {

class ReportRun;

// The run a report keeps beside its private part, for the engine's own
// tests and tools that look inside.
ReportRun& runOf(Report& report);

} // namespace quirepress::detail
