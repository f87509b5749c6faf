// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "InvoiceTestData.h"

#include "records/Database.h"

#include <quirepress/quirepress.h>

#include <memory>
#include <stdexcept>

namespace quillbill::testing {

namespace {

class NoMessageBoxes final : public quirepress::MessageBoxes {
public:
    bool askYesNo(const QString&, const QString&) override { return false; }
    void inform(const QString& text, const QString&) override { throw std::runtime_error(text.toStdString()); }
};

constexpr int32_t line = 240;

std::shared_ptr<quirepress::Section> section(quirepress::Report& report, const QString& name, int32_t lines)
{
    auto added = report.AddSection(name);
    added->setHeight(lines * line);
    added->setWidth(12000);
    return added;
}

void field(quirepress::Section& section, const QString& name, int32_t row, int32_t left, const QString& text = {},
           quirepress::Justifications justification = quirepress::cJustificationLeft)
{
    auto added = section.AddField(name);
    added->setFieldTop(row * line);
    added->setFieldLeft(left);
    added->setFieldWidth(justification == quirepress::cJustificationRight ? 2000 : 6000);
    added->setFieldHeight(line);
    added->setDefault_Value(text);
    added->setJustification(justification);
}

} // namespace

void writeInvoiceLayout(const QString& path)
{
    quirepress::Report report(std::make_shared<NoMessageBoxes>());
    for (auto set : {&quirepress::Report::setTopMargin, &quirepress::Report::setBottomMargin,
                     &quirepress::Report::setLeftMargin, &quirepress::Report::setRightMargin})
        (report.*set)(720);
    report.setOrientation(1);

    const QStringList headerFields{"PrintDate", "MyCompany", "MyAddress", "MyAddress2", "Phone",     "Cell",
                                   "Email",     "VendorNo",  "InvoiceNo", "BTCompany",  "BTAddress", "BTAddress2"};
    auto header = section(report, QStringLiteral("Header"), int32_t(headerFields.size()));
    for (int row = 0; row < headerFields.size(); ++row)
        field(*header, headerFields[row], row, 0);

    auto pageHeader = section(report, QStringLiteral("PageHeader"), 2);
    field(*pageHeader, QStringLiteral("Heading"), 0, 0, pageHeaderText);
    field(*pageHeader, QStringLiteral("AmountHeading"), 0, 9000, QStringLiteral("AMOUNT"),
          quirepress::cJustificationRight);

    auto detail = section(report, QStringLiteral("Detail"), 1);
    field(*detail, QStringLiteral("JobDescription"), 0, 0);
    field(*detail, QStringLiteral("Sums"), 0, 9000, {}, quirepress::cJustificationRight);

    auto footer = section(report, QStringLiteral("ReportFooter"), 4);
    const QStringList labels{totalLabel, QStringLiteral("GST:"), QStringLiteral("PST:"),
                             QStringLiteral("Grand Total:")};
    const QStringList amounts{"txtTotal", "txtGST", "txtPST", "txtGrandTotal"};
    for (int row = 0; row < labels.size(); ++row) {
        field(*footer, QStringLiteral("Label%1").arg(row), row, 6000, labels[row]);
        field(*footer, amounts[row], row, 9000, {}, quirepress::cJustificationRight);
    }

    auto pageFooter = section(report, QStringLiteral("PageFooter"), 1);
    pageFooter->setFooter(true);
    field(*pageFooter, QStringLiteral("TheDate"), 0, 0);
    field(*pageFooter, QStringLiteral("txtInv"), 0, 9000, {}, quirepress::cJustificationRight);

    report.setReportName(path);
    if (!report.SaveReport())
        throw std::runtime_error("cannot write the invoice layout");
}

InvoiceSelection storeInvoice(const Database& database, const QString& company, int32_t invoiceId, QDate date,
                              const std::vector<StoredJob>& jobs)
{
    const int32_t customer = database
                                 .execute(QStringLiteral("INSERT INTO TblCustomer (Company, Address, City, Prov, "
                                                         "Postal, BillingCode) VALUES (?, ?, ?, ?, ?, ?)"),
                                          {company, QStringLiteral("1 Bay Street"), QStringLiteral("Toronto"),
                                           QStringLiteral("ON"), QStringLiteral("M5J 2N8"), company.left(3)})
                                 .lastInsertId()
                                 .toInt();
    database.execute(QStringLiteral("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date) VALUES (?, ?, ?)"),
                     {invoiceId, customer, date.toString(Qt::ISODate)});
    for (const StoredJob& job : jobs)
        database.execute(QStringLiteral("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) "
                                        "VALUES (?, ?, ?, ?)"),
                         {customer, invoiceId, job.description, qint64(job.sums)});
    return {invoiceId, customer};
}

} // namespace quillbill::testing
