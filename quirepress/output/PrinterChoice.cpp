// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/PrinterChoice.h"
#include "model/ApplicationKind.h"

#include "model/TextMeasure.h"

#include <quirepress/Error.h>

#include <QCoreApplication>

namespace quirepress::detail {

QSize pageSizeOfPrinter(const QString& printerName, int32_t orientation)
{
    if (const PrinterModule* printers = printerModule()) {
        const QSize page = printers->printerPage(printerName, orientation);
        if (!page.isEmpty())
            return page;
    }
    return defaultPageSize(orientation);
}

std::unique_ptr<PrintJob> choosePrinter(QString& printerName, int32_t orientation, const QString& documentName)
{
    QString problem;
    const PrinterModule* printers = printerModule(&problem);
    if (!printers)
        throw Error(48, QStringLiteral("Quirepress.Printer"),
                    QCoreApplication::translate("quirepress::detail::PrinterChoice",
                                                "Error in loading DLL: the print support cannot be loaded (%1).")
                        .arg(problem));
    if (std::unique_ptr<PrintJob> job = printers->jobOn(printerName, orientation, documentName))
        return job;
    if (!windowsAvailable())
        throw Error(5, QStringLiteral("Quirepress.Printer"),
                    QStringLiteral("Invalid procedure call or argument: the printer \"%1\" is not installed, and a "
                                   "program without windows cannot ask the user for another.")
                        .arg(printerName));
    std::unique_ptr<PrintJob> job = printers->jobFromDialog(orientation, documentName);
    if (job)
        printerName = job->printerName();
    return job;
}

} // namespace quirepress::detail
