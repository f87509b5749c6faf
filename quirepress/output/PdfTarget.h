// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PageTarget.h"
#include "drawing/PdfSurface.h"
#include "output/WholeFile.h"
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <memory>

namespace quirepress::detail {

// The paper of a page `pageTwips` large, turned as its sides say, without
// margins: positions count from the paper's edge, as on the printer.
// `match` says whether a size within a few points of a standard one (A4,
// Letter) is named so, which lets viewers print it on that paper.
QPageLayout pdfPageLayout(QSize pageTwips, QPageSize::SizeMatchPolicy match);

// The PDF file target: the pages a printer run would print, laid out by the
// same text metrics and written by the engine's PDF surface, which is far
// quicker at it than Qt's PDF writer. The file is a WholeFile: written page
// by page beside a file of its name, which it replaces once the run ends; a
// cancelled or failed run leaves the file from before as it was and no
// piece of its own.
class PdfTarget : public PageTarget {
public:
    // Writes `path` with pages `pageSize` twips large and `title` as the
    // document's title. Throws Error 75 when the file cannot be created.
    PdfTarget(const QString& path, QSize pageSize, const QString& title);
    ~PdfTarget() override;

    PageSurface& surface() override;
    QSize pageSize() const override { return size_; }
    // Throws Error 75, naming the cause, once the file cannot be written.
    void ejectPage(int16_t finishedPage) override;
    // Writes the document's end and puts the file in place; throws Error 75
    // when the file could not be written completely.
    void finish(int16_t lastPage) override;
    void cancel() override;

private:
    // Drops the file and throws Error 75; `description` has %1 for the file.
    [[noreturn]] void fail(const QString& description);

    WholeFile file_;
    QSize size_;
    QString title_;
    std::unique_ptr<PdfSurface> surface_;
};

} // namespace quirepress::detail
