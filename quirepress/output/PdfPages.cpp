// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/PdfPages.h"

#include "drawing/PageSteps.h"
#include "drawing/PainterSurface.h"
#include "drawing/PdfSurface.h"
#include "model/PageSpool.h"
#include "output/WholeFile.h"

#include <quirepress/Error.h>

#include <QCoreApplication>

namespace quirepress::detail {

namespace {

[[noreturn]] void cannotWrite(const QString& path, const QString& reason)
{
    throw Error(75, QStringLiteral("Quirepress.Output"),
                QCoreApplication::translate("quirepress::detail::PdfPages",
                                            "Path/File access error: the PDF file %1 cannot be written (%2).")
                    .arg(path, reason));
}

} // namespace

void writePagesAsPdf(const PageSpool& pages, const QString& title, const QString& path)
{
    // Written through a file of our own, so that a failing disk is seen
    // with its cause, and in its place only once whole: a failed write
    // leaves a file that was there as it was.
    WholeFile file(path);
    file.start();
    {
        // Lines as wide as the preview draws them: a dot of its page at
        // 100%.
        const std::unique_ptr<PdfSurface> pdf = makePdfSurface(&file, pages.pageSize(), ScreenPage::dotsPerInch);
        PdfSurface& surface = *pdf;
        surface.setTitle(title);
        surface.setCreator(QStringLiteral("Quirepress"));
        for (int number = 1; number <= pages.pageCount(); ++number) {
            // The drawings are exactly the run's page, so the paper is too.
            surface.beginPage(pages.pageSize());
            // A page that cannot be read back stays blank rather than
            // shifting the pages after it.
            if (const auto steps = pages.page(number))
                drawSteps(*steps, surface);
            surface.endPage();
            file.check();
            if (surface.failed())
                cannotWrite(path, surface.failure());
        }
        if (!surface.finish())
            cannotWrite(path, surface.failure());
    }
    file.check();
    file.commit();
}

} // namespace quirepress::detail
