// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/invoices/Payments.h"

#include <QString>

namespace quillbill {

class DocumentLanguage;

// How a payment came in, as the windows name it: "Cheque", "Transfer".
QString paymentMethodName(PaymentMethod method);
// The same in the language of a document.
QString paymentMethodName(PaymentMethod method, const DocumentLanguage& words);

} // namespace quillbill
