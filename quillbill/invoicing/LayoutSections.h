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

} // namespace quillbill
