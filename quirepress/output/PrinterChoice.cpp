// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/PrinterChoice.h"
#include "model/ApplicationKind.h"

#include "model/TextMeasure.h"
#include "output/PrinterTarget.h"

#include <quirepress/Error.h>

#include <QApplication>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace quirepress::detail {

namespace {

constexpr int32_t noPageNumbers = 8;
constexpr int32_t noSelection = 4;

void setOrientation(QPrinter& printer, int32_t orientation)
{
    if (orientation == 1)
        printer.setPageOrientation(QPageLayout::Portrait);
    else if (orientation == 2)
        printer.setPageOrientation(QPageLayout::Landscape);
}

} // namespace

bool ShowPrinterDialog(QPrinter& printer, int32_t flags, int32_t orientation)
{
    setOrientation(printer, orientation);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, (flags & noPageNumbers) == 0);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, (flags & noSelection) == 0);
    return dialog.exec() == QDialog::Accepted;
}

QSize pageSizeOfPrinter(const QString& printerName, int32_t orientation)
{
    if (!printerName.isEmpty()) {
        for (const QPrinterInfo& installed : QPrinterInfo::availablePrinters()) {
            if (installed.printerName() == printerName) {
                QPrinter printer(installed, QPrinter::HighResolution);
                setOrientation(printer, orientation);
                return printerPageSize(printer);
            }
        }
    }
    return defaultPageSize(orientation);
}

std::unique_ptr<QPrinter> choosePrinter(QString& printerName, int32_t orientation)
{
    std::unique_ptr<QPrinter> printer;
    if (!printerName.isEmpty()) {
        for (const QPrinterInfo& installed : QPrinterInfo::availablePrinters()) {
            if (installed.printerName() == printerName) {
                printer = std::make_unique<QPrinter>(installed, QPrinter::HighResolution);
                break;
            }
        }
    }
    if (!printer) {
        if (!windowsAvailable())
            throw Error(5, QStringLiteral("Quirepress.Printer"),
                        QStringLiteral("Invalid procedure call or argument: the printer \"%1\" is not installed, and a "
                                       "program without windows cannot ask the user for another.")
                            .arg(printerName));
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!ShowPrinterDialog(*printer, noPageNumbers | noSelection, orientation))
            return nullptr;
        printerName = printer->printerName();
    }
    setOrientation(*printer, orientation);
    return printer;
}

} // namespace quirepress::detail
