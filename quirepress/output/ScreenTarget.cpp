#include "output/ScreenTarget.h"

#include "model/PageImages.h"

#include <algorithm>

namespace quirepress::detail {

ScreenTarget::ScreenTarget(QSize size, QString temporaryFolder, QString baseName)
    : size_(size), temporaryFolder_(std::move(temporaryFolder)), baseName_(std::move(baseName)),
      page_(size.width(), size.height())
{
    surface_.emplace(&page_.image(), ScreenPage::dotsPerInch);
}

void ScreenTarget::savePage(int16_t number)
{
    surface_.reset();
    savePageImage(page_.image(), pageImagePath(temporaryFolder_, baseName_, number));
    savedPages_ = std::max(savedPages_, number);
}

void ScreenTarget::cancel()
{
    deletePageImages(temporaryFolder_, baseName_, savedPages_);
    savedPages_ = 0;
}

void ScreenTarget::ejectPage(int16_t finishedPage)
{
    savePage(finishedPage);
    page_.clear();
    surface_.emplace(&page_.image(), ScreenPage::dotsPerInch);
}

void ScreenTarget::finish(int16_t lastPage)
{
    savePage(lastPage);
    surface_.emplace(&page_.image(), ScreenPage::dotsPerInch);
}

} // namespace quirepress::detail
