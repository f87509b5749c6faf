#pragma once

#include <quirepress/Report.h>

#include <QString>

namespace quillbill {

// Whether the loaded layout has a section named `name`, without regard to
// letter case, as the report looks sections up. A layout the user keeps may
// be older than a section the driver prints.
inline bool hasSection(const quirepress::Report& report, const QString& name)
{
    for (int index = 1; index <= report.SectionCount(); ++index)
        if (report.Section(index)->SectionName().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace quillbill
