#include "output/PdfPages.h"

#include "drawing/PageSteps.h"
#include "drawing/PainterSurface.h"
#include "model/PageSpool.h"
#include "output/PdfTarget.h"
#include "output/WholeFile.h"

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace quirepress::detail {

namespace {

[[noreturn]] void cannotWrite(const QString& description)
{
    throw Error(75, QStringLiteral("Quirepress.Output"), description);
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
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Quirepress"));
        // At the preview's resolution, so that a line a dot wide there is
        // as wide here. The PDF stays vector drawing and text all the same.
        writer.setResolution(static_cast<int>(ScreenPage::dotsPerInch));
        // The drawings are exactly the run's page, so the paper is too.
        writer.setPageLayout(pdfPageLayout(pages.pageSize(), QPageSize::ExactMatch));
        FontCache fonts;
        PainterSurface surface(&writer, ScreenPage::dotsPerInch, &fonts);
        if (!surface.isActive())
            cannotWrite(
                QCoreApplication::translate(
                    "quirepress::detail::PdfPages",
                    "Path/File access error: the PDF file %1 cannot be written (the PDF writer could not start).")
                    .arg(path));
        for (int number = 1; number <= pages.pageCount(); ++number) {
            if (number > 1 && !writer.newPage())
                cannotWrite(QCoreApplication::translate("quirepress::detail::PdfPages",
                                                        "Path/File access error: the PDF file %1 cannot be written "
                                                        "(no new page).")
                                .arg(path));
            file.check();
            // A page that cannot be read back stays blank rather than
            // shifting the pages after it.
            if (const auto steps = pages.page(number))
                drawSteps(*steps, surface);
        }
    }
    file.commit();
}

} // namespace quirepress::detail
