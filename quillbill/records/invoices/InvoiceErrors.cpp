#include "records/invoices/InvoiceErrors.h"

#include <QObject>

namespace quillbill {

EmptyJobDescription::EmptyJobDescription() : DatabaseError(QObject::tr("A job needs a description.")) {}

InvoiceGone::InvoiceGone(int32_t customerId, int32_t invoiceId)
    : DatabaseError(QObject::tr("Invoice number %1 of customer number %2 is no longer in the database (a backup may "
                                "have been restored since it was issued), so the job was not added.\nPlease issue "
                                "a new invoice number and enter its jobs again.")
                        .arg(invoiceId)
                        .arg(customerId))
{}

} // namespace quillbill
