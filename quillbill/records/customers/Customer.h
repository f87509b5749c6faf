// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QSqlRecord>
#include <QString>

#include <cstdint>

namespace quillbill {

// One row of TblCustomer.
struct Customer {
    int32_t id = 0; // CustomerID; 0 until the database has assigned one
    QString company;
    QString address;
    QString city;
    QString prov;
    QString postal;
    QString phone;
    QString fax;
    QString billingCode;
    // Hidden customers keep their invoices but are not offered for new ones.
    bool hidden = false;
    // Every column of the row as last read or written: a save writes only
    // while the row still holds these.
    QSqlRecord asRead{};
};

// The customer's name as lists show it: a hidden customer's name says so.
QString listedName(const Customer& customer);

// Puts a phone or fax entry into the pattern "(###) ###-####": its digits fill
// the # places from the right, and places left over at the left stay empty;
// an area code left wholly empty is dropped, so seven digits give
// "555-1234". Digits beyond ten go in front of the
// first place. An empty entry stays empty, and an entry that is not all
// digits (pasted text) is kept as it is rather than losing its characters.
QString formatPhoneNumber(const QString& entry);

} // namespace quillbill
