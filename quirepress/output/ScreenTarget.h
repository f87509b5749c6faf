// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/FontCache.h"
#include "drawing/PageSteps.h"
#include "drawing/PageTarget.h"

namespace quirepress::detail {

class PageSpool;

// The screen target: each page is recorded as the steps that draw it, with
// text measured as on the printer, and every finished page is kept in the
// report's page spool, where the preview window reads it.
class ScreenTarget : public PageTarget {
public:
    // A page `size` twips large; the pages go to `pages`, which outlives
    // the target (the preview goes on showing them after the run).
    ScreenTarget(QSize size, PageSpool& pages);

    PageSurface& surface() override { return surface_; }
    QSize pageSize() const override { return size_; }
    void ejectPage(int16_t finishedPage) override;
    void finish(int16_t lastPage) override;
    // Drops the pages the run has kept.
    void cancel() override;

private:
    void savePage(int16_t number);

    QSize size_;
    FontCache fonts_;
    RecordingSurface surface_{fonts_};
    PageSpool& pages_;
};

} // namespace quirepress::detail
