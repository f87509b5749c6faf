#include "output/PdfTarget.h"

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>

#include <cmath>

namespace quirepress::detail {

namespace {

constexpr double twipsPerPoint = 20.0;

} // namespace

QPageLayout pdfPageLayout(QSize pageTwips, QPageSize::SizeMatchPolicy match)
{
    const bool landscape = pageTwips.width() > pageTwips.height();
    const QSize portrait = landscape ? pageTwips.transposed() : pageTwips;
    const QPageSize paper(QSizeF(portrait.width() / twipsPerPoint, portrait.height() / twipsPerPoint), QPageSize::Point,
                          QString(), match);
    return QPageLayout(paper, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

PdfTarget::PdfTarget(const QString& path, QSize pageSize, const QString& title) : file_(path), writer_(&file_)
{
    file_.start();
    writer_.setPageLayout(pdfPageLayout(pageSize, QPageSize::FuzzyMatch));
    writer_.setTitle(title);
    writer_.setCreator(QStringLiteral("Quirepress"));
    const QRectF paper = writer_.pageLayout().fullRectPoints();
    size_ = QSize(static_cast<int>(std::lround(paper.width() * twipsPerPoint)),
                  static_cast<int>(std::lround(paper.height() * twipsPerPoint)));
}

// A run abandoned without EndReport leaves no half-written file: the
// WholeFile goes without its commit.
PdfTarget::~PdfTarget() { surface_.reset(); }

void PdfTarget::fail(const QString& description)
{
    cancel();
    throw Error(75, QStringLiteral("Quirepress.Output"), description.arg(file_.path()));
}

PageSurface& PdfTarget::surface()
{
    if (!surface_) {
        surface_.emplace(&writer_, writer_.resolution());
        if (!surface_->isActive())
            fail(QCoreApplication::translate("quirepress::detail::PdfTarget",
                                             "Path/File access error: the PDF writer cannot start on %1"));
    }
    return *surface_;
}

void PdfTarget::ejectPage(int16_t finishedPage)
{
    (void)finishedPage;
    surface();
    if (!writer_.newPage())
        fail(QCoreApplication::translate("quirepress::detail::PdfTarget",
                                         "Path/File access error: cannot add a page to %1"));
    // A full disk ends the run at the page it struck, not after all of them.
    file_.check();
}

void PdfTarget::finish(int16_t lastPage)
{
    (void)lastPage;
    // A run with nothing drawn still has its one empty page, as the
    // printer's would.
    surface();
    // Ending the painter writes the document's end.
    surface_.reset();
    file_.commit();
}

void PdfTarget::cancel()
{
    surface_.reset();
    file_.discard();
}

} // namespace quirepress::detail
