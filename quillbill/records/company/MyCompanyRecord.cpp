#include "records/company/MyCompanyRecord.h"

#include "records/Database.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace quillbill {

std::optional<MyCompany> MyCompanyRecord::load() const
{
    const auto row = database_.firstRow(
        "SELECT CompanyName, Address, City, Prov, PostalCode, Phone, Cell, email, vendor, gst, pst, GST_Number "
        "FROM TblMyCompanyInfo ORDER BY rowid LIMIT 1");
    if (!row)
        return std::nullopt;
    MyCompany company;
    company.companyName = row->value(0).toString();
    company.address = row->value(1).toString();
    company.city = row->value(2).toString();
    company.prov = row->value(3).toString();
    company.postalCode = row->value(4).toString();
    company.phone = row->value(5).toString();
    company.cell = row->value(6).toString();
    company.email = row->value(7).toString();
    company.vendor = row->value(8).toString();
    company.gst = row->value(9).toString();
    company.pst = row->value(10).toString();
    company.gstNumber = row->value(11).toString();
    return company;
}

bool MyCompanyRecord::save(const MyCompany& company) const
{
    // One statement: a value the database refuses leaves the whole row as it was.
    const QSqlQuery query = database_.execute(
        "UPDATE TblMyCompanyInfo SET CompanyName = ?, Address = ?, City = ?, Prov = ?, PostalCode = ?, Phone = ?, "
        "Cell = ?, email = ?, vendor = ?, gst = ?, pst = ?, GST_Number = ? "
        "WHERE rowid = (SELECT rowid FROM TblMyCompanyInfo ORDER BY rowid LIMIT 1)",
        {company.companyName, company.address, company.city, company.prov, company.postalCode, company.phone,
         company.cell, company.email, company.vendor, company.gst, company.pst, company.gstNumber});
    return query.numRowsAffected() > 0;
}

} // namespace quillbill
