// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "customers/frmNew.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "common/EnterKey.h"
#include "common/ProgramInfo.h"
#include "common/WindowSize.h"
#include "customers/CustomerForm.h"
#include "records/DatabaseError.h"
#include "records/customers/CustomerRecords.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

frmNew::frmNew(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::AddCustomer, parent),
      app_(app),
      form_(new CustomerForm(true)),
      cmdSave_(makeButton("cmdSave", tr("Save"))),
      cmdCancel_(makeButton("cmdCancel", tr("Close")))
{
    setObjectName("frmNew");
    setWindowTitle(tr("Add New Company"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form_);
    layout->addLayout(makeButtonRow({cmdSave_, cmdCancel_}));
    layout->addStretch();
    pressOnEnter(this, cmdSave_);
    WindowSize::remember(this, app_.options, WindowSize::widened(this));

    connect(cmdSave_, &QPushButton::clicked, this, &frmNew::save);
    connect(cmdCancel_, &QPushButton::clicked, this, &ChildWindow::closeChild);
}

void frmNew::save()
{
    Customer customer = form_->entered();
    customer.phone = formatPhoneNumber(customer.phone);
    customer.fax = formatPhoneNumber(customer.fax);
    try {
        CustomerRecords(app_.state.MainDatabase).add(customer);
    } catch (const DatabaseError& error) {
        // The database's own rules (required fields) are the check; whatever
        // it refuses, nothing was stored and the typing is kept for a retry.
        app_.messages.warn(this, saveFailureMessage(error, tr("Please check entered data.")), ProgramInfo::title);
        return;
    }
    closeChild();
}

} // namespace quillbill
