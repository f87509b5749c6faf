// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/company/MyCompanyRecord.h"

#include "common/TaxRate.h"
#include "records/Database.h"

#include <QLocale>

#include <QSqlQuery>
#include <QSqlRecord>

namespace quillbill {

std::optional<MyCompany> MyCompanyRecord::load() const
{
    // The row id first, then every column, so that a save can check the whole
    // row is still as read.
    const auto row = database_.firstRow("SELECT rowid, * FROM TblMyCompanyInfo ORDER BY rowid LIMIT 1");
    if (!row)
        return std::nullopt;
    MyCompany company;
    company.rowId = row->value(0).toLongLong();
    company.companyName = row->value("CompanyName").toString();
    company.address = row->value("Address").toString();
    company.city = row->value("City").toString();
    company.prov = row->value("Prov").toString();
    company.postalCode = row->value("PostalCode").toString();
    company.phone = row->value("Phone").toString();
    company.cell = row->value("Cell").toString();
    company.email = row->value("email").toString();
    company.vendor = row->value("vendor").toString();
    company.gst = TaxRate{row->value("GSTRate").toLongLong()}.text(QLocale());
    company.pst = TaxRate{row->value("PSTRate").toLongLong()}.text(QLocale());
    company.gstNumber = row->value("GST_Number").toString();
    company.gstName = row->value("GSTName").toString();
    company.pstName = row->value("PSTName").toString();
    company.pstNumber = row->value("PSTNumber").toString();
    company.asRead = *row;
    company.asRead.remove(0);
    return company;
}

namespace {

// A rate box's text as the database keeps it, in thousandths of a per cent;
// text that is no rate goes as it is, for the database to refuse.
QVariant storedRate(const QString& typed)
{
    const auto rate = TaxRate::readTyped(typed, QLocale());
    return rate ? QVariant::fromValue(rate->thousandthsOfPercent) : QVariant(typed);
}

} // namespace

SaveOutcome MyCompanyRecord::save(MyCompany& company) const
{
    // One statement: a value the database refuses leaves the whole row as it was.
    return saveIfUnchanged(database_, "TblMyCompanyInfo", "rowid", company.rowId,
                           "CompanyName = ?, Address = ?, City = ?, Prov = ?, PostalCode = ?, Phone = ?, Cell = ?, "
                           "email = ?, vendor = ?, GSTRate = ?, PSTRate = ?, GST_Number = ?, GSTName = ?, PSTName = ?, "
                           "PSTNumber = ?",
                           {company.companyName, company.address, company.city, company.prov, company.postalCode,
                            company.phone, company.cell, company.email, company.vendor, storedRate(company.gst),
                            storedRate(company.pst), company.gstNumber, company.gstName, company.pstName,
                            company.pstNumber},
                           company.asRead);
}

} // namespace quillbill
