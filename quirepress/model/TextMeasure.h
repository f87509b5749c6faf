// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QSize>

#include <cstdint>

namespace quirepress::detail {

// The height in twips of one line of Arial 10-point text, as the page
// surfaces measure it; 0 when text cannot be measured (no QGuiApplication).
int32_t defaultSectionHeight();

// The page of the current printer in twips, width and height swapped for
// landscape (orientation 2); 12200 by 15800 when there is no printer.
QSize defaultPageSize(int32_t orientation);

// The width of a new section: the default printer's page width, or its
// height for landscape (orientation 2), in twips; 12200 by 15800 when there
// is no printer.
int32_t defaultSectionWidth(int32_t orientation);

} // namespace quirepress::detail
