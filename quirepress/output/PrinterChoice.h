// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "drawing/PrinterModule.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

namespace quirepress::detail {

// The job of a printer run, named `documentName`: on the installed printer
// whose name is exactly `printerName`, or else on the one the user picks in
// the print dialog (its name then goes back into `printerName`, so the next
// run needs no dialog). An orientation of 1 (portrait) or 2 (landscape) is
// set on it. Null when the user cancels the dialog; Error 48 when the print
// module cannot be loaded.
std::unique_ptr<PrintJob> choosePrinter(QString& printerName, int32_t orientation, const QString& documentName);
// The page in twips that a printer run for `printerName` will have, in
// `orientation`: that installed printer's, or, when there is none of that
// name (the run will ask for one), the default printer's page.
QSize pageSizeOfPrinter(const QString& printerName, int32_t orientation);

} // namespace quirepress::detail
