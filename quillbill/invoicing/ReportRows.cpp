#include "invoicing/ReportRows.h"

#include "invoicing/InvoiceForms.h"
#include "records/DatabaseError.h"

#include <QObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <stdexcept>

namespace quillbill {

ReportRows ReportRows::read(const Database& database, const ReportStatement& statement)
{
    ReportRows read;
    QSqlQuery rows = database.execute(statement.sql, statement.values);
    const QSqlRecord columns = rows.record();
    const int company = columns.indexOf(QStringLiteral("Company"));
    const int description = columns.indexOf(QStringLiteral("JobDescription"));
    const int sums = columns.indexOf(QStringLiteral("Sums"));
    const int customerId = columns.indexOf(QStringLiteral("CustomerID"));
    const int invoiceId = columns.indexOf(QStringLiteral("InvoiceID"));
    const int discountPercent = columns.indexOf(QStringLiteral("Discount"));
    const int creditFor = columns.indexOf(QStringLiteral("CreditFor"));
    const auto valueOf = [&rows](int column) { return column < 0 ? QVariant() : rows.value(column); };
    while (rows.next()) {
        // The statement brings each company's rows together, and each
        // invoice's.
        const QString rowCompany = rows.value(company).toString();
        if (read.companies_.empty() || read.companies_.back() != rowCompany)
            read.companies_.push_back(rowCompany);
        const QVariant rowCustomer = valueOf(customerId);
        const QVariant rowInvoice = valueOf(invoiceId);
        if (read.invoices_.empty() || read.invoices_.back().customerId != rowCustomer
            || read.invoices_.back().invoiceId != rowInvoice) {
            const int64_t discount = valueOf(discountPercent).toLongLong();
            if (discount < 0 || discount > largestDiscountPercent)
                throw std::runtime_error(
                    QObject::tr("Invoice %1 of %2 has a discount of %3 per cent, which is not from 0 to 100.")
                        .arg(rowInvoice.toString(), rowCompany)
                        .arg(discount)
                        .toStdString());
            read.invoices_.push_back({rowCustomer, rowInvoice, discount, valueOf(creditFor)});
        }
        read.descriptions_ += rows.value(description).toString();
        read.rows_.push_back({read.descriptions_.size(), rows.value(sums).toLongLong(), read.companies_.size() - 1,
                              read.invoices_.size() - 1});
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
