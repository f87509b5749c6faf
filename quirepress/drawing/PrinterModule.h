// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PageSurface.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

namespace quirepress::detail {

// One job on a printer, set up to print whole pages from the paper's edge
// in twips: pages are drawn on surface(), which starts the job, and the job
// goes to the printer with end().
class PrintJob {
public:
    // A job that was started and not ended prints nothing.
    virtual ~PrintJob() = default;

    virtual QString printerName() const = 0;
    // The paper in twips, in the job's orientation.
    virtual QSize pageSize() const = 0;
    // The surface on the job, the same from the first call on; null when
    // the printer cannot be used.
    virtual PageSurface* surface() = 0;
    // False when the printer did not take a new page.
    virtual bool newPage() = 0;
    // Sends what was drawn.
    virtual void end() = 0;
    // Drops what was drawn; nothing is printed.
    virtual void abort() = 0;
};

// The system's printers, as Qt's print support reaches them. An
// orientation is 1 (portrait) or 2 (landscape); any other leaves the
// printer's own.
class PrinterModule {
public:
    // The default printer's page in twips, or that of the first printer
    // when none is the default; empty when there is no printer.
    virtual QSize defaultPrinterPage(int32_t orientation) const = 0;
    // The page of the installed printer named exactly `printerName`;
    // empty when there is none of that name.
    virtual QSize printerPage(const QString& printerName, int32_t orientation) const = 0;
    // A job on the installed printer named exactly `printerName`; null
    // when there is none of that name.
    virtual std::unique_ptr<PrintJob> jobOn(const QString& printerName, int32_t orientation,
                                            const QString& documentName) const = 0;
    // A job on the printer the user picks in the system's print dialog,
    // without page ranges or a selection to print; null when the user
    // cancels. Needs a QApplication.
    virtual std::unique_ptr<PrintJob> jobFromDialog(int32_t orientation, const QString& documentName) const = 0;

protected:
    ~PrinterModule() = default;
};

// The printers, from the engine's print module, libquirepress-print.so,
// loaded on first use: it brings Qt's print support, which a program
// would otherwise load at every start. Null when the module cannot be
// loaded; `problem` then says why.
const PrinterModule* printerModule(QString* problem = nullptr);

// The module's one exported function, which printerModule() calls.
using PrinterModuleEntry = const PrinterModule* (*)();
inline constexpr char printerModuleFile[] = "libquirepress-print.so";
inline constexpr char printerModuleEntry[] = "quirepress_printer_module";

} // namespace quirepress::detail
