// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/PaymentPanel.h"

#include "app/AppContext.h"
#include "app/FailureMessage.h"
#include "common/Controls.h"
#include "common/DateText.h"
#include "common/ProgramInfo.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/PaymentText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillbill {

namespace {

constexpr PaymentMethod methods[] = {PaymentMethod::Cheque, PaymentMethod::Cash, PaymentMethod::Transfer,
                                     PaymentMethod::Card, PaymentMethod::Other};

QString shown(Money amount) { return dollars(fromTenThousandths(amount.units()), QLocale()); }

} // namespace

PaymentPanel::PaymentPanel(AppContext& app, std::function<std::optional<QDate>()> paymentDate, QWidget* parent)
    : QWidget(parent),
      app_(app),
      paymentDate_(std::move(paymentDate)),
      lblBalance_(makeLabel("lblBalance", {})),
      ListView3_(new QTreeWidget),
      txtPaymentAmount_(makeTextBox("txtPaymentAmount")),
      cboPaymentMethod_(new QComboBox),
      cmdRecordPayment_(makeButton("cmdRecordPayment", tr("Record Payment"))),
      cmdReversePayment_(makeButton("cmdReversePayment", tr("Reverse Payment")))
{
    lblBalance_->setWordWrap(true);
    ListView3_->setObjectName("ListView3");
    ListView3_->setAccessibleName(tr("Payments of the selected invoice"));
    ListView3_->setHeaderLabels({tr("Date"), tr("Amount"),
                                 //: Column heading: how the payment came in (cheque, cash...).
                                 tr("Method"),
                                 //: Column heading: the user who recorded the payment.
                                 tr("By")});
    ListView3_->setRootIsDecorated(false);
    ListView3_->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView3_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    txtPaymentAmount_->setAccessibleName(tr("Payment amount"));
    txtPaymentAmount_->setMaxLength(20);
    cboPaymentMethod_->setObjectName("cboPaymentMethod");
    cboPaymentMethod_->setAccessibleName(tr("Paid by"));
    for (const PaymentMethod method : methods)
        cboPaymentMethod_->addItem(paymentMethodName(method), static_cast<int>(method));
    cmdReversePayment_->setEnabled(false);
    cmdReversePayment_->setToolTip(tr("Take back the selected payment, recorded by mistake"));

    auto* form = new QFormLayout;
    auto* amountLabel = new QLabel(tr("A&mount"));
    amountLabel->setBuddy(txtPaymentAmount_);
    form->addRow(amountLabel, txtPaymentAmount_);
    auto* methodLabel = new QLabel(tr("Paid &by"));
    methodLabel->setBuddy(cboPaymentMethod_);
    form->addRow(methodLabel, cboPaymentMethod_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblBalance_);
    layout->addLayout(form);
    layout->addWidget(cmdRecordPayment_);
    layout->addWidget(ListView3_, 1);
    layout->addWidget(cmdReversePayment_);

    connect(cmdRecordPayment_, &QPushButton::clicked, this, &PaymentPanel::recordPayment);
    connect(cmdReversePayment_, &QPushButton::clicked, this, &PaymentPanel::reversePayment);
    connect(ListView3_, &QTreeWidget::currentItemChanged, this, &PaymentPanel::showSelectedPayment);
}

void PaymentPanel::showInvoice(std::optional<int32_t> customerId, int32_t invoiceId)
{
    customerId_ = customerId;
    invoiceId_ = invoiceId;
    payments_.clear();
    ListView3_->clear();
    lblBalance_->clear();
    cmdReversePayment_->setEnabled(false);
    if (!customerId_)
        return;
    const Payments records(app_.state.MainDatabase, app_.state.CurrentUser);
    InvoiceBalance balance;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] {
            balance = records.balanceOf(*customerId_, invoiceId_);
            payments_ = records.paymentsOf(*customerId_, invoiceId_);
        })) {
        customerId_.reset();
        return;
    }
    lblBalance_->setText(
        tr("With taxes %1, paid %2, owed %3").arg(shown(balance.billed), shown(balance.paid), shown(balance.owed())));
    const QLocale locale;
    for (const Payment& payment : payments_) {
        auto* item = new QTreeWidgetItem(ListView3_,
                                         {dateText(payment.paidOn, locale), shown(payment.amount),
                                          payment.reverses ? tr("Reversal") : paymentMethodName(payment.method),
                                          payment.recordedBy});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (payment.reversed) {
            QFont struck = item->font(1);
            struck.setStrikeOut(true);
            item->setFont(1, struck);
        }
    }
    for (int column = 0; column < ListView3_->columnCount(); ++column)
        ListView3_->resizeColumnToContents(column);
}

void PaymentPanel::showSelectedPayment()
{
    const int row = ListView3_->currentIndex().row();
    const bool reversible = row >= 0 && static_cast<size_t>(row) < payments_.size()
        && !payments_[static_cast<size_t>(row)].reverses && !payments_[static_cast<size_t>(row)].reversed;
    cmdReversePayment_->setEnabled(reversible);
}

void PaymentPanel::recordPayment()
{
    if (!customerId_)
        return;
    const std::optional<Money> amount = Money::readTyped(txtPaymentAmount_->text(), QLocale());
    if (!amount || amount->units() <= 0) {
        app_.messages.warn(this, tr("Please enter the amount paid, in dollars and cents."), ProgramInfo::title);
        txtPaymentAmount_->setFocus();
        return;
    }
    const std::optional<QDate> given = paymentDate_();
    if (!given)
        return;
    const QDate paidOn = *given;
    if (!paidOn.isValid()) {
        app_.messages.warn(this, tr("Please pick the day the payment came in: click in the Date Paid box."),
                           ProgramInfo::title);
        return;
    }
    const auto method = static_cast<PaymentMethod>(cboPaymentMethod_->currentData().toInt());
    const int32_t customerId = *customerId_;
    const int32_t invoiceId = invoiceId_;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] {
            Payments(app_.state.MainDatabase, app_.state.CurrentUser)
                .record(customerId, invoiceId, *amount, paidOn, method);
        }))
        return;
    txtPaymentAmount_->clear();
    emit paymentsChanged(customerId, invoiceId);
}

void PaymentPanel::reversePayment()
{
    const int row = ListView3_->currentIndex().row();
    if (!customerId_ || row < 0 || static_cast<size_t>(row) >= payments_.size())
        return;
    const Payment payment = payments_[static_cast<size_t>(row)];
    if (!app_.messages.askYesNoDefaultNo(this,
                                         tr("Reverse the payment of %1 received on %2? A line taking it back is "
                                            "recorded; the payment itself stays in the list.")
                                             .arg(shown(payment.amount), dateText(payment.paidOn)),
                                         tr("Verify Information")))
        return;
    const int32_t customerId = *customerId_;
    const int32_t invoiceId = invoiceId_;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] {
            Payments(app_.state.MainDatabase, app_.state.CurrentUser).reverse(customerId, invoiceId, payment.paymentId);
        }))
        return;
    emit paymentsChanged(customerId, invoiceId);
}

} // namespace quillbill
