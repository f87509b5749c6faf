#include "records/customers/CustomerRecords.h"

#include "records/Database.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace quillbill {

namespace {

const QString selectCustomers =
    QStringLiteral("SELECT CustomerID, Company, Address, City, Prov, Postal, Phone, Fax, BillingCode FROM TblCustomer");

Customer customerFrom(const QSqlRecord& row)
{
    Customer customer;
    customer.id = row.value(0).toInt();
    customer.company = row.value(1).toString();
    customer.address = row.value(2).toString();
    customer.city = row.value(3).toString();
    customer.prov = row.value(4).toString();
    customer.postal = row.value(5).toString();
    customer.phone = row.value(6).toString();
    customer.fax = row.value(7).toString();
    customer.billingCode = row.value(8).toString();
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
        database_.execute("INSERT INTO TblBillingCodes (BillCode) VALUES (?)", {customer.billingCode});
    });
    return id;
}

bool CustomerRecords::update(const Customer& customer) const
{
    const QSqlQuery query = database_.execute(
        "UPDATE TblCustomer SET Company = ?, Address = ?, City = ?, Prov = ?, Postal = ?, Phone = ?, Fax = ? "
        "WHERE CustomerID = ?",
        {customer.company, customer.address, customer.city, customer.prov, customer.postal, customer.phone,
         customer.fax, customer.id});
    return query.numRowsAffected() > 0;
}

void CustomerRecords::remove(int32_t id) const
{
    database_.execute("DELETE FROM TblCustomer WHERE CustomerID = ?", {id});
}

} // namespace quillbill
