// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Enums.h>
#include <quirepress/Field.h>

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace quirepress {

class FieldPrivate {
public:
    // Ordered by size, the flags in bits: a definition may hold a hundred
    // thousand fields, and each byte here is a hundred kilobytes there.
    QString fieldName;
    QString value;
    QString defaultValue;
    QString font;
    // Only the cells that hold a text, by cellKey(): the counts go to 32767
    // each, and a grid of that size would not fit in memory.
    QHash<uint32_t, QString> cells;
    float size = 0;
    int32_t foreColour = 0;
    int32_t backColour = 0;
    Justifications justification = cJustificationLeft;
    int32_t top = 0;
    int32_t left = 0;
    int32_t width = 0;
    int32_t height = 0;
    FieldTypes type = static_cast<FieldTypes>(0);
    int16_t lineWidth = 1;
    int16_t maxColumnWidth = 0;
    int16_t rows = 0;
    int16_t cols = 0;
    bool bold : 1 = false;
    bool italics : 1 = false;
    bool underline : 1 = false;
    bool box : 1 = false;
    bool limitSize : 1 = false;
    bool printed : 1 = false;
    bool firstRowLabel : 1 = false;
    bool firstColLabel : 1 = false;

    // The stored values of a field, read without a call and a copy each:
    // the file writers place hundreds of thousands of fields in a run.
    static const FieldPrivate& of(const Field& field) { return *field.d; }
    static FieldPrivate& of(Field& field) { return *field.d; }

    static uint32_t cellKey(int16_t col, int16_t row)
    {
        return static_cast<uint32_t>(static_cast<uint16_t>(col)) << 16 | static_cast<uint16_t>(row);
    }
    void resetCells() { cells.clear(); }
};

} // namespace quirepress
