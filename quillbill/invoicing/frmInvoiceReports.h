// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"
#include "records/invoices/InvoiceReportQuery.h"

#include <memory>

class QCalendarWidget;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace quillbill {

struct AppContext;
class clsGroup;

// The invoice report window: a date range, one company or all, and a paid
// filter; "Create Report" previews the matching jobs grouped by company.
// The choices stay as they are between reports.
class frmInvoiceReports : public ChildWindow {
    Q_OBJECT
public:
    explicit frmInvoiceReports(AppContext& app, QWidget* parent = nullptr);
    ~frmInvoiceReports() override;

    // The driver of the last report, whose preview may still be open;
    // null before the first.
    clsGroup* lastReport() const { return report_.get(); }

private:
    void fillCompanies();
    void refuseFutureDate(QCalendarWidget* calendar);
    void allCompanies();
    InvoiceReportChoices choices() const;
    void createReport();

    AppContext& app_;
    // Kept so that the report's preview stays open with the window.
    std::unique_ptr<clsGroup> report_;

    QCalendarWidget* calFrom_;
    QCalendarWidget* calTo_;
    QComboBox* cmbCustomerID_;
    QPushButton* cmdAllCompanies_;
    QRadioButton* optPaid_;
    QRadioButton* optNotPaid_;
    QRadioButton* optBoth_;
    QPushButton* cmdCreateRpt_;
    QPushButton* cmdClose_;
};

} // namespace quillbill
