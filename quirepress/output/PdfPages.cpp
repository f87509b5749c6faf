#include "output/PdfPages.h"

#include "model/PageSpool.h"
#include "output/PainterSurface.h"
#include "output/PdfTarget.h"
#include "output/WholeFile.h"

#include <quirepress/Error.h>

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace quirepress::detail {

namespace {

[[noreturn]] void cannotWrite(const QString& path, const QString& why)
{
    throw Error(75, QStringLiteral("Quirepress.Output"),
                QStringLiteral("Path/File access error: the PDF file %1 cannot be written (%2).").arg(path, why));
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
        // At the resolution the drawings were recorded at: replayed on a
        // device of another resolution, a QPicture rescales its fonts and
        // the text would no longer fit its place. The PDF stays vector
        // drawing and text all the same.
        writer.setResolution(static_cast<int>(ScreenPage::dotsPerInch));
        // The drawings are exactly the run's page, so the paper is too.
        writer.setPageLayout(pdfPageLayout(pages.pageSize(), QPageSize::ExactMatch));
        QPainter painter(&writer);
        if (!painter.isActive())
            cannotWrite(path, QStringLiteral("the PDF writer could not start"));
        for (int number = 1; number <= pages.pageCount(); ++number) {
            if (number > 1 && !writer.newPage())
                cannotWrite(path, QStringLiteral("no new page"));
            file.check();
            // A page that cannot be read back stays blank rather than
            // shifting the pages after it.
            if (const auto drawing = pages.page(number))
                painter.drawPicture(0, 0, *drawing);
        }
        painter.end();
    }
    file.commit();
}

} // namespace quirepress::detail
