#pragma once

#include <quirepress/Field.h>
#include <quirepress/Section.h>

#include "model/NamedCollection.h"

#include <QString>

namespace quirepress {

class SectionPrivate {
public:
    int32_t height = 0;
    int32_t width = 0;
    QString name;
    bool footer = false;
    detail::NamedCollection<Field> fields{QStringLiteral("Quirepress.Section")};

    // The fields in order, without a shared pointer copied for each.
    static const detail::NamedCollection<Field>& fieldsOf(const Section& section) { return section.d->fields; }

    // A new field as AddField makes it, added without looking for one of the
    // same name first: for a caller that adds many fields whose names it
    // makes unique itself.
    static std::shared_ptr<Field> addUniqueField(Section& section, const QString& name);
};

} // namespace quirepress
