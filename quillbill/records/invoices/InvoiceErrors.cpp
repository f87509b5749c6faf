// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/invoices/InvoiceErrors.h"

#include <QObject>

namespace quillbill {

EmptyJobDescription::EmptyJobDescription() : DatabaseError(QObject::tr("A job needs a description.")) {}

InvoiceGone::InvoiceGone(int32_t customerId, int32_t invoiceId)
    : DatabaseError(QObject::tr("Invoice number %1 of customer number %2 is no longer in the database (a backup may "
                                "have been restored since it was made), so the job was not added.\nPlease make a "
                                "new invoice and enter its jobs again.")
                        .arg(invoiceId)
                        .arg(customerId))
{}

InvoiceIssued::InvoiceIssued(int32_t invoiceId)
    : DatabaseError(QObject::tr("Invoice %1 has been issued (printed, saved as PDF or e-mailed), so it stays as it "
                                "was sent and nothing was changed. To correct it, make a credit note for it.")
                        .arg(invoiceId))
{}

} // namespace quillbill
