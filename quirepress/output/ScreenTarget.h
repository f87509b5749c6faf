#pragma once

#include "output/PageTarget.h"
#include "output/PainterSurface.h"

#include <QString>

#include <optional>

namespace quirepress::detail {

class WrittenPageImages;

// The screen target: pages are drawn on an off-screen page at screen
// resolution, and every finished page is saved as a page image in the
// temporary folder, where the preview window reads it.
class ScreenTarget : public PageTarget {
public:
    // A page `size` twips large; page images go to `temporaryFolder` under
    // `baseName`, and are remembered in `images`, which outlives the target.
    ScreenTarget(QSize size, QString temporaryFolder, QString baseName, WrittenPageImages& images);

    PageSurface& surface() override { return *surface_; }
    QSize pageSize() const override { return size_; }
    void ejectPage(int16_t finishedPage) override;
    void finish(int16_t lastPage) override;
    // Deletes the page images the run has saved.
    void cancel() override;

private:
    void savePage(int16_t number);

    QSize size_;
    QString temporaryFolder_;
    QString baseName_;
    ScreenPage page_;
    // Every page gets a surface of its own; the fonts last the run.
    FontCache fonts_;
    std::optional<PainterSurface> surface_;
    WrittenPageImages& images_;
};

} // namespace quirepress::detail
