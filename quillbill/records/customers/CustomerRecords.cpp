// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/customers/CustomerRecords.h"

#include "records/Database.h"
#include "records/DatabaseError.h"

#include <QCollator>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <numeric>

namespace quillbill {

namespace {

constexpr int yes = -1;
constexpr int no = 0;

// Every column, so that a save can check the whole row is still as read.
const QString selectCustomers = QStringLiteral("SELECT * FROM TblCustomer");

Customer customerFrom(const QSqlRecord& row)
{
    Customer customer;
    customer.id = row.value("CustomerID").toInt();
    customer.company = row.value("Company").toString();
    customer.address = row.value("Address").toString();
    customer.city = row.value("City").toString();
    customer.prov = row.value("Prov").toString();
    customer.postal = row.value("Postal").toString();
    customer.phone = row.value("Phone").toString();
    customer.fax = row.value("Fax").toString();
    customer.billingCode = row.value("BillingCode").toString();
    customer.hidden = row.value("Hidden").toInt() == yes;
    customer.asRead = row;
    return customer;
}

// Company names as a dictionary of the user's language orders them, so that
// "école Saint-Jean" comes before "Zénith" and "Unit 9" before "Unit 10".
// Names compared equal keep the order of `rows`.
template <typename Row>
void sortByCompany(std::vector<Row>& rows)
{
    // The "C" locale of a bare session is no language at all: it would
    // order by character codes, "Zénith" before "école".
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    // One key per name: comparing keys is far cheaper than comparing names.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (const Row& row : rows)
        keys.push_back(collator.sortKey(row.company));
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const size_t index : order)
        sorted.push_back(std::move(rows[index]));
    rows = std::move(sorted);
}

} // namespace

std::vector<Customer> CustomerRecords::all() const
{
    std::vector<Customer> customers;
    for (const QSqlRecord& row : database_.rows(selectCustomers + " ORDER BY CustomerID"))
        customers.push_back(customerFrom(row));
    sortByCompany(customers);
    return customers;
}

std::vector<CustomerName> CustomerRecords::names() const
{
    // Straight from the query: a QSqlRecord a row would cost more than the row.
    QSqlQuery rows = database_.execute(QStringLiteral("SELECT CustomerID, Company FROM TblCustomer "
                                                      "WHERE Hidden = ? ORDER BY CustomerID"),
                                       {no});
    std::vector<CustomerName> names;
    while (rows.next())
        names.push_back({rows.value(0).toInt(), rows.value(1).toString()});
    if (rows.lastError().isValid())
        throw DatabaseError(rows.lastError().text());
    sortByCompany(names);
    return names;
}

std::optional<Customer> CustomerRecords::find(int32_t id) const
{
    const auto row = database_.firstRow(selectCustomers + " WHERE CustomerID = ?", {id});
    if (!row)
        return std::nullopt;
    return customerFrom(*row);
}

int32_t CustomerRecords::add(const Customer& customer) const
{
    int32_t id = 0;
    database_.inTransaction([&] {
        id = static_cast<int32_t>(database_.insertReturningKey(
            "INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, Phone, Fax, BillingCode) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
            {customer.company, customer.address, customer.city, customer.prov, customer.postal, customer.phone,
             customer.fax, customer.billingCode},
            QStringLiteral("CustomerID")));
        // Inside the transaction, which holds the write lock: two programs
        // adding customers of one new code still make one counter. A code
        // spelt in another letter case is the same code, with its counter.
        database_.execute("INSERT INTO TblBillingCodes (BillCode) SELECT ? "
                          "WHERE NOT EXISTS (SELECT 1 FROM TblBillingCodes WHERE BillCode = ? COLLATE CASELESS)",
                          {customer.billingCode, customer.billingCode});
    });
    return id;
}

SaveOutcome CustomerRecords::update(Customer& customer) const
{
    return saveIfUnchanged(database_, "TblCustomer", "CustomerID", customer.id,
                           "Company = ?, Address = ?, City = ?, Prov = ?, Postal = ?, Phone = ?, Fax = ?",
                           {customer.company, customer.address, customer.city, customer.prov, customer.postal,
                            customer.phone, customer.fax},
                           customer.asRead);
}

CustomerRecords::Removal CustomerRecords::remove(int32_t id) const
{
    Removal removal = Removal::Gone;
    database_.inTransaction([&] {
        if (database_.firstRow("SELECT 1 FROM TblInvoice WHERE CustomerID = ? LIMIT 1", {id})) {
            removal = Removal::HasInvoices;
            return;
        }
        const QSqlQuery deleted = database_.execute("DELETE FROM TblCustomer WHERE CustomerID = ?", {id});
        removal = deleted.numRowsAffected() == 1 ? Removal::Removed : Removal::Gone;
    });
    return removal;
}

int CustomerRecords::invoiceCount(int32_t id) const
{
    return database_.firstRow("SELECT COUNT(*) FROM TblInvoice WHERE CustomerID = ?", {id})->value(0).toInt();
}

bool CustomerRecords::setHidden(int32_t id, bool hidden) const
{
    return database_.execute("UPDATE TblCustomer SET Hidden = ? WHERE CustomerID = ?", {hidden ? yes : no, id})
               .numRowsAffected()
        == 1;
}

} // namespace quillbill
