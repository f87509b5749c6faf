// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

class QPrinter;

namespace quirepress::detail {

// The printer of a printer run: the installed printer whose name is exactly
// `printerName`, or else the one the user picks in the print dialog (its
// name then goes back into `printerName`, so the next run needs no dialog).
// An orientation of 1 (portrait) or 2 (landscape) is set on it. Null when
// the user cancels the dialog.
std::unique_ptr<QPrinter> choosePrinter(QString& printerName, int32_t orientation);

// The page in twips that a printer run for `printerName` will have, in
// `orientation`: that installed printer's, or, when there is none of that
// name (the run will ask for one), the default printer's page.
QSize pageSizeOfPrinter(const QString& printerName, int32_t orientation);

// The system print dialog for `printer`, with page ranges and selection
// turned off when `flags` asks for it (8 and 4) and `orientation` (1 or 2)
// preset. True when the user confirmed; `printer` then holds the chosen
// printer with its copies, duplex mode and orientation.
bool ShowPrinterDialog(QPrinter& printer, int32_t flags, int32_t orientation);

} // namespace quirepress::detail
