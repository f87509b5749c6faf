// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Enums.h>
#include <quirepress/Export.h>

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace quirepress {

class FieldPrivate;

// One positioned item of a section: a text, a number, a box, a picture or a
// table. Positions and sizes are twips relative to the section. A field is
// made by Section::AddField(), which sets its defaults.
class QUIREPRESS_EXPORT Field {
public:
    // A field with nothing set but LineWidth 1; Section::AddField() gives
    // the usual defaults.
    Field();
    ~Field();
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    // Key of the field in its section.
    QString FieldName() const;
    void setFieldName(const QString& value);
    // Text to print.
    QString Value() const;
    void setValue(const QString& value);
    // Text that Section::Clear() and loading a definition copy into Value.
    QString Default_Value() const;
    void setDefault_Value(const QString& value);
    // Typeface name ("Arial").
    QString Font() const;
    void setFont(const QString& value);
    // Type size in points (10).
    float Size() const;
    void setSize(float value);
    // Type style.
    bool Bold() const;
    void setBold(bool value);
    bool Italics() const;
    void setItalics(bool value);
    bool Underline() const;
    void setUnderline(bool value);
    // Text and line colour, 0x00BBGGRR (0, black).
    int32_t ForeColour() const;
    void setForeColour(int32_t value);
    // Fill colour, 0x00BBGGRR (0xFFFFFF, white).
    int32_t BackColour() const;
    void setBackColour(int32_t value);
    // Horizontal alignment of the text within the field.
    Justifications Justification() const;
    void setJustification(Justifications value);
    // Position of the top-left corner and size, in twips within the section.
    int32_t FieldTop() const;
    void setFieldTop(int32_t value);
    int32_t FieldLeft() const;
    void setFieldLeft(int32_t value);
    int32_t FieldWidth() const;
    void setFieldWidth(int32_t value);
    int32_t FieldHeight() const;
    void setFieldHeight(int32_t value);
    // What the field prints: text, a number, a box, a picture or a table.
    FieldTypes FieldType() const;
    void setFieldType(FieldTypes value);
    // Draw a border around the field.
    bool FieldBox() const;
    void setFieldBox(bool value);
    // Pen width for borders and lines (1).
    int16_t LineWidth() const;
    void setLineWidth(int16_t value);
    // Keep the printed text within the field's size.
    bool LimitSize() const;
    void setLimitSize(bool value);
    // Set by the output code once the field has been printed.
    bool Printed() const;
    void setPrinted(bool value);
    // In a table, row 1 holds column labels.
    bool TableFirstRowLabel() const;
    void setTableFirstRowLabel(bool value);
    // In a table, column 1 holds row labels.
    bool TableFirstColLabel() const;
    void setTableFirstColLabel(bool value);
    // Upper limit of a table column's width; 0 for none.
    int16_t TableMaxColumnWidth() const;
    void setTableMaxColumnWidth(int16_t value);

    // Setting either count empties every cell: set the counts before the cells.
    void setTableNumberRows(int16_t value);
    int16_t TableNumberRows() const;
    void setTableNumberCols(int16_t value);
    int16_t TableNumberCols() const;
    // One table cell, column first, from 1 (row 0 and column 0 exist too). A
    // cell beyond the counts reads "" and ignores writes; a negative index
    // throws Error 9.
    void setCellValue(int16_t iCol, int16_t iRow, const QString& value);
    QString CellValue(int16_t iCol, int16_t iRow) const;

    // The widths of a table's label column and of its other columns, for a
    // section `sectionWidth` wide with the field's left edge at `left`;
    // `measure` gives a text's width in twips. `labelWidth` comes in as the
    // smallest label column wanted. Throws Error 6 when a width leaves the
    // 16-bit range.
    void TableColumnWidths(const std::function<int32_t(const QString&)>& measure, int16_t sectionWidth, int16_t left,
                           int16_t& labelWidth, int16_t& columnWidth) const;

private:
    friend class FieldPrivate;
    std::unique_ptr<FieldPrivate> d;
};

} // namespace quirepress
