// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"

#include <QHash>

#include <cstdint>

namespace quillbill {

class Database;

// An invoice of one customer, CustomerID and InvoiceID, as one key.
inline qint64 invoiceKey(int32_t customerId, int32_t invoiceId)
{
    return (qint64(customerId) << 32) | quint32(invoiceId);
}

// What the credit notes of each credited invoice come to together, with
// their taxes, to the cent as their documents print them (negative), by
// invoiceKey(). Credit notes are few, so this reads them all. Throws
// DatabaseError.
QHash<qint64, Money> creditedTotals(const Database& database);

} // namespace quillbill
