// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Export.h>
#include <quirepress/Field.h>

#include <QString>

#include <cstdint>
#include <memory>

namespace quirepress {

class Report;
class SectionPrivate;

// A band of a report: fields positioned within a height and a width, printed
// together. Sections are made by Report::AddSection().
class QUIREPRESS_EXPORT Section {
public:
    ~Section();
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;

    int32_t Height() const;
    void setHeight(int32_t value);
    int32_t Width() const;
    void setWidth(int32_t value);
    // Key of the section in its report.
    QString SectionName() const;
    void setSectionName(const QString& value);

    // Sets every field's Value to its Default_Value.
    void Clear();

    // Adds a field with the usual defaults (Arial 10, black on white, text)
    // under `FieldName`. When the name is taken, in any letter case, the new
    // field is returned but not added: the section keeps the older one.
    std::shared_ptr<quirepress::Field> AddField(const QString& FieldName);

    // A field by its position from 1 (Error 9 outside) or its name (Error 5
    // when there is none).
    std::shared_ptr<quirepress::Field> Field(int vntIndexKey) const;
    std::shared_ptr<quirepress::Field> Field(const QString& vntIndexKey) const;
    int32_t FieldCount() const;
    void RemoveField(int vntIndexKey);
    void RemoveField(const QString& vntIndexKey);

    // Marks the section as the report's page footer.
    bool Footer() const;
    void setFooter(bool value);
    // Keeps the section on one page with the section printed after it: when
    // the two do not fit together in the rest of the page, the page breaks
    // before this one (a heading never stands alone at the foot of a page).
    // A pair taller than a page's room is printed as it comes, without a
    // break of its own. Only pages have it (screen, printer, PDF file); a
    // section holding a table, and the page footer, are printed at once.
    // A kept section is placed when the next section, NewPage() or
    // EndReport() comes, with the values it had when it was printed; its
    // fields' Printed flags are set then. Saved in definition files as
    // "KeepWithNext" (false when the key is missing).
    bool KeepWithNext() const;
    void setKeepWithNext(bool value);

private:
    friend class Report;
    friend class ReportPrivate;
    friend class SectionPrivate;
    explicit Section(const QString& name);

    std::unique_ptr<SectionPrivate> d;
};

} // namespace quirepress
