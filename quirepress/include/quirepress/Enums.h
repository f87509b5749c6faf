// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <cstdint>

namespace quirepress {

// Where a report run sends its pages. The values are stored in report
// settings and passed between programs; they never change.
enum OutputOptions : int32_t {
    cOutputToUnknown = 0,
    cOutputToScreen = 1,
    cOutputToPrinter = 2,
    cOutputToTextFile = 3,
    cOutputToHTMLFile = 4,
    cOutputToCSVFile = 5,
    cOutputToEmailText = 6,
    cOutputToEmailHTML = 7,
    cOutputToEmailCSV = 8,
    // The pages as the printer would have them, in a PDF file.
    cOutputToPDFFile = 9,
};

// Horizontal alignment of a field's text within the field.
enum Justifications : int32_t {
    cJustificationLeft = 0,
    cJustificationRight = 1,
    cJustificationCentre = 2,
};

// The kind of item a field prints. No kind has the value 0.
enum FieldTypes : int32_t {
    cFieldText = 1,
    cFieldNumeric = 2,
    cFieldSquare = 3,
    cFieldPicture = 4,
    cFieldTable = 5,
};

} // namespace quirepress
