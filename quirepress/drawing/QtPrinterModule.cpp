// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The print module: the engine's printers through Qt's print support, and
// the module's one exported function.

#include "drawing/PainterSurface.h"
#include "drawing/PrinterModule.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#include <optional>
#include <type_traits>

namespace quirepress::detail {

namespace {

void setOrientation(QPrinter& printer, int32_t orientation)
{
    if (orientation == 1)
        printer.setPageOrientation(QPageLayout::Portrait);
    else if (orientation == 2)
        printer.setPageOrientation(QPageLayout::Landscape);
}

QSize twipsOf(QSizeF points)
{
    return {static_cast<int>(std::lround(points.width() * 20.0)),
            static_cast<int>(std::lround(points.height() * 20.0))};
}

std::optional<QPrinterInfo> installed(const QString& printerName)
{
    if (!printerName.isEmpty())
        for (const QPrinterInfo& printer : QPrinterInfo::availablePrinters())
            if (printer.printerName() == printerName)
                return printer;
    return std::nullopt;
}

class QtPrintJob final : public PrintJob {
public:
    QtPrintJob(std::unique_ptr<QPrinter> printer, int32_t orientation, const QString& documentName)
        : printer_(std::move(printer))
    {
        setOrientation(*printer_, orientation);
        // Positions count from the paper's edge; the report's margins keep
        // the text within what the printer can reach.
        printer_->setFullPage(true);
        printer_->setDocName(documentName);
    }
    ~QtPrintJob() override
    {
        if (surface_)
            abort();
    }

    QString printerName() const override { return printer_->printerName(); }
    QSize pageSize() const override { return twipsOf(printer_->pageLayout().fullRectPoints().size()); }
    PageSurface* surface() override
    {
        if (!surface_) {
            surface_.emplace(printer_.get(), printer_->resolution());
            if (!surface_->isActive()) {
                surface_.reset();
                return nullptr;
            }
        }
        return &*surface_;
    }
    bool newPage() override { return printer_->newPage(); }
    void end() override { surface_.reset(); }
    void abort() override
    {
        printer_->abort();
        surface_.reset();
    }

private:
    std::unique_ptr<QPrinter> printer_;
    std::optional<PainterSurface> surface_;
};

class QtPrinterModule final : public PrinterModule {
public:
    QSize defaultPrinterPage(int32_t orientation) const override
    {
        QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull() && !QPrinterInfo::availablePrinterNames().isEmpty())
            printer = QPrinterInfo::printerInfo(QPrinterInfo::availablePrinterNames().constFirst());
        const QPageSize page = printer.isNull() ? QPageSize() : printer.defaultPageSize();
        if (!page.isValid())
            return {};
        const QSize twips = twipsOf(page.size(QPageSize::Point));
        return orientation == 2 ? twips.transposed() : twips;
    }
    QSize printerPage(const QString& printerName, int32_t orientation) const override
    {
        const std::optional<QPrinterInfo> printer = installed(printerName);
        if (!printer)
            return {};
        QPrinter setUp(*printer, QPrinter::HighResolution);
        setOrientation(setUp, orientation);
        return twipsOf(setUp.pageLayout().fullRectPoints().size());
    }
    std::unique_ptr<PrintJob> jobOn(const QString& printerName, int32_t orientation,
                                    const QString& documentName) const override
    {
        const std::optional<QPrinterInfo> printer = installed(printerName);
        if (!printer)
            return nullptr;
        return std::make_unique<QtPrintJob>(std::make_unique<QPrinter>(*printer, QPrinter::HighResolution), orientation,
                                            documentName);
    }
    std::unique_ptr<PrintJob> jobFromDialog(int32_t orientation, const QString& documentName) const override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        setOrientation(*printer, orientation);
        QPrintDialog dialog(printer.get(), QApplication::activeWindow());
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
        return std::make_unique<QtPrintJob>(std::move(printer), orientation, documentName);
    }
};

} // namespace

} // namespace quirepress::detail

extern "C" __attribute__((visibility("default"))) const quirepress::detail::PrinterModule* quirepress_printer_module()
{
    static const quirepress::detail::QtPrinterModule module;
    return &module;
}

// Checked where the engine and the module meet: the engine calls the entry
// through this type.
static_assert(std::is_same_v<decltype(&quirepress_printer_module), quirepress::detail::PrinterModuleEntry>);
