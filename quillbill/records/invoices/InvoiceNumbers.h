// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <cstdint>

namespace quillbill {

class Database;

// Takes the next invoice number of `billingCode` for `customerId`: checks
// that the number is free and the customer stored, and advances the
// counter. Call inside a transaction that holds the write lock, and store
// the document of that number in it, so that two programs never give one
// number twice and a number is never taken without its document. Of
// several counter rows of one code the oldest counts; the code is looked up
// without letter case. Throws InvoiceNumberError when no number can be
// given.
int32_t takeInvoiceNumber(const Database& database, const QString& billingCode, int32_t customerId);

} // namespace quillbill
