#include "output/ScreenTarget.h"

#include "model/PageSpool.h"

namespace quirepress::detail {

ScreenTarget::ScreenTarget(QSize size, PageSpool& pages) : size_(size), pages_(pages) { startPage(); }

void ScreenTarget::startPage()
{
    drawing_ = QPicture();
    // Recorded at the screen's resolution, so that one device dot (a thin
    // line) is one pixel at 100% and scales with the zoom like the rest.
    surface_.emplace(&drawing_, ScreenPage::dotsPerInch, &fonts_);
}

void ScreenTarget::savePage(int16_t number)
{
    // The painter must end before the drawing is complete.
    surface_.reset();
    pages_.save(number, drawing_);
}

void ScreenTarget::cancel() { pages_.clear(); }

void ScreenTarget::ejectPage(int16_t finishedPage)
{
    savePage(finishedPage);
    startPage();
}

void ScreenTarget::finish(int16_t lastPage)
{
    savePage(lastPage);
    startPage();
}

} // namespace quirepress::detail
