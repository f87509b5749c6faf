#pragma once

#include "records/invoices/Payments.h"

#include <QString>

namespace quillbill {

// How a payment came in, as the windows name it: "Cheque", "Transfer".
QString paymentMethodName(PaymentMethod method);

} // namespace quillbill
