// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// What customers owe, through the delivered layouts to PDF, HTML and CSV
// files read back: the statement of account (the period, each line with its
// balance, the balance due) and the aging report; and their windows.

#include "FindControl.h"
#include "PrintedPdf.h"
#include "ProgramControls.h"
#include "QuietDesktopOpener.h"
#include "TestProgram.h"
#include "invoicing/clsAging.h"
#include "invoicing/clsStatement.h"
#include "invoicing/frmAging.h"
#include "invoicing/frmStatement.h"
#include "records/customers/CustomerRecords.h"
#include "records/invoices/InvoiceRecords.h"
#include "records/invoices/IssuedInvoices.h"
#include "records/invoices/Payments.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace quillbill::testing {
namespace {

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class StatementDocument : public ::testing::Test {
protected:
    StatementDocument() { program.installDeliveredReports(); }

    static void SetUpTestSuite() { ASSERT_TRUE(installQuietDesktopOpener()); }

    // Tremblay Inc: an invoice of $105.00 in October, one of $210.00 on
    // November 3 and a payment of $100.00 on November 15.
    void SetUp() override
    {
        program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 0");
        customer = CustomerRecords(database())
                       .add({0, "Tremblay Inc", "5 Rue Laval", "Quebec", "QC", "G1R4S9", "", "", "TRE"});
        const InvoiceRecords records(database(), "clerk");
        const auto issue = [&](const QDate& date, int64_t dollars) {
            const int32_t invoice = records.createInvoice("TRE", customer, date);
            records.addJob({customer, invoice, "Audit", Money::fromUnits(dollars * 10'000)});
            InvoiceContent shown;
            shown.jobs = {{"Audit", dollars * 10'000}};
            IssuedInvoices(database(), "clerk").issue(customer, invoice, shown, IssueRoute::Printed);
            return invoice;
        };
        issue({2026, 10, 20}, 100);
        const int32_t november = issue({2026, 11, 3}, 200);
        Payments(database(), "clerk")
            .record(customer, november, Money::fromUnits(1'000'000), {2026, 11, 15}, PaymentMethod::Cheque);
    }

    const Database& database() const { return program.app->state.MainDatabase; }

    QString printed(quirepress::OutputOptions target, const QString& name)
    {
        const QString path = program.app->path(name);
        clsStatement driver(*program.app, customer, {2026, 11, 1}, {2026, 11, 30});
        driver.setOutput(target);
        driver.setOutputFile(path);
        EXPECT_TRUE(driver.PrintReport());
        EXPECT_TRUE(program.messages.empty()) << program.messages.last().text.toStdString();
        return target == quirepress::cOutputToPDFFile ? pageTexts(path).join(u'\n').simplified()
                                                      : readText(path).simplified();
    }

    TestProgram program;
    int32_t customer = 0;
};

TEST_F(StatementDocument, ListsThePeriodWithItsRunningBalanceInEveryFormat)
{
    const QString pdf = printed(quirepress::cOutputToPDFFile, "statement.pdf");
    for (const char* expected : {"STATEMENT", "Nov 1, 2026 to Nov 30, 2026", "Tremblay Inc", "5 Rue Laval",
                                 "Nov 1, 2026 Balance brought forward $105.00", "Nov 3, 2026 Invoice 2 $210.00 $315.00",
                                 "Nov 15, 2026 Payment, cheque, invoice 2 $100.00 $215.00", "Balance due $215.00"})
        EXPECT_TRUE(pdf.contains(QLatin1String(expected))) << expected << "\n" << pdf.toStdString();

    for (const auto& [target, name] : {std::pair{quirepress::cOutputToHTMLFile, "statement.html"},
                                       std::pair{quirepress::cOutputToCSVFile, "statement.csv"}}) {
        SCOPED_TRACE(name);
        const QString text = printed(target, name);
        for (const char* expected : {"Balance brought forward", "Invoice 2", "$315.00", "$215.00"})
            EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << "\n" << text.toStdString();
    }
}

// The window makes the chosen customer's statement for the chosen period,
// and refuses a period that ends before it begins.
TEST_F(StatementDocument, TheWindowShowsTheChosenCustomersStatement)
{
    frmStatement window(*program.app);
    window.show();
    chooseInList(control<QComboBox>(&window, "cmbCustomerID"), "Tremblay Inc");
    control<QCalendarWidget>(&window, "calFrom")->setSelectedDate({2026, 11, 1});
    control<QCalendarWidget>(&window, "calTo")->setSelectedDate({2026, 11, 30});
    QTest::mouseClick(control<QPushButton>(&window, "cmdPreview"), Qt::LeftButton);
    QWidget* preview = shownWindow("frmDisplay");
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->windowTitle().contains("Statement - Tremblay Inc")) << preview->windowTitle().toStdString();
    preview->close();
    EXPECT_TRUE(program.messages.empty());

    control<QCalendarWidget>(&window, "calFrom")->setSelectedDate({2026, 12, 1});
    QTest::mouseClick(control<QPushButton>(&window, "cmdPreview"), Qt::LeftButton);
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("ends before it begins"));
    EXPECT_EQ(shownWindow("frmDisplay"), nullptr);
}

// As of November 30 the October invoice is 41 days old and owed whole, and
// November's is 27 days old with $110.00 of it left.
TEST_F(StatementDocument, TheAgingReportSplitsWhatIsOwedByAge)
{
    for (const auto& [target, name] :
         {std::pair{quirepress::cOutputToPDFFile, "aging.pdf"}, std::pair{quirepress::cOutputToHTMLFile, "aging.html"},
          std::pair{quirepress::cOutputToCSVFile, "aging.csv"}}) {
        SCOPED_TRACE(name);
        const QString path = program.app->path(QLatin1String(name));
        clsAging driver(*program.app, {2026, 11, 30});
        driver.setOutput(target);
        driver.setOutputFile(path);
        EXPECT_TRUE(driver.PrintReport());
        EXPECT_TRUE(program.messages.empty());
        const QString text = target == quirepress::cOutputToPDFFile ? pageTexts(path).join(u'\n').simplified()
                                                                    : readText(path).simplified();
        for (const char* expected : {"Tremblay Inc", "$110.00", "$105.00", "$215.00"})
            EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << "\n" << text.toStdString();
        if (target == quirepress::cOutputToPDFFile) {
            EXPECT_TRUE(text.contains("AGING REPORT")) << text.toStdString();
            EXPECT_TRUE(text.contains("Tremblay Inc $110.00 $105.00 $215.00")) << text.toStdString();
            EXPECT_TRUE(text.contains("Totals $110.00 $105.00 $215.00")) << text.toStdString();
        }
    }

    frmAging window(*program.app);
    window.show();
    control<QCalendarWidget>(&window, "calAsOf")->setSelectedDate({2026, 11, 30});
    QTest::mouseClick(control<QPushButton>(&window, "cmdPreview"), Qt::LeftButton);
    QWidget* preview = shownWindow("frmDisplay");
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->windowTitle().contains("Aging Report")) << preview->windowTitle().toStdString();
    preview->close();
}

} // namespace
} // namespace quillbill::testing
