// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "output/RunWindows.h"

namespace quirepress::detail {

// A run's windows made of Qt's widgets: frmDisplay, frmProgress and frmOutput.
class WidgetRunWindows final : public RunWindows {
public:
    std::unique_ptr<PreviewWindow> makePreview() override;
    std::unique_ptr<ProgressWindow> makeProgress() override;
    std::optional<OutputChoice> chooseTarget(const QString& reportName) override;
    bool modalWindowOpen() const override;
};

} // namespace quirepress::detail
