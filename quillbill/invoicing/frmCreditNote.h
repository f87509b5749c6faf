// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "invoicing/CreditNoteMaking.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quillbill {

struct AppContext;

// The credit note window: the jobs of an issued invoice with what is left
// to credit of each, a box per job for what the credit note takes back, a
// button that takes back everything left (a void), and the reason.
class frmCreditNote : public QDialog {
    Q_OBJECT
public:
    frmCreditNote(AppContext& app, CreditNoteMaking making, QWidget* parent = nullptr);

signals:
    // The credit note of this number was made and issued.
    void creditNoteMade(int32_t creditNote);

private:
    void fillJobs();
    std::vector<QString> typedAmounts() const;
    void showTotal();
    void creditEverything();
    void makeCreditNote();

    AppContext& app_;
    CreditNoteMaking making_;

    QLabel* lblCreditInvoice_;
    QTableWidget* grdCreditJobs_;
    QLabel* lblCreditTotal_;
    QLineEdit* txtReason_;
    QPushButton* cmdCreditAll_;
    QPushButton* cmdMakeCreditNote_;
    QPushButton* cmdCancel_;
};

} // namespace quillbill
