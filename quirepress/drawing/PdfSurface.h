// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PageSurface.h"

#include <QSize>
#include <QString>

#include <memory>

class QIODevice;

namespace quirepress::detail {

// A page surface that writes a PDF document, page by page: beginPage()
// with the page's size, the drawing calls, endPage(); finish() writes the
// document's end. It stops at the first failure (a write the device
// refused) and says so in failed(), which a caller checks after each page.
// Text is measured as PainterSurface measures it, so that a PDF has the
// pages of the preview and the printer.
class PdfSurface : public PageSurface {
public:
    // QPdfWriter's resolution: line widths count in its dots, so that the
    // files look as those it wrote.
    static constexpr double pdfDotsPerInch = 1200;

    // The document's title and the program that made it, in its metadata.
    virtual void setTitle(const QString& title) = 0;
    virtual void setCreator(const QString& creator) = 0;
    // Starts a page `pageTwips` large; ends the page before, when one is
    // open.
    virtual void beginPage(QSize pageTwips) = 0;
    virtual void endPage() = 0;
    // Ends the open page and writes the document's end. A document without
    // any page gets one empty page, as a printer's would. False when the
    // document could not be written whole. Without it, the surface writes
    // nothing more when it goes: the document is abandoned.
    virtual bool finish() = 0;
    virtual bool failed() const = 0;
    // What went wrong, when failed().
    virtual QString failure() const = 0;
};

// A PDF surface writing into `device` (open for writing; it outlives the
// surface), with pages `pageTwips` large unless beginPage() says otherwise
// and line widths in dots of `dotsPerInch`.
//
// The surface lives in the engine's PDF module, libquirepress-pdf.so,
// loaded on the first PDF: it brings cairo and the libraries it draws
// with, which a program would otherwise load at every start. Error 48 when
// the module cannot be loaded.
std::unique_ptr<PdfSurface> makePdfSurface(QIODevice* device, QSize pageTwips,
                                           double dotsPerInch = PdfSurface::pdfDotsPerInch);

// The module's one exported function, which makePdfSurface() calls.
using PdfSurfaceMaker = PdfSurface* (*)(QIODevice* device, QSize pageTwips, double dotsPerInch);
inline constexpr char pdfModuleFile[] = "libquirepress-pdf.so";
inline constexpr char pdfModuleEntry[] = "quirepress_make_pdf_surface";

} // namespace quirepress::detail
