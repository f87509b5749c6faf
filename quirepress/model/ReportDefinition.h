// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

namespace quirepress {
class Report;
}

namespace quirepress::detail {

class ProfileReader;
class ProfileWriter;

// The report definition file: the page settings under [Report], each section
// under [SectionN] and each of its fields under [SectionNFieldM], in
// collection order. Field values, table cells and output settings are not
// part of it.
void writeDefinition(const Report& report, ProfileWriter& file);

// Replaces every section of `report` by those of the file. A 16-bit value out
// of range throws Error 6, a "Footer" that is neither a truth word nor a
// number Error 13; the sections read so far stay.
void readDefinition(Report& report, const ProfileReader& file);

} // namespace quirepress::detail
