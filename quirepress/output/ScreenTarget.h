#pragma once

#include "output/PageTarget.h"
#include "drawing/PainterSurface.h"

#include <QPicture>

#include <optional>

namespace quirepress::detail {

class PageSpool;

// The screen target: each page is recorded as a drawing by the same
// painter code that draws on the printer, and every finished page is kept
// in the report's page spool, where the preview window reads it.
class ScreenTarget : public PageTarget {
public:
    // A page `size` twips large; the pages go to `pages`, which outlives
    // the target (the preview goes on showing them after the run).
    ScreenTarget(QSize size, PageSpool& pages);

    PageSurface& surface() override { return *surface_; }
    QSize pageSize() const override { return size_; }
    void ejectPage(int16_t finishedPage) override;
    void finish(int16_t lastPage) override;
    // Drops the pages the run has kept.
    void cancel() override;

private:
    void savePage(int16_t number);
    void startPage();

    QSize size_;
    QPicture drawing_;
    // Every page gets a surface of its own; the fonts last the run.
    FontCache fonts_;
    std::optional<PainterSurface> surface_;
    PageSpool& pages_;
};

} // namespace quirepress::detail
