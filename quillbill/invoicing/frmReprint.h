// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"
#include "invoicing/InvoiceOutput.h"
#include "invoicing/InvoiceReprint.h"

#include <QDate>

#include <optional>
#include <vector>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace quillbill {

struct AppContext;
class PaymentPanel;

// The reprint window: a customer's invoices with their payment and status,
// the jobs and the history of the selected one, recording its payment (for
// users of level 2 and up), the invoice again on screen or by e-mail, a
// draft taken up again in the invoice window, and a credit note for an
// issued invoice (level 2 and up).
class frmReprint : public ChildWindow {
    Q_OBJECT
public:
    // The level a user needs to record payments and make credit notes.
    static constexpr int16_t paymentLevel = 2;

    explicit frmReprint(AppContext& app, QWidget* parent = nullptr);
    ~frmReprint() override;

signals:
    // The user asked to take up a draft again in the invoice window.
    void openDraftRequested(int32_t customerId, int32_t invoiceId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillCustomers();
    void chooseCustomer(int index);
    // Lists the customer's invoices and selects `select`, or the first when
    // it is not among them.
    void showInvoices(int32_t customerId, std::optional<int32_t> select = std::nullopt);
    void selectInvoice();
    const StoredInvoice* selectedInvoice() const;
    void startPickingDate();
    void pickDate(const QDate& date);
    // The date the box holds, typed or picked: null when empty; nullopt,
    // after telling the user, when what was typed is not a date, or a
    // date after today.
    std::optional<QDate> givenDate();
    void updateInvoice();
    void printInvoice();
    void emailInvoice();
    void openDraft();
    void makeCreditNote();
    // Shows whether the selected invoice can be credited, and why not.
    void showCreditable(const StoredInvoice& invoice);
    void showHistory(const StoredInvoice& invoice);

    AppContext& app_;
    InvoiceReprint records_;
    InvoiceOutput output_;
    std::optional<int32_t> customerId_;
    // The listed invoices, in the list's order, as read.
    std::vector<StoredInvoice> invoices_;
    // The date the box shows; null when it is empty.
    QDate paidDate_;

    QComboBox* cmbCustomerID_;
    QTreeWidget* ListView1_;
    QTreeWidget* ListView2_;
    QListWidget* lstHistory_;
    QGroupBox* FrameEdit_;
    QCheckBox* chkPaid_;
    QLineEdit* txtDatePaid_;
    QCalendarWidget* calDatePicker_;
    QPushButton* cmdUpdate_;
    PaymentPanel* payments_;
    QPushButton* cmdPrintInvoice_;
    QPushButton* cmdEmail_;
    QPushButton* cmdOpenDraft_;
    QPushButton* cmdCreditNote_;
    QPushButton* cmdClose_;
};

} // namespace quillbill
