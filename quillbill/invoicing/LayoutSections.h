// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Report.h>

#include <QString>

#include <memory>

namespace quillbill {

// The loaded layout's section named `name`, in any letter case as the report
// looks sections up, or none: a layout the user keeps may be older than a
// section the driver prints.
inline std::shared_ptr<quirepress::Section> sectionIfAny(const quirepress::Report& report, const QString& name)
{
    for (int index = 1; index <= report.SectionCount(); ++index) {
        std::shared_ptr<quirepress::Section> section = report.Section(index);
        if (section->SectionName().compare(name, Qt::CaseInsensitive) == 0)
            return section;
    }
    return nullptr;
}

// The section's field named `name`, in any letter case, or none.
inline std::shared_ptr<quirepress::Field> fieldIfAny(const quirepress::Section& section, const QString& name)
{
    for (int index = 1; index <= section.FieldCount(); ++index) {
        std::shared_ptr<quirepress::Field> field = section.Field(index);
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field;
    }
    return nullptr;
}

// Sets the section's field `name` to `value`, where the layout has it.
inline void setIfAny(const quirepress::Section& section, const QString& name, const QString& value)
{
    if (const auto field = fieldIfAny(section, name))
        field->setValue(value);
}

// Takes the row of `footer` that `row` heads out: what lies below it moves
// up by the distance between `above` and `row`, so no blank row is left.
inline void removeRow(quirepress::Section& footer, const quirepress::Field& above, const quirepress::Field& row)
{
    const int32_t top = row.FieldTop();
    const int32_t rowHeight = top - above.FieldTop();
    if (rowHeight <= 0)
        return;
    for (int index = 1; index <= footer.FieldCount(); ++index) {
        const auto field = footer.Field(index);
        if (field->FieldTop() > top)
            field->setFieldTop(field->FieldTop() - rowHeight);
    }
    footer.setHeight(footer.Height() - rowHeight);
}

} // namespace quillbill
