// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quirepress::detail {

class PageSpool;

// Writes the pages kept in `pages` to the PDF file `path` from their
// drawings, one PDF page per page, at the run's page size and orientation,
// with `title` as the document's title. Nothing of the report runs again.
// Error 75 when the file cannot be written.
void writePagesAsPdf(const PageSpool& pages, const QString& title, const QString& path);

} // namespace quirepress::detail
