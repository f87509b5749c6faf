// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "customers/frmRemoveCompany.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "common/EnterKey.h"
#include "common/ProgramInfo.h"
#include "common/WindowSize.h"
#include "records/DatabaseError.h"
#include "records/customers/CustomerRecords.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

frmRemoveCompany::frmRemoveCompany(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::RemoveCustomer, parent),
      app_(app),
      cmbCustomerID_(new QComboBox),
      lblCompany_(makeLabel("lblCompany", QString())),
      lblAddress_(makeLabel("lblAddress", QString())),
      lblCity_(makeLabel("lblCity", QString())),
      lblProv_(makeLabel("lblProv", QString())),
      lblPostal_(makeLabel("lblPostal", QString())),
      cmdRemove_(makeButton("cmdRemove", tr("Remove This Company"))),
      cmdShowAgain_(makeButton("cmdShowAgain", tr("Show This Company Again"))),
      cmdClose_(makeButton("cmdClose", tr("Close")))
{
    setObjectName("frmRemoveCompany");
    setWindowTitle(tr("Remove Company"));
    cmbCustomerID_->setObjectName("cmbCustomerID");
    cmbCustomerID_->setAccessibleName(tr("Customer"));

    auto* form = new QFormLayout;
    form->addRow(tr("C&ustomer"), cmbCustomerID_);
    form->addRow(tr("Company Name:"), lblCompany_);
    form->addRow(tr("Address:"), lblAddress_);
    form->addRow(tr("City:"), lblCity_);
    form->addRow(tr("Province:"), lblProv_);
    form->addRow(tr("Postal Code:"), lblPostal_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(makeButtonRow({cmdRemove_, cmdShowAgain_, cmdClose_}));
    layout->addStretch();
    pressOnEnter(this, cmdRemove_);
    WindowSize::remember(this, app_.options, WindowSize::widened(this));

    connect(cmbCustomerID_, &QComboBox::activated, this, &frmRemoveCompany::choose);
    connect(cmdRemove_, &QPushButton::clicked, this, &frmRemoveCompany::removeCustomer);
    connect(cmdShowAgain_, &QPushButton::clicked, this, &frmRemoveCompany::showAgain);
    connect(cmdClose_, &QPushButton::clicked, this, &ChildWindow::closeChild);

    reloadList();
}

void frmRemoveCompany::reloadList()
{
    cmbCustomerID_->clear();
    try {
        for (const Customer& customer : CustomerRecords(app_.state.MainDatabase).all())
            cmbCustomerID_->addItem(listedName(customer), customer.id);
    } catch (const DatabaseError& error) {
        report(error.message());
    }
    cmbCustomerID_->setCurrentIndex(-1);
    showChosen(Customer());
}

// An empty customer clears the labels: nothing is chosen.
void frmRemoveCompany::showChosen(const Customer& customer)
{
    chosenId_ = customer.id == 0 ? std::nullopt : std::optional<int32_t>(customer.id);
    chosenHidden_ = customer.hidden;
    cmdRemove_->setEnabled(chosenId_.has_value());
    cmdShowAgain_->setEnabled(chosenId_.has_value() && customer.hidden);
    lblCompany_->setText(customer.company);
    lblAddress_->setText(customer.address);
    lblCity_->setText(customer.city);
    lblProv_->setText(customer.prov);
    lblPostal_->setText(customer.postal);
}

void frmRemoveCompany::choose(int index)
{
    if (index < 0)
        return;
    std::optional<Customer> customer;
    try {
        customer = CustomerRecords(app_.state.MainDatabase).find(cmbCustomerID_->itemData(index).toInt());
    } catch (const DatabaseError& error) {
        report(error.message());
        return;
    }
    if (!customer) {
        report(tr("This customer is no longer in the database."));
        reloadList();
        return;
    }
    showChosen(*customer);
}

void frmRemoveCompany::removeCustomer()
{
    if (!chosenId_)
        return;
    const CustomerRecords customers(app_.state.MainDatabase);
    try {
        // Asked before the question, so that the user is not asked to delete
        // what cannot be deleted; the removal looks again under the lock.
        if (const int invoices = customers.invoiceCount(*chosenId_); invoices > 0) {
            offerToHide(invoices);
            return;
        }
        if (!app_.messages.askYesNoDefaultNo(this, tr("You are about to delete a customer. Are you sure?"),
                                             tr("Verify Removal")))
            return;
        switch (customers.remove(*chosenId_)) {
        case CustomerRecords::Removal::Removed:
            break;
        case CustomerRecords::Removal::HasInvoices:
            // Another program made an invoice for it meanwhile.
            offerToHide(customers.invoiceCount(*chosenId_));
            return;
        case CustomerRecords::Removal::Gone:
            report(tr("This customer is no longer in the database."));
            break;
        }
    } catch (const DatabaseError& error) {
        report(error.message());
        return;
    }
    // Refilling the list clears the labels too: what they showed is gone.
    reloadList();
}

void frmRemoveCompany::offerToHide(int invoices)
{
    const QString company = lblCompany_->text();
    if (chosenHidden_) {
        app_.messages.inform(this,
                             tr("%1 has %n invoice(s), so it cannot be removed: the invoices would be lost from the "
                                "reprint window and the reports. It is already hidden from new invoices.",
                                nullptr, invoices)
                                 .arg(company),
                             tr("Verify Removal"));
        return;
    }
    if (!app_.messages.askYesNoDefaultNo(this,
                                         tr("%1 has %n invoice(s), so it cannot be removed: the invoices would be "
                                            "lost from the reprint window and the reports.\n\nHide it instead? A "
                                            "hidden customer is no longer offered for new invoices; its invoices "
                                            "stay, and it can be shown again here.",
                                            nullptr, invoices)
                                             .arg(company),
                                         tr("Verify Removal")))
        return;
    setChosenHidden(true);
}

void frmRemoveCompany::showAgain()
{
    if (!chosenId_ || !chosenHidden_)
        return;
    setChosenHidden(false);
}

void frmRemoveCompany::setChosenHidden(bool hidden)
{
    const int32_t id = *chosenId_;
    try {
        if (!CustomerRecords(app_.state.MainDatabase).setHidden(id, hidden)) {
            report(tr("This customer is no longer in the database."));
            reloadList();
            return;
        }
    } catch (const DatabaseError& error) {
        report(error.message());
        return;
    }
    // The list marks hidden customers: it is read again, the customer still
    // chosen in it.
    reloadList();
    cmbCustomerID_->setCurrentIndex(cmbCustomerID_->findData(id));
    choose(cmbCustomerID_->currentIndex());
}

void frmRemoveCompany::report(const QString& message) { app_.messages.warn(this, message, ProgramInfo::title); }

} // namespace quillbill
