#include "records/invoices/InvoiceErrors.h"

#include <QObject>

namespace quillbill {

EmptyJobDescription::EmptyJobDescription() : DatabaseError(QObject::tr("A job needs a description.")) {}

} // namespace quillbill
