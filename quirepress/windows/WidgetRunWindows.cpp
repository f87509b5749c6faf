// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "windows/WidgetRunWindows.h"

#include "windows/frmDisplay.h"
#include "windows/frmOutput.h"
#include "windows/frmProgress.h"

#include <QApplication>

namespace quirepress::detail {

std::unique_ptr<PreviewWindow> WidgetRunWindows::makePreview() { return std::make_unique<frmDisplay>(); }

std::unique_ptr<ProgressWindow> WidgetRunWindows::makeProgress() { return std::make_unique<frmProgress>(); }

std::optional<OutputChoice> WidgetRunWindows::chooseTarget(const QString& reportName)
{
    frmOutput dialog;
    dialog.ReportName = reportName;
    dialog.exec();
    if (dialog.bCancel)
        return std::nullopt;
    return dialog.choice();
}

bool WidgetRunWindows::modalWindowOpen() const { return QApplication::activeModalWidget() != nullptr; }

} // namespace quirepress::detail
