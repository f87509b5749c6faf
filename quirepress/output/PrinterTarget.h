// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PageTarget.h"
#include "drawing/PrinterModule.h"

#include <memory>

namespace quirepress::detail {

// The printer target: pages are drawn straight onto the print job, with
// the same page surface code as the screen page. The job starts with the
// first drawing and is sent when the run ends.
class PrinterTarget : public PageTarget {
public:
    explicit PrinterTarget(std::unique_ptr<PrintJob> job);

    PageSurface& surface() override;
    QSize pageSize() const override { return size_; }
    void ejectPage(int16_t finishedPage) override;
    void finish(int16_t lastPage) override;
    void cancel() override;

private:
    std::unique_ptr<PrintJob> job_;
    QSize size_;
};

} // namespace quirepress::detail
