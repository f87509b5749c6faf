// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/startup/ChildWindows.h"

#include "app/AppContext.h"
#include "company/frmEdit.h"
#include "customers/frmNew.h"
#include "customers/frmRemoveCompany.h"
#include "customers/frmReviewCompany.h"
#include "invoicing/frmAddInvoice.h"
#include "invoicing/frmAging.h"
#include "invoicing/frmInvoiceReports.h"
#include "invoicing/frmStatement.h"
#include "invoicing/frmReprint.h"
#include "shell/mainwindow/frmMain.h"
#include "users/frmUsers.h"

namespace quillbill {

void registerChildWindows(frmMain& main, AppContext& app)
{
    main.registerChild(ChildKind::AddInvoice, [&app] { return new frmAddInvoice(app); });
    main.registerChild(ChildKind::InvoiceReports, [&app] { return new frmInvoiceReports(app); });
    main.registerChild(ChildKind::Statement, [&app] { return new frmStatement(app); });
    main.registerChild(ChildKind::Aging, [&app] { return new frmAging(app); });
    main.registerChild(ChildKind::EditMyCompany, [&app] { return new frmEdit(app); });
    main.registerChild(ChildKind::Reprint, [&app, &main] {
        auto* reprint = new frmReprint(app);
        // A draft is finished in the invoice window.
        QObject::connect(reprint, &frmReprint::openDraftRequested, &main,
                         [&main](int32_t customerId, int32_t invoiceId) {
                             if (auto* invoices = qobject_cast<frmAddInvoice*>(main.bringChild(ChildKind::AddInvoice)))
                                 invoices->openDraft(customerId, invoiceId);
                         });
        return reprint;
    });
    main.registerChild(ChildKind::AddCustomer, [&app] { return new frmNew(app); });
    main.registerChild(ChildKind::RemoveCustomer, [&app] { return new frmRemoveCompany(app); });
    main.registerChild(ChildKind::ReviewCustomers, [&app] { return new frmReviewCompany(app); });
    main.registerChild(ChildKind::Users, [&app] { return new frmUsers(app); });
}

} // namespace quillbill
