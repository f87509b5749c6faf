// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PainterSurface.h"
#include "output/PageTarget.h"

#include <QPrinter>

#include <memory>
#include <optional>

namespace quirepress::detail {

// The printer target: pages are drawn straight onto the print job, with
// the same page surface code as the screen page. The job starts with the
// first drawing and is sent when the run ends.
class PrinterTarget : public PageTarget {
public:
    // `printer` is chosen and set up; the job is named `documentName`.
    PrinterTarget(std::unique_ptr<QPrinter> printer, const QString& documentName);
    ~PrinterTarget() override;

    PageSurface& surface() override;
    QSize pageSize() const override { return size_; }
    void ejectPage(int16_t finishedPage) override;
    void finish(int16_t lastPage) override;
    void cancel() override;

private:
    std::unique_ptr<QPrinter> printer_;
    QSize size_;
    std::optional<PainterSurface> surface_;
};

// The size of `printer`'s paper in twips, in its current orientation.
QSize printerPageSize(const QPrinter& printer);

} // namespace quirepress::detail
