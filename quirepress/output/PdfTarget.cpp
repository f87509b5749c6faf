// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

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

PdfTarget::PdfTarget(const QString& path, QSize pageSize, const QString& title) : file_(path), title_(title)
{
    file_.start();
    // A size within a few points of a standard paper's is that paper's.
    const QRectF paper = pdfPageLayout(pageSize, QPageSize::FuzzyMatch).fullRectPoints();
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
        surface_ = makePdfSurface(&file_, size_);
        surface_->setTitle(title_);
        surface_->setCreator(QStringLiteral("Quirepress"));
        surface_->beginPage(size_);
        if (surface_->failed())
            fail(QCoreApplication::translate("quirepress::detail::PdfTarget",
                                             "Path/File access error: the PDF writer cannot start on %1"));
    }
    return *surface_;
}

void PdfTarget::ejectPage(int16_t finishedPage)
{
    (void)finishedPage;
    surface();
    // Writes the finished page: a full disk ends the run at the page it
    // struck, not after all of them.
    surface_->endPage();
    file_.check();
    if (surface_->failed())
        fail(QCoreApplication::translate("quirepress::detail::PdfTarget",
                                         "Path/File access error: cannot add a page to %1"));
    surface_->beginPage(size_);
}

void PdfTarget::finish(int16_t lastPage)
{
    (void)lastPage;
    // A run with nothing drawn still has its one empty page, as the
    // printer's would.
    surface();
    const bool written = surface_->finish();
    file_.check();
    if (!written)
        fail(QCoreApplication::translate("quirepress::detail::PdfTarget",
                                         "Path/File access error: cannot add a page to %1"));
    surface_.reset();
    file_.commit();
}

void PdfTarget::cancel()
{
    surface_.reset();
    file_.discard();
}

} // namespace quirepress::detail
