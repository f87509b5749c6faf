// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QSize>

#include <cstdint>
#include <optional>

namespace quirepress::detail {

// The height in twips of one line of Arial 10-point text, as the page
// surfaces measure it; 0 when text cannot be measured (no QGuiApplication).
int32_t defaultSectionHeight();

// The page of the current printer in twips, width and height swapped for
// landscape (orientation 2); 12200 by 15800 when there is no printer.
QSize defaultPageSize(int32_t orientation);

// The widths of a report's new sections, the default page's across in each
// orientation (defaultPageSize()), each asked of the printer system once,
// when a section's width is first read without having been set: a caller
// that sets every width, as a definition does, never waits for the
// printers.
class PageWidths {
public:
    int32_t forOrientation(int32_t orientation);

private:
    std::optional<int32_t> portrait_;
    std::optional<int32_t> landscape_;
};

} // namespace quirepress::detail
