// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PageSurface.h"

#include <QSize>

#include <cstdint>

namespace quirepress::detail {

// Where a run with pages draws: the screen page of the preview, or the
// printer. The run lays sections out on surface(); the target decides what
// becomes of a finished page.
class PageTarget {
public:
    virtual ~PageTarget() = default;

    virtual PageSurface& surface() = 0;
    // The page's width and height in twips.
    virtual QSize pageSize() const = 0;
    // The page numbered `finishedPage` is complete; the surface starts a new,
    // empty one.
    virtual void ejectPage(int16_t finishedPage) = 0;
    // The run has ended normally with `lastPage` as its last page.
    virtual void finish(int16_t lastPage) = 0;
    // The run was cancelled: nothing of it is to be delivered.
    virtual void cancel() = 0;
};

} // namespace quirepress::detail
