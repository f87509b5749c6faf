// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PageSurface.h"

#include <QFont>
#include <QFontMetricsF>

#include <vector>

namespace quirepress::detail {

// The fonts of one run, one per text style. A QFont made anew for every
// field is looked up in Qt's font database and finds its glyph caches cold
// each time; a report has only a few styles, so each is made once.
class FontCache {
public:
    struct Font {
        QFont font;
        QFontMetricsF metrics;
        // Tells two fonts of the cache apart without comparing their styles.
        int id;
    };

    // The font of `style` with its size in twips. The reference is valid
    // until the next call.
    const Font& fontFor(const TextStyle& style);

private:
    struct Entry {
        TextStyle style;
        Font font;
    };

    std::vector<Entry> entries_;
    size_t last_ = 0;
    int nextId_ = 0;
};

} // namespace quirepress::detail
