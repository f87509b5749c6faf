// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"

#include <quirepress/quirepress.h>

#include <memory>

class QCalendarWidget;
class QPushButton;

namespace quillbill {

struct AppContext;
class clsAging;

// The aging report window: the day the report is as of, and the report on
// screen or written where the user chooses (printer, PDF, HTML, CSV).
class frmAging : public ChildWindow {
    Q_OBJECT
public:
    explicit frmAging(AppContext& app, QWidget* parent = nullptr);
    ~frmAging() override;

private:
    void makeReport(quirepress::OutputOptions target);

    AppContext& app_;
    // Kept while its preview may be open: the preview's Print runs it again.
    std::unique_ptr<clsAging> report_;

    QCalendarWidget* calAsOf_;
    QPushButton* cmdPreview_;
    QPushButton* cmdOutput_;
    QPushButton* cmdClose_;
};

} // namespace quillbill
