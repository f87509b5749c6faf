// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The invoice report window, driven through its controls on a copy of the
// delivered database with the delivered report layout.

#include "PrintedPdf.h"
#include "ProgramControls.h"
#include "TestProgram.h"

#include "customers/frmRemoveCompany.h"
#include "invoicing/clsGroup.h"
#include "invoicing/frmInvoiceReports.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTime>
#include <QLocale>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

#include <memory>
#include <set>

namespace quillbill::testing {
namespace {

QWidget* shownPreview() { return shownWindow("frmDisplay"); }

// Acme and Bolt, each with an invoice of today.
class InvoiceReportWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.installDeliveredReports();
        program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                     "VALUES (1, 'Acme', '1 Main St', 'Truro', 'NS', 'B2N1A1', 'ACM'), "
                     "(2, 'Bolt', '2 Main St', 'Truro', 'NS', 'B2N1A2', 'BOL')");
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        program.exec("INSERT INTO TblInvoice (CustomerID, InvoiceID, Date) VALUES (1, 1, ?), (2, 1, ?)",
                     {today, today});
        program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                     "(1, 1, 'Acme design', 102500), (1, 1, 'Acme build', 205000), (2, 1, 'Bolt paint', 10000)");
        window = std::make_unique<frmInvoiceReports>(*program.app);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void click(const char* button) { QTest::mouseClick(control<QPushButton>(window.get(), button), Qt::LeftButton); }

    void choose(const QString& company) { chooseInList(control<QComboBox>(window.get(), "cmbCustomerID"), company); }

    // The companies of the rows the last report's statement selects.
    std::set<QString> reportedCompanies() const
    {
        const ReportStatement& statement = program.app->state.ReportSql;
        QSqlQuery rows = program.app->state.MainDatabase.execute(statement.sql, statement.values);
        std::set<QString> companies;
        while (rows.next())
            companies.insert(rows.value(QStringLiteral("Company")).toString());
        return companies;
    }

    TestProgram program;
    std::unique_ptr<frmInvoiceReports> window;
};

TEST_F(InvoiceReportWindow, ADateAfterTodayIsRefusedAndTheCalendarReturnsToToday)
{
    for (const char* name : {"calFrom", "calTo"}) {
        SCOPED_TRACE(name);
        program.messages.clear();
        auto* calendar = control<QCalendarWidget>(window.get(), name);
        auto* days = calendar->findChild<QTableView*>();
        ASSERT_NE(days, nullptr);
        days->setFocus();
        QTest::keyClick(days, Qt::Key_Right);
        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_EQ(program.messages.last().text, QStringLiteral("Selected date cannot be greater that today."));
        EXPECT_EQ(calendar->selectedDate(), QDate::currentDate());
    }
}

TEST_F(InvoiceReportWindow, AllCompaniesAfterACompanyReportsEveryCompany)
{
    choose(QStringLiteral("Bolt"));
    click("cmdCreateRpt");
    ASSERT_TRUE(QTest::qWaitFor([] { return shownPreview() != nullptr; }));
    EXPECT_EQ(reportedCompanies(), std::set<QString>{"Bolt"});
    EXPECT_EQ(control<QComboBox>(window.get(), "cmbCustomerID")->currentText(), QStringLiteral("Bolt"))
        << "the choice stays for the next report";

    click("cmdAllCompanies");
    EXPECT_EQ(control<QComboBox>(window.get(), "cmbCustomerID")->currentIndex(), -1);
    click("cmdCreateRpt");
    ASSERT_TRUE(QTest::qWaitFor([] { return shownPreview() != nullptr; }));
    EXPECT_EQ(reportedCompanies(), (std::set<QString>{"Acme", "Bolt"}));
    EXPECT_TRUE(program.messages.empty());
}

// Removing a customer who has invoices hides it instead: its invoices stay
// in the report of every company, and it can still be chosen, marked hidden.
TEST_F(InvoiceReportWindow, AHiddenCustomersInvoicesStayInTheReport)
{
    {
        frmRemoveCompany remove(*program.app);
        remove.show();
        chooseInList(control<QComboBox>(&remove, "cmbCustomerID"), QStringLiteral("Acme"));
        program.messages.answerNext(true);
        QTest::mouseClick(control<QPushButton>(&remove, "cmdRemove"), Qt::LeftButton);
        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_TRUE(program.messages.last().text.contains("Hide it instead?"));
    }
    program.messages.clear();

    click("cmdCreateRpt");
    ASSERT_TRUE(QTest::qWaitFor([] { return shownPreview() != nullptr; }));
    EXPECT_EQ(reportedCompanies(), (std::set<QString>{"Acme", "Bolt"}));

    window = std::make_unique<frmInvoiceReports>(*program.app);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    choose(QStringLiteral("Acme (hidden)"));
    click("cmdCreateRpt");
    ASSERT_TRUE(QTest::qWaitFor([] { return shownPreview() != nullptr; }));
    EXPECT_EQ(reportedCompanies(), std::set<QString>{"Acme"});
    EXPECT_TRUE(program.messages.empty());
}

// The preview of "Create Report" holds the company groups; its Print button
// makes the report again on the PDF printer.
TEST_F(InvoiceReportWindow, ThePreviewsPrintButtonPrintsTheGroupedReport)
{
    SKIP_WITHOUT_PDF_QUEUE();
    click("cmdCreateRpt");
    ASSERT_TRUE(QTest::qWaitFor([] { return shownPreview() != nullptr; }));
    const QString jobName = QStringLiteral("invoice-report-test-%1-%2")
                                .arg(QCoreApplication::applicationPid())
                                .arg(QDateTime::currentMSecsSinceEpoch());
    quirepress::Report& report = window->lastReport()->report();
    report.setPrinterName(pdfQueue);
    report.setReportName(QDir(program.folder()).filePath(jobName + QStringLiteral(".rdn")));
    QTest::mouseClick(control<QAbstractButton>(shownPreview(), "cmdToolbar4"), Qt::LeftButton);

    const QString pdf = printedFile(jobName);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF of the job in ~/PDF";
    const QStringList pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 1);
    QStringList lines;
    for (const QString& line : pages.first().split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    const QString today = QLocale::c().toString(QDate::currentDate(), QStringLiteral("MMM d, yyyy"));
    EXPECT_TRUE(lines.contains(today + QStringLiteral(" \u00b7 All customers \u00b7 All invoices")))
        << "the heading names the choices";
    const QStringList groups{"Acme",
                             "1 " + today + " Acme design $10.25",
                             "1 " + today + " Acme build $20.50",
                             "Total before taxes $30.75",
                             "HST $4.00",
                             "Total with taxes $34.75",
                             "Paid $0.00",
                             "Balance due $34.75",
                             "Bolt",
                             "1 " + today + " Bolt paint $1.00",
                             "Total before taxes $1.00"};
    const qsizetype first = lines.indexOf(groups.first());
    ASSERT_GE(first, 0) << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.mid(first, groups.size()), groups) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(program.messages.empty());
}

} // namespace
} // namespace quillbill::testing
