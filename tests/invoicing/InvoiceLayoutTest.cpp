// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The delivered invoice layout: the sections and fields the invoice driver
// fills, and a page that holds them on A4 and on Letter paper.

#include "LayoutBounds.h"
#include "SampleInvoice.h"

#include <quirepress/quirepress.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace quirepress;
using namespace quillbill::testing;

namespace {

// Says no and takes note, so that a message can never block a test.
class NoMessages : public MessageBoxes {
public:
    bool askYesNo(const QString& text, const QString&) override
    {
        ADD_FAILURE() << text.toStdString();
        return false;
    }
    void inform(const QString& text, const QString&) override { ADD_FAILURE() << text.toStdString(); }
};

struct Paper {
    const char* name;
    int32_t width;
    int32_t height;
};
constexpr Paper papers[] = {{"A4", 11906, 16838}, {"Letter", 12240, 15840}};

const QStringList amountFields{QStringLiteral("Detail/Sums"),           QStringLiteral("Discount/txtDiscount"),
                               QStringLiteral("ReportFooter/txtTotal"), QStringLiteral("ReportFooter/txtGST"),
                               QStringLiteral("ReportFooter/txtPST"),   QStringLiteral("ReportFooter/txtGrandTotal")};

std::unique_ptr<Report> loadLayout()
{
    auto report = std::make_unique<Report>(std::make_shared<NoMessages>());
    EXPECT_TRUE(report->LoadReport(deliveredInvoiceLayout()));
    return report;
}

std::shared_ptr<Field> fieldAt(const Report& report, const QString& path)
{
    return report.Section(path.section(u'/', 0, 0))->Field(path.section(u'/', 1));
}

TEST(InvoiceLayoutTest, HasEverySectionAndFieldTheDriverFillsUnderItsName)
{
    const QList<std::pair<QString, QStringList>> required{
        {QStringLiteral("Header"),
         {QStringLiteral("PrintDate"), QStringLiteral("MyCompany"), QStringLiteral("MyAddress"),
          QStringLiteral("MyAddress2"), QStringLiteral("Phone"), QStringLiteral("Cell"), QStringLiteral("Email"),
          QStringLiteral("VendorNo"), QStringLiteral("InvoiceNo"), QStringLiteral("BTCompany"),
          QStringLiteral("BTAddress"), QStringLiteral("BTAddress2")}},
        {QStringLiteral("PageHeader"), {}},
        {QStringLiteral("Detail"), {QStringLiteral("JobDescription"), QStringLiteral("Sums")}},
        {QStringLiteral("Discount"), {QStringLiteral("lblDiscount"), QStringLiteral("txtDiscount")}},
        {QStringLiteral("ReportFooter"),
         {QStringLiteral("txtTotal"), QStringLiteral("txtGST"), QStringLiteral("txtPST"),
          QStringLiteral("txtGrandTotal")}},
        {QStringLiteral("PageFooter"), {QStringLiteral("TheDate"), QStringLiteral("txtInv")}}};
    const auto report = loadLayout();
    for (const auto& [name, fields] : required) {
        SCOPED_TRACE(name.toStdString());
        // The driver takes sections in lower case and prints them under
        // these names, which the footer placement compares exactly.
        std::shared_ptr<Section> section;
        ASSERT_NO_THROW(section = report->Section(name.toLower()));
        EXPECT_EQ(section->SectionName(), name);
        EXPECT_EQ(section->Footer(), name == QStringLiteral("PageFooter")) << "the page footer, and only it";
        for (const QString& field : fields)
            EXPECT_NO_THROW(section->Field(field)) << field.toStdString();
    }
}

TEST(InvoiceLayoutTest, EveryFieldLiesWithinTheMarginsOfA4AndLetterAndWithinItsSection)
{
    const auto report = loadLayout();
    for (const Paper& paper : papers) {
        SCOPED_TRACE(paper.name);
        expectFieldsWithinPaper(*report, paper.width);
        // A first page holds the heading, a job and the totals above the
        // page footer.
        const int32_t firstPage = report->TopMargin() + report->Section(QStringLiteral("Header"))->Height()
            + report->Section(QStringLiteral("PageHeader"))->Height()
            + report->Section(QStringLiteral("Detail"))->Height()
            + report->Section(QStringLiteral("Discount"))->Height()
            + report->Section(QStringLiteral("ReportFooter"))->Height();
        EXPECT_LE(firstPage,
                  paper.height - report->BottomMargin() - report->Section(QStringLiteral("PageFooter"))->Height());
    }
}

TEST(InvoiceLayoutTest, AmountsShareOneRightEdgeAndDescriptionsAreCutLeftOfThem)
{
    const auto report = loadLayout();
    const auto sums = fieldAt(*report, QStringLiteral("Detail/Sums"));
    const int32_t rightEdge = sums->FieldLeft() + sums->FieldWidth();
    for (const QString& path : amountFields) {
        const auto amount = fieldAt(*report, path);
        EXPECT_EQ(amount->Justification(), cJustificationRight) << path.toStdString();
        EXPECT_EQ(amount->FieldLeft() + amount->FieldWidth(), rightEdge) << path.toStdString();
    }
    const auto description = fieldAt(*report, QStringLiteral("Detail/JobDescription"));
    EXPECT_LT(description->FieldLeft() + description->FieldWidth(), sums->FieldLeft());
    // The driver wraps a description at its field's width, which LimitSize
    // makes the measure on a page; the lines after the first go in
    // "DetailLine", in the same column.
    EXPECT_TRUE(description->LimitSize());
    const auto more = fieldAt(*report, QStringLiteral("DetailLine/JobDescription"));
    EXPECT_TRUE(more->LimitSize());
    EXPECT_EQ(more->FieldLeft(), description->FieldLeft());
    EXPECT_EQ(more->FieldWidth(), description->FieldWidth());
}

class InvoiceHtmlTest : public ::testing::Test {
protected:
    // The document of `invoice` as the HTML file that an e-mailed invoice
    // carries.
    QString html(const SampleInvoice& invoice)
    {
        const auto report = loadLayout();
        report->setOutputTo(cOutputToHTMLFile);
        const QString path = folder.filePath(QStringLiteral("Invoice.html"));
        report->setOutputFilename(path);
        printSampleInvoice(*report, invoice);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    }

    // The end of the file asks the desktop to open it; nothing opens here.
    void SetUp() override
    {
        QFile opener(folder.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\nexit 0\n");
        opener.close();
        opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
        oldPath_ = qgetenv("PATH");
        qputenv("PATH", folder.path().toLocal8Bit() + ':' + oldPath_);
    }
    void TearDown() override { qputenv("PATH", oldPath_); }

    QTemporaryDir folder;

private:
    QByteArray oldPath_;
};

TEST_F(InvoiceHtmlTest, EveryValueReachesTheDocumentInReadingOrder)
{
    SampleInvoice invoice;
    invoice.jobs = sampleJobs(3);
    const QString document = html(invoice);
    // Fields on one line of the file come from left to right.
    const QStringList inOrder{invoice.company,
                              QStringLiteral("INVOICE"),
                              invoice.address,
                              invoice.address2,
                              invoice.invoiceNo,
                              invoice.phone,
                              invoice.printDate,
                              invoice.cell,
                              invoice.email,
                              invoice.vendorNo,
                              invoice.billCompany,
                              invoice.billAddress,
                              invoice.billAddress2,
                              QStringLiteral("Description"),
                              QStringLiteral("Amount"),
                              invoice.jobs[0].description,
                              invoice.jobs[0].amount,
                              invoice.jobs[1].description,
                              invoice.jobs[1].amount,
                              invoice.jobs[2].description,
                              invoice.jobs[2].amount,
                              invoice.total,
                              invoice.gst,
                              invoice.pst,
                              invoice.grandTotal,
                              invoice.longDate,
                              invoice.invoiceNo};
    qsizetype at = 0;
    for (const QString& expected : inOrder) {
        const qsizetype found = document.indexOf(expected, at);
        EXPECT_GE(found, 0) << expected.toStdString() << " missing after position " << at;
        if (found >= 0)
            at = found + expected.size();
    }
}

TEST_F(InvoiceHtmlTest, ALongDescriptionStaysInItsCellBesideItsAmount)
{
    SampleInvoice invoice;
    invoice.jobs = sampleJobs(60, 30);
    const QString document = html(invoice);
    const SampleJob& job = invoice.jobs[29];
    ASSERT_EQ(job.description.size(), 300);
    // Every line of the file is a one-row table; the description and its
    // amount share one, each in a cell of its own. The description's cell
    // ends where the amount's begins, which is right-aligned at the end of
    // the row, so a browser wraps the description within its cell.
    const QRegularExpression row(QStringLiteral("<TD WIDTH=(\\d+) ALIGN=left>[^<]*(?:<[^/][^>]*>)*([^<]*)</FONT></TD>"
                                                "<TD WIDTH=(\\d+) ALIGN=right>(?:<[^/][^>]*>)*([^<]*)</FONT></TD>"
                                                "</TR></TABLE>"));
    int rows = 0;
    for (const QString& line : document.split(QStringLiteral("\r\n"))) {
        const QRegularExpressionMatch match = row.match(line);
        if (!match.hasMatch() || !match.captured(2).startsWith(QStringLiteral("Complete exterior")))
            continue;
        ++rows;
        EXPECT_EQ(match.captured(2), job.description) << "the whole description, to wrap in the browser";
        EXPECT_EQ(match.captured(4), job.amount);
        const auto report = loadLayout();
        const auto sums = fieldAt(*report, QStringLiteral("Detail/Sums"));
        const auto description = fieldAt(*report, QStringLiteral("Detail/JobDescription"));
        const double pixelsPerTwip = 800.0 / report->Section(QStringLiteral("Detail"))->Width();
        EXPECT_NEAR(match.captured(1).toInt(), (sums->FieldLeft() - description->FieldLeft()) * pixelsPerTwip, 1);
        EXPECT_NEAR(match.captured(3).toInt(), 800 - sums->FieldLeft() * pixelsPerTwip, 1);
    }
    EXPECT_EQ(rows, 1);
    EXPECT_TRUE(document.contains(invoice.jobs[59].amount));
    EXPECT_EQ(document.count(invoice.longDate), 1) << "the page footer, once at the end of the file";
}

} // namespace
