// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/GuardedSave.h"
#include "records/customers/Customer.h"

#include <optional>
#include <vector>

namespace quillbill {

class Database;

// A customer as a pick list offers it.
struct CustomerName {
    int32_t id = 0;
    QString company;
    bool operator==(const CustomerName&) const = default;
};

// The rows of TblCustomer and the billing-code rows that go with them.
class CustomerRecords {
public:
    explicit CustomerRecords(const Database& database) : database_(database) {}

    // Every customer, hidden ones too, alphabetically by company name in the
    // user's language (then in the order they were added): for the lists
    // that reach existing invoices (reprint, reports) and that keep
    // customers.
    std::vector<Customer> all() const;
    // The number and name of the customers offered for new work, every one
    // that is not hidden, in the same order: what a list of 100,000
    // customers can read in milliseconds.
    std::vector<CustomerName> names() const;
    std::optional<Customer> find(int32_t id) const;

    // Stores a new customer and, when its billing code is new, the code's
    // invoice number counter (a TblBillingCodes row), both or neither.
    // Customers of one code share its one counter. Returns the new
    // CustomerID.
    int32_t add(const Customer& customer) const;

    // Saves the names, address and numbers of an existing customer; its
    // billing code is not changed. Writes only while the row still holds
    // what `customer.asRead` holds, which then becomes the row as written;
    // otherwise writes nothing and says whether the row was changed or
    // deleted by someone else.
    SaveOutcome update(Customer& customer) const;

    enum class Removal {
        Removed, // the row is deleted
        HasInvoices, // nothing is deleted: the customer has invoices
        Gone, // no customer has the number (someone else removed it)
    };
    // Deletes the customer's row, unless the customer has invoices: every
    // window reaches invoices through their customer, so they would be
    // lost. The look and the delete are one transaction that holds the write
    // lock, so no other program adds an invoice in between; invoices are
    // issued under that lock too and only for a stored customer. The
    // billing-code row stays.
    Removal remove(int32_t id) const;

    // How many invoices the customer has.
    int invoiceCount(int32_t id) const;

    // Hides the customer, or shows it again. False when no customer has the
    // number.
    bool setHidden(int32_t id, bool hidden) const;

private:
    const Database& database_;
};

} // namespace quillbill
