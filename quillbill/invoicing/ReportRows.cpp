// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/ReportRows.h"

#include "invoicing/InvoiceForms.h"
#include "records/DatabaseError.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <stdexcept>

namespace quillbill {

namespace {

constexpr int yes = -1;

// The office's taxes as its first company row names them now.
struct OfficeTaxes {
    TaxRate gst;
    TaxRate pst;
    QString gstName = QStringLiteral("GST");
    QString pstName = QStringLiteral("PST");
};

OfficeTaxes officeTaxesOf(const Database& database)
{
    OfficeTaxes taxes;
    const auto office = database.firstRow(
        QStringLiteral("SELECT GSTRate, PSTRate, GSTName, PSTName FROM TblMyCompanyInfo ORDER BY rowid LIMIT 1"));
    if (office) {
        taxes.gst = TaxRate{office->value(0).toLongLong()};
        taxes.pst = TaxRate{office->value(1).toLongLong()};
        taxes.gstName = office->value(2).toString();
        taxes.pstName = office->value(3).toString();
    }
    return taxes;
}

} // namespace

ReportRows ReportRows::read(const Database& database, const ReportStatement& statement)
{
    ReportRows read;
    const OfficeTaxes office = officeTaxesOf(database);
    QSqlQuery rows = database.execute(statement.sql, statement.values);
    const QSqlRecord columns = rows.record();
    const auto indexOf = [&columns](const char* name) { return columns.indexOf(QLatin1String(name)); };
    const int company = indexOf("Company");
    const int description = indexOf("JobDescription");
    const int sums = indexOf("Sums");
    const int customerId = indexOf("CustomerID");
    const int invoiceId = indexOf("InvoiceID");
    const int date = indexOf("Date");
    const int discountPercent = indexOf("Discount");
    const int gstRate = indexOf("GSTRate");
    const int pstRate = indexOf("PSTRate");
    const int gstName = indexOf("GSTName");
    const int pstName = indexOf("PSTName");
    const int creditFor = indexOf("CreditFor");
    const int paid = indexOf("Paid");
    const int payments = indexOf("PaymentsMade");
    const int paymentLines = indexOf("PaymentLines");
    const auto valueOf = [&rows](int column) { return column < 0 ? QVariant() : rows.value(column); };
    const auto rateOf = [&valueOf](int column, TaxRate officeRate) {
        const QVariant own = valueOf(column);
        return own.isNull() ? officeRate : TaxRate{own.toLongLong()};
    };
    const auto nameOf = [&valueOf](int column, const QString& officeName) {
        const QVariant own = valueOf(column);
        return own.isNull() ? officeName : own.toString();
    };
    while (rows.next()) {
        // The statement brings each company's rows together, and each
        // invoice's.
        const QString rowCompany = rows.value(company).toString();
        const bool newCompany = read.companies_.empty() || read.companies_.back() != rowCompany;
        if (newCompany)
            read.companies_.push_back(rowCompany);
        const QVariant rowCustomer = valueOf(customerId);
        const QVariant rowInvoice = valueOf(invoiceId);
        // Rows without the invoice's columns are an invoice per company.
        if (newCompany || read.invoices_.back().customerId != rowCustomer
            || read.invoices_.back().invoiceId != rowInvoice) {
            const int64_t discount = valueOf(discountPercent).toLongLong();
            if (discount < 0 || discount > largestDiscountPercent)
                throw std::runtime_error(
                    QCoreApplication::translate(
                        "quillbill::ReportRows",
                        "Invoice %1 of %2 has a discount of %3 per cent, which is not from 0 to 100.")
                        .arg(rowInvoice.toString(), rowCompany)
                        .arg(discount)
                        .toStdString());
            read.invoices_.push_back({rowCustomer, rowInvoice, QDate::fromString(valueOf(date).toString(), Qt::ISODate),
                                      discount, rateOf(gstRate, office.gst), rateOf(pstRate, office.pst),
                                      nameOf(gstName, office.gstName), nameOf(pstName, office.pstName),
                                      valueOf(creditFor), valueOf(paid).toInt() == yes, valueOf(payments).toLongLong(),
                                      valueOf(paymentLines).toLongLong()});
        }
        // An invoice without jobs comes as one row of null job columns.
        const QVariant job = rows.value(description);
        read.descriptions_ += job.toString();
        read.rows_.push_back({read.descriptions_.size(), rows.value(sums).toLongLong(), read.companies_.size() - 1,
                              read.invoices_.size() - 1, !job.isNull()});
    }
    // A read that fails part way ends the rows early; the report must not
    // pass for whole.
    if (rows.lastError().isValid())
        throw DatabaseError(rows.lastError().text());
    return read;
}

QString ReportRows::description(size_t row) const
{
    const qsizetype begin = row == 0 ? 0 : rows_[row - 1].descriptionEnd;
    return descriptions_.mid(begin, rows_[row].descriptionEnd - begin);
}

} // namespace quillbill
