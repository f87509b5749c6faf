// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include <quirepress/Section.h>

#include "model/Section_p.h"

namespace quirepress {

Section::Section(const QString& name) : d(std::make_unique<SectionPrivate>()) { d->name = name; }

Section::~Section() = default;

int32_t Section::Height() const { return d->height; }
void Section::setHeight(int32_t value) { d->height = value; }
int32_t Section::Width() const
{
    if (d->pageWidths) {
        d->width = d->pageWidths->forOrientation(d->pageOrientation);
        d->pageWidths.reset();
    }
    return d->width;
}
void Section::setWidth(int32_t value)
{
    d->width = value;
    d->pageWidths.reset();
}
QString Section::SectionName() const { return d->name; }
void Section::setSectionName(const QString& value) { d->name = value; }
bool Section::Footer() const { return d->footer; }
void Section::setFooter(bool value) { d->footer = value; }
bool Section::KeepWithNext() const { return d->keepWithNext; }
void Section::setKeepWithNext(bool value) { d->keepWithNext = value; }

void Section::Clear()
{
    for (const auto& [name, field] : d->fields)
        field->setValue(field->Default_Value());
}

std::shared_ptr<quirepress::Field> Section::AddField(const QString& FieldName)
{
    auto field = std::make_shared<quirepress::Field>();
    field->setFieldName(FieldName);
    field->setFont(QStringLiteral("Arial"));
    field->setSize(10);
    field->setForeColour(0);
    field->setBackColour(0xFFFFFF);
    field->setFieldType(cFieldText);
    if (!d->fields.contains(FieldName))
        d->fields.append(FieldName, field);
    return field;
}

std::shared_ptr<quirepress::Field> Section::Field(int vntIndexKey) const { return d->fields.at(vntIndexKey); }
std::shared_ptr<quirepress::Field> Section::Field(const QString& vntIndexKey) const
{
    return d->fields.at(vntIndexKey);
}
int32_t Section::FieldCount() const { return d->fields.count(); }
void Section::RemoveField(int vntIndexKey) { d->fields.remove(vntIndexKey); }
void Section::RemoveField(const QString& vntIndexKey) { d->fields.remove(vntIndexKey); }

} // namespace quirepress
