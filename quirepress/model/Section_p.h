#pragma once

#include <quirepress/Field.h>

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
};

} // namespace quirepress
