// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/GuardedSave.h"

#include <QSqlRecord>
#include <QString>

#include <optional>

namespace quillbill {

class Database;

// The office's own company: the one row of TblMyCompanyInfo, as the
// own-company window shows it. The two tax rates are held as the text of
// their boxes, in the user's language ("9,975" in French); the database
// keeps them in thousandths of a per cent and refuses text that is no rate
// from 0 to 100 with at most three decimals.
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
    // The taxes' names as the invoice prints them ("HST", "QST"; none for
    // a second tax not charged) and the provincial registration number.
    QString gstName = QStringLiteral("GST");
    QString pstName = QStringLiteral("PST");
    QString pstNumber{};
    // Which row, and every column of it as last read or written: a save
    // writes only while the row still holds these.
    qint64 rowId = 0;
    QSqlRecord asRead{};
};

class MyCompanyRecord {
public:
    explicit MyCompanyRecord(const Database& database) : database_(database) {}

    // The row, or nullopt when the table has none.
    std::optional<MyCompany> load() const;
    // Saves every column of the row `company.rowId`, all or nothing, only
    // while it still holds what `company.asRead` holds, which then becomes
    // the row as written; otherwise writes nothing and says whether the row
    // was changed or deleted by someone else.
    SaveOutcome save(MyCompany& company) const;

private:
    const Database& database_;
};

} // namespace quillbill
