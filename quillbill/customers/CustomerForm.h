// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/customers/Customer.h"

#include <QWidget>

class QGridLayout;
class QLineEdit;

namespace quillbill {

// The labelled customer boxes that the add and review windows share, with
// their typing filters, the required marks and the note that explains them.
class CustomerForm : public QWidget {
    Q_OBJECT
public:
    // `billingCodeEditable`: false in the review window, where a customer's
    // billing code is shown but never changed.
    explicit CustomerForm(bool billingCodeEditable, QWidget* parent = nullptr);

    // Puts every field of `customer` into its box.
    void display(const Customer& customer);
    // The boxes' text as typed; the id is left 0 for the caller to set.
    Customer entered() const;

private:
    QLineEdit* addBox(QGridLayout* grid, const char* name, const QString& label, bool required,
                      const QString& hint = {});
    static void limitTyping(QLineEdit* box, int length);

    QLineEdit* txtCompany_;
    QLineEdit* txtAddress_;
    QLineEdit* txtCity_;
    QLineEdit* txtProv_;
    QLineEdit* txtPostal_;
    QLineEdit* txtPhone_;
    QLineEdit* txtFax_;
    QLineEdit* txtBillCode_;
};

} // namespace quillbill
