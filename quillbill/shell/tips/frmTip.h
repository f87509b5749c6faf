// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "shell/tips/TipBook.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace quillbill {

struct AppContext;

// The tip of the day, shown at start-up while "Show Tips at Startup" is on.
class frmTip : public QDialog {
    Q_OBJECT
public:
    explicit frmTip(AppContext& app, QWidget* parent = nullptr);

    // What the window shows when the tips file is missing.
    static QString missingFileText();

    const TipBook& tipBook() const { return tips_; }

private:
    void DisplayCurrentTip();

    AppContext& app_;
    TipBook tips_;
    QLabel* lblTipText_;
    QCheckBox* chkLoadTipsAtStartup_;
    QPushButton* cmdNextTip_;
    QPushButton* cmdOK_;
};

} // namespace quillbill
