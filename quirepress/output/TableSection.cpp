// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/TableSection.h"

#include "drawing/PageSurface.h"
#include "model/Section_p.h"
#include "output/Checked.h"
#include "output/SectionLines.h"

#include <quirepress/Error.h>
#include <quirepress/Report.h>

#include <QCoreApplication>

#include <algorithm>

namespace quirepress::detail {

namespace {

const QString tableSectionName = QStringLiteral("TableSection");
constexpr int32_t black = 0;
constexpr int32_t buttonFace = static_cast<int32_t>(0x8000000F);
// Room kept free below a table piece on its page.
constexpr int32_t pieceGap = 700;
// Capitals and descenders: the full height of a line of text.
const QString rowSample = QStringLiteral("ABCDEFPGabcdefpgq");
// A cell's text keeps this distance from its borders.
constexpr int32_t cellInset = 50;
// A piece is laid out as one field a cell: a table of 32767 rows and columns,
// which a definition file may ask for, would take hundreds of gigabytes.
// 32767 rows of 32 columns still go in one piece.
constexpr int64_t maxCellsInPiece = int64_t{1} << 20;

void addLine(Section& section, const QString& name, int32_t left, int32_t top, int32_t width, int32_t height,
             int32_t colour)
{
    const std::shared_ptr<Field> line = section.AddField(name);
    line->setFieldType(cFieldSquare);
    line->setFieldBox(false);
    line->setFieldLeft(left);
    line->setFieldTop(top);
    line->setFieldWidth(width);
    line->setFieldHeight(height);
    line->setForeColour(colour);
}

// A field of the caller's section, repeated with every piece of its table.
// All that decides how it looks is copied: a box beside a table stays a box.
void copyField(Section& into, const Field& from, int32_t top)
{
    QString name = from.FieldName();
    const std::shared_ptr<Field> copy = into.AddField(name);
    copy->setValue(from.Value());
    copy->setDefault_Value(from.Default_Value());
    copy->setUnderline(from.Underline());
    copy->setSize(from.Size());
    copy->setJustification(from.Justification());
    copy->setItalics(from.Italics());
    copy->setForeColour(from.ForeColour());
    copy->setFont(from.Font());
    copy->setFieldWidth(from.FieldWidth());
    copy->setFieldHeight(from.FieldHeight());
    copy->setFieldType(from.FieldType());
    copy->setFieldBox(from.FieldBox());
    copy->setLineWidth(from.LineWidth());
    copy->setLimitSize(from.LimitSize());
    copy->setFieldTop(top);
    copy->setFieldLeft(from.FieldLeft());
    copy->setBold(from.Bold());
    copy->setBackColour(from.BackColour());
}

} // namespace

TablePiece buildTableSection(Report& report, const Section& source, int tableIndex, int16_t startRow,
                             PageSurface& measure, bool paged)
{
    const std::shared_ptr<Field> table = source.Field(tableIndex);
    TablePiece piece;
    piece.sectionName = tableSectionName;
    const std::shared_ptr<Section> section = report.AddSection(piece.sectionName);

    TextStyle style;
    style.font = table->Font();
    style.size = table->Size();
    measure.setTextStyle(style);
    const int16_t rowHeight = paged ? checked16(roundHalfEven(measure.textHeight(rowSample))) : report.GridY();

    const int16_t totalRows = table->TableNumberRows();
    const int32_t remaining = totalRows - startRow;
    int32_t rows = remaining;
    if (paged) {
        const int64_t usable = int64_t{report.PageHeight()} - report.BottomMargin() - report.TopMargin();
        if (usable - pieceGap < int64_t{rowHeight} * remaining) {
            // At least one row a piece, however small the page: a table
            // must come to an end.
            const double fitting = rowHeight > 0 ? static_cast<double>(usable - pieceGap) / rowHeight - 1 : 1;
            rows = std::clamp(roundHalfEven(fitting), 1, std::max(remaining, 1));
        }
    }
    piece.endRow = checked16(int64_t{startRow} + rows);
    if (int64_t{rows} * table->TableNumberCols() > maxCellsInPiece)
        throw Error(6, QStringLiteral("Quirepress.Output"),
                    //: %3 is the table field's name
                    QCoreApplication::translate("quirepress::detail::TableSection",
                                                "Overflow: %1 rows of %2 columns of the table %3 are more than the %4 "
                                                "cells a report lays out at once.")
                        .arg(rows)
                        .arg(table->TableNumberCols())
                        .arg(table->FieldName())
                        .arg(maxCellsInPiece));

    const int32_t tableTop = table->FieldTop();
    const int32_t tableLeft = table->FieldLeft();
    section->setWidth(checked32(int64_t{report.PageWidth()} - report.RightMargin() - report.LeftMargin()));

    int16_t firstWidth = 0;
    int16_t columnWidth = 0;
    table->TableColumnWidths([&measure](const QString& text) { return static_cast<int32_t>(measure.textWidth(text)); },
                             checked16(section->Width()), checked16(tableLeft), firstWidth, columnWidth);
    const int16_t columns = table->TableNumberCols();
    const int32_t tableWidth = checked32(firstWidth + int64_t{columnWidth} * (columns - 1));
    const int32_t pieceHeight = checked32(int64_t{rowHeight} * rows);

    for (int16_t column = 1; column <= columns; ++column) {
        const int32_t left =
            column == 1 ? tableLeft : checked32(tableLeft + firstWidth + int64_t{column - 2} * columnWidth);
        const int32_t width = column == 1 ? firstWidth : columnWidth;
        for (int32_t row = startRow + 1; row <= piece.endRow; ++row) {
            const int32_t top = checked32(tableTop + int64_t{rowHeight} * (row - 1 - startRow));
            const QString name = QStringLiteral("field%1,%2").arg(row).arg(column);
            const std::shared_ptr<Field> cell = section->AddField(name);
            cell->setFieldLeft(left);
            cell->setFieldWidth(width);
            cell->setFieldTop(top);
            cell->setFieldHeight(rowHeight);
            cell->setFieldType(cFieldText);
            cell->setValue(table->CellValue(column, static_cast<int16_t>(row)));
            cell->setBackColour(table->BackColour());
            cell->setBold(table->Bold());
            cell->setDefault_Value(table->Default_Value());
            cell->setFont(table->Font());
            cell->setForeColour(table->ForeColour());
            cell->setItalics(table->Italics());
            cell->setJustification(table->Justification());
            cell->setSize(table->Size());
            cell->setUnderline(table->Underline());

            const bool firstOfPiece = row == startRow + 1;
            if (firstOfPiece) {
                const bool blackRight = column == columns || (column == 1 && table->TableFirstColLabel());
                addLine(*section, u'r' + name, left + width, top, 0, pieceHeight, blackRight ? black : buttonFace);
            }
            if (column == 1) {
                addLine(*section, u'l' + name, left, top, 0, rowHeight, black);
                const bool blackBottom = row == totalRows || (row == 1 && table->TableFirstRowLabel());
                addLine(*section, u'b' + name, left, top + rowHeight, tableWidth, 0, blackBottom ? black : buttonFace);
            }
            if (firstOfPiece)
                addLine(*section, u't' + name, left, top, width, 0, black);

            cell->setFieldLeft(left + cellInset);
            cell->setFieldWidth(width - 2 * cellInset);
        }
    }

    // Fields below the table follow the rows of this piece, and the piece
    // reaches down far enough to hold them: else a file would run them into
    // the table's last line, and a page would put the next section over them.
    const int32_t shift = pieceHeight;
    int64_t bottom = int64_t{pieceHeight} + tableTop;
    for (int index = 1; index <= source.FieldCount(); ++index) {
        const std::shared_ptr<Field> field = source.Field(index);
        if (field->FieldType() == cFieldTable)
            continue;
        if (field->FieldTop() <= tableTop) {
            copyField(*section, *field, field->FieldTop());
            continue;
        }
        const int32_t top = checked32(int64_t{field->FieldTop()} + shift);
        copyField(*section, *field, top);
        if (!paged) {
            // The field's grid line is the section's last one at least.
            const int16_t gridY = report.GridY();
            if (gridY > 0)
                bottom = std::max(bottom, (roundHalfEven(static_cast<double>(top) / gridY) + int64_t{1}) * gridY);
        } else if (field->FieldType() == cFieldSquare || field->FieldType() == cFieldPicture) {
            bottom = std::max(bottom, int64_t{top} + std::max(0, field->FieldHeight()));
        } else {
            TextStyle text;
            text.font = field->Font();
            text.size = field->Size();
            text.bold = field->Bold();
            text.italic = field->Italics();
            text.underline = field->Underline();
            measure.setTextStyle(text);
            bottom = std::max(bottom, int64_t{top} + roundHalfEven(measure.textHeight(field->Value())));
        }
    }
    section->setHeight(checked32(bottom));
    return piece;
}

} // namespace quirepress::detail
