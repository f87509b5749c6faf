// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "drawing/FontCache.h"

#include "drawing/PainterSurface.h"

namespace quirepress::detail {

namespace {
// A caller that sets a new size on every field would otherwise grow the
// cache without end; past this many styles it starts again.
constexpr size_t maximumStyles = 64;
} // namespace

const FontCache::Font& FontCache::fontFor(const TextStyle& style)
{
    // Fields of one style usually follow each other.
    if (last_ < entries_.size() && entries_[last_].style == style)
        return entries_[last_].font;
    for (size_t index = 0; index < entries_.size(); ++index) {
        if (entries_[index].style == style) {
            last_ = index;
            return entries_[index].font;
        }
    }
    if (entries_.size() >= maximumStyles)
        entries_.clear();
    const QFont font = PainterSurface::fontInTwips(style);
    entries_.push_back({style, {font, QFontMetricsF(font), nextId_++}});
    last_ = entries_.size() - 1;
    return entries_.back().font;
}

} // namespace quirepress::detail
