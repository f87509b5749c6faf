// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Field.h>
#include <quirepress/Section.h>

#include "model/NamedCollection.h"
#include "model/TextMeasure.h"

#include <QString>

#include <memory>

namespace quirepress {

class SectionPrivate {
public:
    int32_t height = 0;
    int32_t width = 0;
    // Until its width is set, a section the report adds is as wide as the
    // printer's page in the report's orientation when it was added.
    std::shared_ptr<detail::PageWidths> pageWidths;
    int32_t pageOrientation = 0;
    QString name;
    bool footer = false;
    bool keepWithNext = false;
    detail::NamedCollection<Field> fields{QStringLiteral("Quirepress.Section")};

    // The fields in order, without a shared pointer copied for each.
    static const detail::NamedCollection<Field>& fieldsOf(const Section& section) { return section.d->fields; }
    static detail::NamedCollection<Field>& fieldsOf(Section& section) { return section.d->fields; }
    static const SectionPrivate& of(const Section& section) { return *section.d; }
    static SectionPrivate& of(Section& section) { return *section.d; }
};

} // namespace quirepress
