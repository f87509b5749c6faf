// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/InvoiceIssuing.h"

#include "app/AppContext.h"
#include "app/FailureMessage.h"
#include "common/ProgramInfo.h"

#include <QCoreApplication>

namespace quillbill {

bool recordIssued(AppContext& app, InvoiceSelection invoice, const InvoiceContent& shown, IssueRoute route)
{
    IssueOutcome outcome = IssueOutcome::Gone;
    if (!runShowingFailure(app.messages, ProgramInfo::title, [&] {
            outcome = IssuedInvoices(app.state.MainDatabase, app.state.CurrentUser)
                          .issue(invoice.customerId, invoice.invoiceId, shown, route);
        }))
        return false;
    switch (outcome) {
    case IssueOutcome::Issued:
    case IssueOutcome::WasIssued:
        return true;
    case IssueOutcome::ChangedMeanwhile:
        app.messages.warn(
            nullptr,
            QCoreApplication::translate("quillbill::InvoiceIssuing",
                                        "Invoice %1 was changed at another desk after this copy of it was made, so "
                                        "the copy is not the invoice and the invoice stays a draft.\nPrint or send it "
                                        "again to issue it as it is now.")
                .arg(invoice.invoiceId),
            ProgramInfo::title);
        return false;
    case IssueOutcome::Gone:
        app.messages.warn(
            nullptr,
            QCoreApplication::translate("quillbill::InvoiceIssuing",
                                        "Invoice %1 is no longer in the database (a backup may have been restored), "
                                        "so this copy of it was not recorded as issued.")
                .arg(invoice.invoiceId),
            ProgramInfo::title);
        return false;
    }
    return false;
}

} // namespace quillbill
