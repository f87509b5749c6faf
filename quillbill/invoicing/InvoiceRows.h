#pragma once

#include "common/TaxRate.h"
#include "invoicing/BuildInvoiceData.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

namespace quillbill {

class Database;

// The office's company as the invoice header prints it.
struct InvoiceCompany {
    QString name;
    QString address;
    QString cityLine; // City, Prov PostalCode
    QString phone;
    QString cell;
    QString email;
    QString vendor;
    // The registration numbers of the two taxes; empty when not kept.
    QString gstNumber;
    QString pstNumber;
};

struct InvoiceJob {
    QString description;
    int64_t sums; // ten-thousandths
};

// Everything the invoice document prints of one invoice, read from the
// database for the invoice it names, never from TblBuildInvoiceData.
struct InvoiceRows {
    // Every company row, first to last (there is normally one).
    std::vector<InvoiceCompany> companies;
    // The taxes the invoice was issued with (for an invoice from before
    // they were kept, the first company row's): rates and names.
    TaxRate gst;
    TaxRate pst;
    QString gstName;
    QString pstName;
    QDate date;
    // The invoice's discount in whole percents, 0 to 100.
    int64_t discountPercent = 0;
    QString customerCompany;
    QString customerAddress;
    QString customerCityLine; // City, Prov Postal
    // In the order they were entered.
    std::vector<InvoiceJob> jobs;
};

// Throws DatabaseError when a statement fails, and std::runtime_error with a
// message for the user when there is no company row, no such invoice or
// customer, an invoice without a date, or one whose discount is not from 0
// to 100 per cent.
InvoiceRows readInvoiceRows(const Database& database, InvoiceSelection invoice);

} // namespace quillbill
