// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include <quirepress/Error.h>
#include <quirepress/Field.h>

#include "model/Field_p.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace quirepress {

namespace {

const QString source = QStringLiteral("Quirepress.Field");

// The longest value, in UTF-16 code units, that setValue() copies rather
// than shares.
constexpr qsizetype longestCopiedValue = 256;

// Rounds to the nearest whole number, halves to the even neighbour, and
// refuses a result beyond 16 bits as the overflow it is.
int16_t roundedWidth(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max()))
        throw Error(6, source, QCoreApplication::translate("quirepress::Error", "Overflow"));
    return static_cast<int16_t>(rounded);
}

} // namespace

Field::Field() : d(std::make_unique<FieldPrivate>()) {}
Field::~Field() = default;

#define QUIREPRESS_PROPERTY(Type, Name, member)                                                                        \
    Type Field::Name() const { return d->member; }                                                                     \
    void Field::set##Name(Type value) { d->member = value; }
#define QUIREPRESS_TEXT_PROPERTY(Name, member)                                                                         \
    QString Field::Name() const { return d->member; }                                                                  \
    void Field::set##Name(const QString& value) { d->member = value; }

QUIREPRESS_TEXT_PROPERTY(FieldName, fieldName)
QUIREPRESS_TEXT_PROPERTY(Default_Value, defaultValue)
QUIREPRESS_TEXT_PROPERTY(Font, font)
QUIREPRESS_PROPERTY(float, Size, size)
QUIREPRESS_PROPERTY(bool, Bold, bold)
QUIREPRESS_PROPERTY(bool, Italics, italics)
QUIREPRESS_PROPERTY(bool, Underline, underline)
QUIREPRESS_PROPERTY(int32_t, ForeColour, foreColour)
QUIREPRESS_PROPERTY(int32_t, BackColour, backColour)
QUIREPRESS_PROPERTY(Justifications, Justification, justification)
QUIREPRESS_PROPERTY(int32_t, FieldTop, top)
QUIREPRESS_PROPERTY(int32_t, FieldLeft, left)
QUIREPRESS_PROPERTY(int32_t, FieldWidth, width)
QUIREPRESS_PROPERTY(int32_t, FieldHeight, height)
QUIREPRESS_PROPERTY(FieldTypes, FieldType, type)
QUIREPRESS_PROPERTY(bool, FieldBox, box)
QUIREPRESS_PROPERTY(int16_t, LineWidth, lineWidth)
QUIREPRESS_PROPERTY(bool, LimitSize, limitSize)
QUIREPRESS_PROPERTY(bool, Printed, printed)
QUIREPRESS_PROPERTY(bool, TableFirstRowLabel, firstRowLabel)
QUIREPRESS_PROPERTY(bool, TableFirstColLabel, firstColLabel)
QUIREPRESS_PROPERTY(int16_t, TableMaxColumnWidth, maxColumnWidth)

#undef QUIREPRESS_PROPERTY
#undef QUIREPRESS_TEXT_PROPERTY

QString Field::Value() const { return d->value; }

// A caller sets every field's value for every row. Sharing its string costs
// two atomic changes of reference counts, the new string's and the old
// one's, which take longer than copying a short value into room the field
// keeps to itself: short values are copied, long ones shared.
void Field::setValue(const QString& value)
{
    QString& kept = d->value;
    if (value.isNull() || value.size() > longestCopiedValue)
        kept = value;
    else
        kept.setUnicode(value.constData(), value.size());
}

void Field::setTableNumberRows(int16_t value)
{
    if (value < 0)
        throw Error(9, source, QCoreApplication::translate("quirepress::Error", "Subscript out of range"));
    d->rows = value;
    d->resetCells();
}

int16_t Field::TableNumberRows() const { return d->rows; }

void Field::setTableNumberCols(int16_t value)
{
    if (value < 0)
        throw Error(9, source, QCoreApplication::translate("quirepress::Error", "Subscript out of range"));
    d->cols = value;
    d->resetCells();
}

int16_t Field::TableNumberCols() const { return d->cols; }

void Field::setCellValue(int16_t iCol, int16_t iRow, const QString& value)
{
    if (iCol < 0 || iRow < 0)
        throw Error(9, source, QCoreApplication::translate("quirepress::Error", "Subscript out of range"));
    if (iRow > d->rows || iCol > d->cols)
        return;
    // An empty cell is no cell, so memory follows the cells that hold text.
    if (value.isEmpty())
        d->cells.remove(FieldPrivate::cellKey(iCol, iRow));
    else
        d->cells.insert(FieldPrivate::cellKey(iCol, iRow), value);
}

QString Field::CellValue(int16_t iCol, int16_t iRow) const
{
    if (iCol < 0 || iRow < 0)
        throw Error(9, source, QCoreApplication::translate("quirepress::Error", "Subscript out of range"));
    if (iRow > d->rows || iCol > d->cols)
        return {};
    return d->cells.value(FieldPrivate::cellKey(iCol, iRow));
}

void Field::TableColumnWidths(const std::function<int32_t(const QString&)>& measure, int16_t sectionWidth, int16_t left,
                              int16_t& labelWidth, int16_t& columnWidth) const
{
    constexpr int32_t largestLabel = 32667;
    constexpr int32_t labelGap = 100;
    int32_t label = labelWidth;
    int32_t column = columnWidth;
    if (!d->firstColLabel) {
        if (d->cols != 0)
            column = roundedWidth(static_cast<double>(sectionWidth - left) / d->cols);
        if (d->maxColumnWidth != 0 && d->maxColumnWidth < column)
            column = d->maxColumnWidth;
        label = column;
    } else {
        for (int16_t row = 1; row <= d->rows; ++row)
            label = std::max(label, measure(CellValue(1, row)));
        if (label > largestLabel)
            throw Error(6, source, QCoreApplication::translate("quirepress::Error", "Overflow"));
        label += labelGap;
        if (d->cols != 1)
            column = roundedWidth(static_cast<double>(sectionWidth - label - left) / (d->cols - 1));
        if (d->maxColumnWidth != 0 && d->maxColumnWidth < column)
            column = d->maxColumnWidth;
    }
    labelWidth = static_cast<int16_t>(label);
    columnWidth = static_cast<int16_t>(column);
}

} // namespace quirepress
