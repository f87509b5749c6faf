// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <cstdint>

namespace quirepress {
class Report;
class Section;
} // namespace quirepress

namespace quirepress::detail {

class PageSurface;

// One piece of a table, laid out as the temporary section "TableSection".
struct TablePiece {
    // The name the temporary section was added under.
    QString sectionName;
    // The last table row the piece holds.
    int16_t endRow = 0;
};

// Adds to `report` the temporary section of the next piece of the table
// field at `tableIndex` (from 1) of `source`: rows `startRow` + 1 onwards,
// as many as fit on a page when `paged`, each cell a text field with its
// border lines, and a copy of the section's other fields; those below the
// table's top move down by the piece's rows, and the piece is as high as
// its lowest field needs. Text is measured on `measure`. The caller removes
// the section when the piece has been emitted.
//
// Without pages every row goes into one piece, one grid line (GridY) high:
// rows as high as their text, a little less than a line, would now and then
// share a line and run two rows of the table into one.
TablePiece buildTableSection(Report& report, const Section& source, int tableIndex, int16_t startRow,
                             PageSurface& measure, bool paged);

} // namespace quirepress::detail
