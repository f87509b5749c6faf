// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/PrinterTarget.h"

#include <quirepress/Error.h>

#include <QCoreApplication>

namespace quirepress::detail {

PrinterTarget::PrinterTarget(std::unique_ptr<PrintJob> job) : job_(std::move(job)), size_(job_->pageSize()) {}

PageSurface& PrinterTarget::surface()
{
    PageSurface* surface = job_->surface();
    if (!surface)
        throw Error(482, QStringLiteral("Quirepress.Printer"),
                    QCoreApplication::translate("quirepress::detail::PrinterTarget",
                                                "Printer error: the printer %1 cannot be used.")
                        .arg(job_->printerName()));
    return *surface;
}

void PrinterTarget::ejectPage(int16_t finishedPage)
{
    (void)finishedPage;
    surface();
    if (!job_->newPage())
        throw Error(482, QStringLiteral("Quirepress.Printer"),
                    //: %1 is the printer's name
                    QCoreApplication::translate("quirepress::detail::PrinterTarget",
                                                "Printer error: %1 did not take a new page.")
                        .arg(job_->printerName()));
}

void PrinterTarget::finish(int16_t lastPage)
{
    (void)lastPage;
    // A run with nothing drawn still sends its one empty page, as paper
    // shows a report without lines.
    surface();
    job_->end();
}

void PrinterTarget::cancel() { job_->abort(); }

} // namespace quirepress::detail
