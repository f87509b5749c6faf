// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"

#include <quirepress/quirepress.h>

#include <memory>

class QCalendarWidget;
class QComboBox;
class QPushButton;

namespace quillbill {

struct AppContext;
class clsStatement;

// The statement of account window: a customer and a period, and the
// statement on screen (from where it prints or saves as PDF) or written
// where the user chooses (printer, PDF, HTML to mail, CSV).
class frmStatement : public ChildWindow {
    Q_OBJECT
public:
    explicit frmStatement(AppContext& app, QWidget* parent = nullptr);
    ~frmStatement() override;

private:
    void fillCustomers();
    void makeStatement(quirepress::OutputOptions target);

    AppContext& app_;
    // Kept while its preview may be open: the preview's Print runs it again.
    std::unique_ptr<clsStatement> statement_;

    QComboBox* cmbCustomerID_;
    QCalendarWidget* calFrom_;
    QCalendarWidget* calTo_;
    QPushButton* cmdPreview_;
    QPushButton* cmdOutput_;
    QPushButton* cmdClose_;
};

} // namespace quillbill
