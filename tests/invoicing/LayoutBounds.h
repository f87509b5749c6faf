// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/quirepress.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace quillbill::testing {

// Every field of `report` starts within the left margin, ends within the right
// margin of a paper `paperWidth` twips wide, and lies within its section's
// height: below it, a field would overlap the next section, or the paper's
// edge for the footer.
inline void expectFieldsWithinPaper(const quirepress::Report& report, int32_t paperWidth)
{
    const int32_t right = paperWidth - report.RightMargin();
    for (int s = 1; s <= report.SectionCount(); ++s) {
        const auto section = report.Section(s);
        for (int f = 1; f <= section->FieldCount(); ++f) {
            const auto field = section->Field(f);
            SCOPED_TRACE((section->SectionName() + u'/' + field->FieldName()).toStdString());
            EXPECT_GE(field->FieldLeft(), 0);
            EXPECT_LE(report.LeftMargin() + field->FieldLeft() + field->FieldWidth(), right);
            EXPECT_GE(field->FieldTop(), 0);
            EXPECT_GT(field->FieldHeight(), 0);
            EXPECT_LE(field->FieldTop() + field->FieldHeight(), section->Height());
        }
    }
}

} // namespace quillbill::testing
