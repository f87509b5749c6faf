// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/PrinterTarget.h"

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QPageLayout>

#include <cmath>

namespace quirepress::detail {

QSize printerPageSize(const QPrinter& printer)
{
    const QRectF points = printer.pageLayout().fullRectPoints();
    return {static_cast<int>(std::lround(points.width() * 20.0)),
            static_cast<int>(std::lround(points.height() * 20.0))};
}

PrinterTarget::PrinterTarget(std::unique_ptr<QPrinter> printer, const QString& documentName)
    : printer_(std::move(printer))
{
    // Positions count from the paper's edge; the report's margins keep the
    // text within what the printer can reach.
    printer_->setFullPage(true);
    printer_->setDocName(documentName);
    size_ = printerPageSize(*printer_);
}

PrinterTarget::~PrinterTarget()
{
    // A run abandoned without EndReport prints nothing.
    if (surface_)
        cancel();
}

PageSurface& PrinterTarget::surface()
{
    if (!surface_) {
        surface_.emplace(printer_.get(), printer_->resolution());
        if (!surface_->isActive()) {
            surface_.reset();
            throw Error(482, QStringLiteral("Quirepress.Printer"),
                        QCoreApplication::translate("quirepress::detail::PrinterTarget",
                                                    "Printer error: the printer %1 cannot be used.")
                            .arg(printer_->printerName()));
        }
    }
    return *surface_;
}

void PrinterTarget::ejectPage(int16_t finishedPage)
{
    (void)finishedPage;
    surface();
    if (!printer_->newPage())
        throw Error(482, QStringLiteral("Quirepress.Printer"),
                    //: %1 is the printer's name
                    QCoreApplication::translate("quirepress::detail::PrinterTarget",
                                                "Printer error: %1 did not take a new page.")
                        .arg(printer_->printerName()));
}

void PrinterTarget::finish(int16_t lastPage)
{
    (void)lastPage;
    // A run with nothing drawn still sends its one empty page, as paper
    // shows a report without lines.
    surface();
    surface_.reset();
}

void PrinterTarget::cancel()
{
    printer_->abort();
    surface_.reset();
}

} // namespace quirepress::detail
