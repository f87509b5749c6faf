#include "records/customers/CustomerRecords.h"

#include "records/Database.h"

#include <QCollator>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <numeric>

namespace quillbill {

namespace {

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
    customer.asRead = row;
    return customer;
}

// Company names as a dictionary of the user's language orders them, so that
// "école Saint-Jean" comes before "Zénith" and "Unit 9" before "Unit 10".
// Names compared equal keep the order of `customers`.
void sortByCompany(std::vector<Customer>& customers)
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
    keys.reserve(customers.size());
    for (const Customer& customer : customers)
        keys.push_back(collator.sortKey(customer.company));
    std::vector<size_t> order(customers.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<Customer> sorted;
    sorted.reserve(customers.size());
    for (const size_t index : order)
        sorted.push_back(std::move(customers[index]));
    customers = std::move(sorted);
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
        const QSqlQuery insert =
            database_.execute("INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, Phone, Fax, BillingCode) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                              {customer.company, customer.address, customer.city, customer.prov, customer.postal,
                               customer.phone, customer.fax, customer.billingCode});
        id = insert.lastInsertId().toInt();
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

void CustomerRecords::remove(int32_t id) const
{
    database_.execute("DELETE FROM TblCustomer WHERE CustomerID = ?", {id});
}

} // namespace quillbill
