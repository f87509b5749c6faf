#include "output/ScreenTarget.h"

#include "model/PageImages.h"

#include <QFile>

#include <algorithm>

namespace quirepress::detail {

ScreenTarget::ScreenTarget(QSize size, QString temporaryFolder, QString baseName)
    : size_(size), temporaryFolder_(std::move(temporaryFolder)), baseName_(std::move(baseName)),
      page_(size.width(), size.height())
{
    surface_.emplace(&page_.image(), ScreenPage::dotsPerInch);
}

const QImage& ScreenTarget::page()
{
    // Whatever the painter holds back reaches the image when it ends.
    surface_.reset();
    surface_.emplace(&page_.image(), ScreenPage::dotsPerInch);
    return page_.image();
}

void ScreenTarget::savePage(int16_t number)
{
    surface_.reset();
    savePageImage(page_.image(), pageImagePath(temporaryFolder_, baseName_, number));
    savedPages_ = std::max(savedPages_, number);
}

void ScreenTarget::cancel()
{
    for (int16_t page = 1; page <= savedPages_; ++page)
        QFile::remove(pageImagePath(temporaryFolder_, baseName_, page));
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
