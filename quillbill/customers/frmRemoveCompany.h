// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"
#include "records/customers/Customer.h"

#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace quillbill {

struct AppContext;

// The remove window: choose a company by name, see its address, and delete
// it. Each list entry is one customer row, so two companies with one name
// are each their own entry. A customer who has invoices is not deleted: the
// window offers to hide it instead, and a hidden customer (listed as such)
// is shown again with "Show This Company Again".
class frmRemoveCompany : public ChildWindow {
    Q_OBJECT
public:
    explicit frmRemoveCompany(AppContext& app, QWidget* parent = nullptr);

private:
    void reloadList();
    void choose(int index);
    void showChosen(const Customer& customer);
    void removeCustomer();
    void offerToHide(int invoices);
    void showAgain();
    // Hides the chosen customer, or shows it again, and reads the list anew.
    void setChosenHidden(bool hidden);
    void report(const QString& message);

    AppContext& app_;
    std::optional<int32_t> chosenId_;
    bool chosenHidden_ = false;
    QComboBox* cmbCustomerID_;
    QLabel* lblCompany_;
    QLabel* lblAddress_;
    QLabel* lblCity_;
    QLabel* lblProv_;
    QLabel* lblPostal_;
    QPushButton* cmdRemove_;
    QPushButton* cmdShowAgain_;
    QPushButton* cmdClose_;
};

} // namespace quillbill
