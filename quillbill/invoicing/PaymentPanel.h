// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/invoices/Payments.h"

#include <QDate>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace quillbill {

struct AppContext;

// The payments part of the reprint window's payment group: the selected
// invoice's balance and payments (ListView3), a payment of an amount
// (txtPaymentAmount) by a means (cboPaymentMethod) recorded by
// cmdRecordPayment on the group's date, and a payment recorded by mistake
// reversed by cmdReversePayment.
class PaymentPanel : public QWidget {
    Q_OBJECT
public:
    // `paymentDate` gives the date the group's box holds: null when empty,
    // nullopt when it holds what is not a date, which it has told the user.
    PaymentPanel(AppContext& app, std::function<std::optional<QDate>()> paymentDate, QWidget* parent = nullptr);

    // Shows the invoice's balance and payments; nothing for none.
    void showInvoice(std::optional<int32_t> customerId, int32_t invoiceId = 0);

signals:
    // A payment was recorded or reversed: the invoice's Paid may follow.
    void paymentsChanged(int32_t customerId, int32_t invoiceId);

private:
    void recordPayment();
    void reversePayment();
    void showSelectedPayment();

    AppContext& app_;
    std::function<std::optional<QDate>()> paymentDate_;
    std::optional<int32_t> customerId_;
    int32_t invoiceId_ = 0;
    std::vector<Payment> payments_;

    QLabel* lblBalance_;
    QTreeWidget* ListView3_;
    QLineEdit* txtPaymentAmount_;
    QComboBox* cboPaymentMethod_;
    QPushButton* cmdRecordPayment_;
    QPushButton* cmdReversePayment_;
};

} // namespace quillbill
