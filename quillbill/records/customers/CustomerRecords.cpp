#include "records/customers/CustomerRecords.h"

#include "records/Database.h"

#include <QSqlQuery>
#include <QSqlRecord>

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

} // namespace

std::vector<Customer> CustomerRecords::all() const
{
    std::vector<Customer> customers;
    for (const QSqlRecord& row : database_.rows(selectCustomers + " ORDER BY CustomerID"))
        customers.push_back(customerFrom(row));
    return customers;
}

std::vector<Customer> CustomerRecords::shown() const
{
    std::vector<Customer> customers;
    for (const QSqlRecord& row : database_.rows(selectCustomers + " WHERE Hidden = ? ORDER BY CustomerID", {no}))
        customers.push_back(customerFrom(row));
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
