// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "SampleInvoice.h"

#include "invoicing/WrappedText.h"

namespace quillbill::testing {

namespace {

// The column heading goes at the top of every page after the first, as the
// driver puts it there.
class PageHeadings : public quirepress::ReportEvents {
public:
    explicit PageHeadings(quirepress::Report& report) : report_(report) { report_.setEvents(this); }
    ~PageHeadings() override { report_.setEvents(nullptr); }
    PageHeadings(const PageHeadings&) = delete;
    PageHeadings& operator=(const PageHeadings&) = delete;

    void NewPage() override { report_.PrintSection(QStringLiteral("PageHeader")); }

private:
    quirepress::Report& report_;
};

// "$12,345.67": the amount form of the invoice, grouped by thousands.
QString dollars(int cents)
{
    QString whole = QString::number(cents / 100);
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, u',');
    return QStringLiteral("$%1.%2").arg(whole).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

void set(quirepress::Section& section, const char* field, const QString& value)
{
    section.Field(QString::fromLatin1(field))->setValue(value);
}

} // namespace

QString deliveredInvoiceLayout() { return QStringLiteral(QUILLBILL_INVOICE_LAYOUT); }

QList<SampleJob> sampleJobs(int count, int longAt)
{
    const QStringList kinds{QStringLiteral("Window cleaning, %1 panes"), QStringLiteral("Gutter clearing, %1 m"),
                            QStringLiteral("Pressure washing, deck %1"), QStringLiteral("Call-out, Saturday (%1)")};
    QList<SampleJob> jobs;
    for (int number = 1; number <= count; ++number) {
        QString description = kinds[number % kinds.size()].arg(number);
        if (number == longAt) {
            description = QStringLiteral("Complete exterior maintenance of the east and west wings: ");
            while (description.size() < 300)
                description += QStringLiteral("scaffold, wash, reseal and inspect every pane; ");
            description.truncate(300);
        }
        const int cents = number * number * number * 37 % 9999999;
        jobs.append({description, dollars(cents)});
    }
    return jobs;
}

void printSampleInvoice(quirepress::Report& report, const SampleInvoice& invoice)
{
    const PageHeadings headings(report);
    auto header = report.Section(QStringLiteral("header"));
    header->Clear();
    set(*header, "PrintDate", invoice.printDate);
    set(*header, "MyCompany", invoice.company);
    set(*header, "MyAddress", invoice.address);
    set(*header, "MyAddress2", invoice.address2);
    set(*header, "Phone", invoice.phone);
    set(*header, "Cell", invoice.cell);
    set(*header, "Email", invoice.email);
    set(*header, "VendorNo", invoice.vendorNo);
    set(*header, "InvoiceNo", invoice.invoiceNo);
    set(*header, "BTCompany", invoice.billCompany);
    set(*header, "BTAddress", invoice.billAddress);
    set(*header, "BTAddress2", invoice.billAddress2);
    report.PrintSection(QStringLiteral("Header"));
    report.PrintSection(QStringLiteral("PageHeader"));
    const auto detail = report.Section(QStringLiteral("detail"));
    const auto line = report.Section(QStringLiteral("DetailLine"));
    for (const SampleJob& job : invoice.jobs) {
        const QStringList lines = linesIn(report, detail->Field(QStringLiteral("JobDescription")), job.description);
        detail->Clear();
        set(*detail, "JobDescription", lines.first());
        set(*detail, "Sums", job.amount);
        report.PrintSection(QStringLiteral("Detail"));
        for (const QString& more : lines.mid(1)) {
            line->Clear();
            set(*line, "JobDescription", more);
            report.PrintSection(QStringLiteral("DetailLine"));
        }
        report.PrintSection(QStringLiteral("JobEnd"));
    }
    auto totals = report.Section(QStringLiteral("ReportFooter"));
    totals->Clear();
    set(*totals, "txtTotal", invoice.total);
    set(*totals, "txtGST", invoice.gst);
    set(*totals, "txtPST", invoice.pst);
    set(*totals, "txtGrandTotal", invoice.grandTotal);
    report.PrintSection(QStringLiteral("ReportFooter"));
    auto pageFooter = report.Section(QStringLiteral("PageFooter"));
    set(*pageFooter, "TheDate", invoice.longDate);
    set(*pageFooter, "txtInv", invoice.invoiceNo);
    report.EndReport();
}

} // namespace quillbill::testing
