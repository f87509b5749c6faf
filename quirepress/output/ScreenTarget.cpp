#include "output/ScreenTarget.h"

#include "model/PageImages.h"

namespace quirepress::detail {

ScreenTarget::ScreenTarget(QSize size, QString temporaryFolder, QString baseName, WrittenPageImages& images)
    : size_(size),
      temporaryFolder_(std::move(temporaryFolder)),
      baseName_(std::move(baseName)),
      page_(size.width(), size.height()),
      images_(images)
{
    surface_.emplace(&page_.image(), ScreenPage::dotsPerInch, &fonts_);
}

void ScreenTarget::savePage(int16_t number)
{
    surface_.reset();
    images_.save(page_.image(), pageImagePath(temporaryFolder_, baseName_, number));
}

// A screen run starts by dropping the window of the one before and its
// images, so what the report has written is this run's.
void ScreenTarget::cancel() { images_.deleteAll(); }

void ScreenTarget::ejectPage(int16_t finishedPage)
{
    savePage(finishedPage);
    page_.clear();
    surface_.emplace(&page_.image(), ScreenPage::dotsPerInch, &fonts_);
}

void ScreenTarget::finish(int16_t lastPage)
{
    savePage(lastPage);
    surface_.emplace(&page_.image(), ScreenPage::dotsPerInch, &fonts_);
}

} // namespace quirepress::detail
