#pragma once

#include <QString>

#include <optional>

namespace quillbill {

class Database;

// The office's own company: the one row of TblMyCompanyInfo, as the
// own-company window shows it. The two tax rates are held as the text of
// their boxes; the database refuses a rate that is not a whole number 0 to 9.
struct MyCompany {
    QString companyName;
    QString address;
    QString city;
    QString prov;
    QString postalCode;
    QString phone;
    QString cell;
    QString email;
    QString vendor;
    QString gst;
    QString pst;
    QString gstNumber;
};

class MyCompanyRecord {
public:
    explicit MyCompanyRecord(const Database& database) : database_(database) {}

    // The row, or nullopt when the table has none.
    std::optional<MyCompany> load() const;
    // Saves every column of the row, all or nothing. False when the table
    // has no row to save into.
    bool save(const MyCompany& company) const;

private:
    const Database& database_;
};

} // namespace quillbill
