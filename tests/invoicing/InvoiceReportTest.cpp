// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The invoice report: the statement's rows from a real database, and the
// grouped driver's sections through the delivered layout to a text file.

#include "PrintedPdf.h"
#include "QuietDesktopOpener.h"
#include "TestProgram.h"

#include "invoicing/clsGroup.h"
#include "records/invoices/InvoiceReportQuery.h"
#include "records/invoices/Payments.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>

namespace quillbill::testing {
namespace {

QDate day(int month, int dayOfMonth) { return QDate(2026, month, dayOfMonth); }

// Acme (1) and Bolt (2) with invoices around February; the customer of
// invoice 9 is gone.
class InvoiceReportRows : public ::testing::Test {
protected:
    InvoiceReportRows()
    {
        program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                     "VALUES (1, 'Acme', '1 Main St', 'Truro', 'NS', 'B2N1A1', 'ACM'), "
                     "(2, 'Bolt', '2 Main St', 'Truro', 'NS', 'B2N1A2', 'BOL')");
        program.exec("INSERT INTO TblInvoice (CustomerID, InvoiceID, Date, Paid) VALUES "
                     "(1, 1, '2026-02-01', -1), (1, 2, '2026-02-28', 0), (1, 3, '2026-03-01', 0), "
                     "(1, 4, '2026-02-10', 0), (2, 1, '2026-02-15', -1), (3, 9, '2026-02-15', 0)");
        program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                     "(1, 1, 'a1 first', 10000), (1, 1, 'a1 second', 20000), (1, 2, 'a2', 30000), "
                     "(1, 3, 'a3', 40000), (2, 1, 'b1', 50000), (3, 9, 'gone', 60000)");
    }

    // The job descriptions of the statement's rows, in order.
    QStringList jobsOf(const InvoiceReportChoices& choices) const
    {
        const ReportStatement statement = invoiceReportStatement(choices);
        QSqlQuery rows = program.app->state.MainDatabase.execute(statement.sql, statement.values);
        QStringList jobs;
        while (rows.next()) {
            // Every column of the three tables.
            for (const char* column : {"Paid", "Postal", "JobID"})
                EXPECT_GE(rows.record().indexOf(QLatin1String(column)), 0) << column;
            jobs << rows.value(QStringLiteral("JobDescription")).toString();
        }
        return jobs;
    }

    TestProgram program;
};

TEST_F(InvoiceReportRows, SelectTheJobsOfTheChosenInvoicesCompanyByCompany)
{
    struct Case {
        const char* what;
        InvoiceReportChoices choices;
        QStringList jobs;
    };
    const Case cases[] = {
        // The end date's invoice is in; the invoice without jobs gives one
        // row of no job, the one of the removed customer none.
        {"February, all",
         {day(2, 1), day(2, 28), std::nullopt, PaidFilter::Both},
         {"a1 first", "a1 second", "", "a2", "b1"}},
        {"one day", {day(2, 28), day(2, 28), std::nullopt, PaidFilter::Both}, {"a2"}},
        {"one company", {day(2, 1), day(3, 31), 2, PaidFilter::Both}, {"b1"}},
        {"paid", {day(2, 1), day(3, 31), std::nullopt, PaidFilter::Paid}, {"a1 first", "a1 second", "b1"}},
        {"not paid", {day(2, 1), day(3, 31), 1, PaidFilter::NotPaid}, {"", "a2", "a3"}},
        {"start after end", {day(2, 28), day(2, 1), std::nullopt, PaidFilter::Both}, {}},
    };
    for (const Case& with : cases) {
        SCOPED_TRACE(with.what);
        const QStringList jobs = jobsOf(with.choices);
        EXPECT_EQ(jobs, with.jobs) << jobs.join(u'|').toStdString();
    }
}

// Paid or not follows the balance, which a credit note settles with its
// invoice: it is listed where the invoice it corrects is.
TEST_F(InvoiceReportRows, ACreditNoteIsPaidOrNotWithTheInvoiceItCorrects)
{
    program.exec("INSERT INTO TblInvoice (CustomerID, InvoiceID, Date, Paid, Status, CreditFor) VALUES "
                 "(1, 5, '2026-02-20', 0, 1, 1), (1, 6, '2026-02-21', 0, 1, 2)");
    program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                 "(1, 5, 'c5', -10000), (1, 6, 'c6', -30000)");
    EXPECT_EQ(jobsOf({day(2, 1), day(2, 28), std::nullopt, PaidFilter::Paid}),
              (QStringList{"a1 first", "a1 second", "c5", "b1"}));
    EXPECT_EQ(jobsOf({day(2, 1), day(3, 31), 1, PaidFilter::NotPaid}), (QStringList{"", "c6", "a2", "a3"}));
}

// Rows through the delivered layout to a text file.
class GroupedReport : public ::testing::Test {
protected:
    GroupedReport() { program.installDeliveredReports(); }

    static void SetUpTestSuite() { ASSERT_TRUE(installQuietDesktopOpener()); }

    // The report's lines, blanks dropped, up to its page footer.
    QStringList printedLines(const ReportStatement& statement, const InvoiceReportChoices* choices = nullptr)
    {
        program.app->state.ReportSql = statement;
        const QString path = program.app->path(QStringLiteral("report.txt"));
        clsGroup driver(*program.app);
        if (choices)
            driver.setChoices(*choices, QStringLiteral("Acme"));
        driver.setOutput(quirepress::cOutputToTextFile);
        driver.setOutputFile(path);
        EXPECT_TRUE(driver.PrintReport());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList lines;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"))) {
            if (line.contains(QStringLiteral("Page 1")))
                break;
            if (!line.trimmed().isEmpty())
                lines << line.simplified();
        }
        return lines;
    }

    TestProgram program;
};

struct Row {
    QString company;
    QString job;
    int64_t sums; // ten-thousandths
};

// The rows exactly as given, in that order.
ReportStatement rowsInOrder(const std::vector<Row>& rows)
{
    ReportStatement statement{QStringLiteral("SELECT column1 AS Company, column2 AS JobDescription, column3 AS Sums "
                                             "FROM (VALUES (NULL, NULL, NULL)"),
                              {}};
    for (const Row& row : rows) {
        statement.sql += QStringLiteral(", (?, ?, ?)");
        statement.values << row.company << row.job << qint64(row.sums);
    }
    statement.sql += QStringLiteral(") WHERE column1 IS NOT NULL");
    return statement;
}

const QStringList top{"Invoice Report", "Jobs invoiced, by company", "No. Date Description Amount"};

// The report's lines without the taxes, payments and balances under each
// total, and without the whole report's totals.
QStringList groupsOnly(const QStringList& lines)
{
    QStringList kept;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("All companies")))
            break;
        if (!QRegularExpression(QStringLiteral("^(HST|Total with taxes|Paid|Balance due) ")).match(line).hasMatch())
            kept << line;
    }
    return kept;
}

TEST_F(GroupedReport, StartsAGroupWheneverTheCompanyChangesAndTotalsItExactly)
{
    struct Case {
        const char* what;
        std::vector<Row> rows;
        QStringList body;
    };
    const Case cases[] = {
        {"A, A, B",
         {{"Acme", "Design", 102'500}, {"Acme", "Build", 205'000}, {"Bolt", "Paint", 10'000}},
         {"Acme", "Design $10.25", "Build $20.50", "Total before taxes $30.75", "Bolt", "Paint $1.00",
          "Total before taxes $1.00"}},
        // The driver trusts the order it is given.
        {"A, B, A",
         {{"Acme", "Design", 10'000}, {"Bolt", "Paint", 20'000}, {"Acme", "Build", 30'000}},
         {"Acme", "Design $1.00", "Total before taxes $1.00", "Bolt", "Paint $2.00", "Total before taxes $2.00", "Acme",
          "Build $3.00", "Total before taxes $3.00"}},
        {"letter case",
         {{"Acme", "Design", 10'000}, {"ACME", "Build", 20'000}},
         {"Acme", "Design $1.00", "Total before taxes $1.00", "ACME", "Build $2.00", "Total before taxes $2.00"}},
        // Half cents go up; in binary floating point 1.005 and 1.305 lie
        // just below and would show $1.00 and $1.30.
        {"exact total",
         {{"Acme", "Half cent", 10'050}, {"Acme", "Tenth", 1'000}, {"Acme", "Fifth", 2'000}},
         {"Acme", "Half cent $1.01", "Tenth $0.10", "Fifth $0.20", "Total before taxes $1.31"}},
        {"no rows", {}, {}},
    };
    for (const Case& with : cases) {
        SCOPED_TRACE(with.what);
        const QStringList lines = groupsOnly(printedLines(rowsInOrder(with.rows)));
        EXPECT_EQ(lines, top + with.body) << lines.join(u'|').toStdString();
        EXPECT_TRUE(program.messages.empty());
    }
}

// Rows of one company whose invoices lie apart in time still make one group.
TEST_F(GroupedReport, TheReportStatementKeepsEachCompanyInOneGroup)
{
    program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                 "VALUES (1, 'Zephyr', '1 Main St', 'Truro', 'NS', 'B2N1A1', 'ZEP'), "
                 "(2, 'Bolt', '2 Main St', 'Truro', 'NS', 'B2N1A2', 'BOL')");
    program.exec("INSERT INTO TblInvoice (CustomerID, InvoiceID, Date) VALUES "
                 "(1, 1, '2026-02-01'), (2, 1, '2026-02-02'), (1, 2, '2026-02-03')");
    program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                 "(1, 1, 'z1', 10000), (2, 1, 'b1', 20000), (1, 2, 'z2', 30000)");
    const QStringList lines =
        groupsOnly(printedLines(invoiceReportStatement({day(2, 1), day(2, 28), std::nullopt, PaidFilter::Both})));
    const QStringList groups{"Bolt",
                             "1 Feb 2, 2026 b1 $2.00",
                             "Total before taxes $2.00",
                             "Zephyr",
                             "1 Feb 1, 2026 z1 $1.00",
                             "2 Feb 3, 2026 z2 $3.00",
                             "Total before taxes $4.00"};
    EXPECT_EQ(lines, top + groups) << lines.join(u'|').toStdString();
}

// Another program saving while a long report is laid out is not held up by
// it: the report has read its rows before it lays out the first line. The
// other program here waits for no lock at all (the sqlite3 shell's busy
// timeout is 0), so a save that a report's open read would block fails at
// once instead of after a few seconds.
TEST_F(GroupedReport, AnotherProgramSavesWhileTheReportIsLaidOut)
{
    // 20 companies of 50 invoices of 3 jobs: a PDF file of some sixty pages.
    program.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20) "
                 "INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                 "SELECT i, 'Company ' || i, '1 Main St', 'Truro', 'NS', 'B2N1A1', 'C' || i FROM n");
    program.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                 "INSERT INTO TblInvoice (CustomerID, InvoiceID, Date, Paid) "
                 "SELECT 1 + i % 20, i, '2026-02-' || printf('%02d', 1 + i % 28), 0 FROM n");
    program.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                 "INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) "
                 "SELECT 1 + (i % 1000) % 20, i % 1000 + (i % 1000 = 0) * 1000, 'Job ' || i, i * 100 FROM n");
    program.app->state.ReportSql = invoiceReportStatement({day(2, 1), day(2, 28), std::nullopt, PaidFilter::Both});

    // The report lets pending events run between its sections; each time,
    // the other program stores a billing code.
    int tries = 0;
    int saved = 0;
    QTimer otherProgram;
    otherProgram.setInterval(0);
    QObject::connect(&otherProgram, &QTimer::timeout, [&] {
        ++tries;
        QProcess shell;
        shell.start(QStringLiteral("sqlite3"),
                    {QStringLiteral("-bail"), program.databasePath(),
                     QStringLiteral("INSERT INTO TblBillingCodes (BillCode) VALUES ('DESK2-%1');").arg(tries)});
        if (shell.waitForFinished(30000) && shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0)
            ++saved;
    });
    otherProgram.start();
    clsGroup driver(*program.app);
    driver.setOutput(quirepress::cOutputToPDFFile);
    driver.setOutputFile(program.app->path(QStringLiteral("report.pdf")));
    EXPECT_TRUE(driver.PrintReport());
    otherProgram.stop();

    EXPECT_TRUE(program.messages.empty());
    // The first tries come before the rows are read; most come while the
    // pages are laid out.
    ASSERT_GE(tries, 4);
    EXPECT_EQ(saved, tries) << "saves refused while the report was laid out";
    QSqlQuery stored = program.app->state.MainDatabase.execute(
        QStringLiteral("SELECT count(*) FROM TblBillingCodes WHERE BillCode LIKE 'DESK2-%'"));
    ASSERT_TRUE(stored.next());
    EXPECT_EQ(stored.value(0).toInt(), saved);
}

// A company's heading that would be the last line of a page goes to the
// next page with the company's first job.
TEST_F(GroupedReport, AGroupHeadingNeverStandsAloneAtTheFootOfAPage)
{
    const QString path = program.app->path(QStringLiteral("report.pdf"));
    const auto print = [&](const std::vector<Row>& rows) {
        program.app->state.ReportSql = rowsInOrder(rows);
        auto driver = std::make_unique<clsGroup>(*program.app);
        driver->setOutput(quirepress::cOutputToPDFFile);
        driver->setOutputFile(path);
        EXPECT_TRUE(driver->PrintReport());
        return driver;
    };
    // The page's height comes with the run; the layout gives the rest.
    const auto probe = print({{"Acme", "Design", 10'000}});
    const quirepress::Report& layout = probe->report();
    const auto height = [&](const char* section) { return layout.Section(QLatin1String(section))->Height(); };
    const int32_t room = layout.PageHeight() - layout.BottomMargin() - height("PageFooter") - layout.TopMargin()
        - height("Header") - height("PageHeader") - height("groupheader") - height("groupfooter");
    // So many of Acme's jobs that Bolt's heading fits below Acme's total,
    // and its first job does not.
    const int acmeJobs = (room - height("groupheader")) / height("detail");
    ASSERT_GT(acmeJobs, 0);
    std::vector<Row> rows;
    for (int job = 1; job <= acmeJobs; ++job)
        rows.push_back({"Acme", QStringLiteral("Design %1").arg(job), 10'000});
    const QString longJob = QStringLiteral("Bolt's first job, described at such length that it wraps onto a second "
                                           "and a third line of the report's description column, word by word");
    rows.push_back({"Bolt", longJob, 20'000});
    print(rows);

    const QStringList pages = pageTexts(path);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Design %1").arg(acmeJobs)));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Bolt"))) << pages[0].toStdString();
    const QString second = pages[1].simplified();
    EXPECT_TRUE(second.contains(QStringLiteral("Bolt Bolt's first job, described at such length that it wraps")))
        << second.toStdString();
    const auto withoutBlanks = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); };
    EXPECT_TRUE(withoutBlanks(QString(pages[1]).remove(QStringLiteral("$2.00"))).contains(withoutBlanks(longJob)))
        << "every word of the long job, in order";
    EXPECT_TRUE(program.messages.empty());
}

// A discounted invoice counts at what its document bills before taxes: its
// discount follows its jobs, rounded to the cent as there, and the company's
// total is what the lines above it add up to.
TEST_F(GroupedReport, ADiscountedInvoiceCountsAtItsDiscountedAmount)
{
    program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                 "VALUES (1, 'Zephyr', '1 Main St', 'Truro', 'NS', 'B2N1A1', 'ZEP')");
    program.exec("INSERT INTO TblInvoice (CustomerID, InvoiceID, Date, Discount) VALUES "
                 "(1, 1, '2026-02-01', 10), (1, 2, '2026-02-03', 0), (1, 3, '2026-02-04', 50)");
    program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                 "(1, 1, 'z1', 100000), (1, 1, 'z1b', 200500), (1, 2, 'z2', 300000), (1, 3, 'z3', 10000)");
    const QStringList lines =
        groupsOnly(printedLines(invoiceReportStatement({day(2, 1), day(2, 28), std::nullopt, PaidFilter::Both})));
    const QStringList groups{"Zephyr",
                             "1 Feb 1, 2026 z1 $10.00",
                             "1 Feb 1, 2026 z1b $20.05",
                             "Discount (10%) on invoice 1 -$3.01",
                             "2 Feb 3, 2026 z2 $30.00",
                             "3 Feb 4, 2026 z3 $1.00",
                             "Discount (50%) on invoice 3 -$0.50",
                             "Total before taxes $57.54"};
    EXPECT_EQ(lines, top + groups) << lines.join(u'|').toStdString();
    EXPECT_TRUE(program.messages.empty());
}

// A credit note is listed with its amounts negative, and its discount
// gives back what the invoice's took off, so the total is what is owed.
TEST_F(GroupedReport, ACreditNoteCountsAgainstTheInvoiceItCorrects)
{
    program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                 "VALUES (1, 'Zephyr', '1 Main St', 'Truro', 'NS', 'B2N1A1', 'ZEP')");
    program.exec("INSERT INTO TblInvoice (CustomerID, InvoiceID, Date, Discount, Status, CreditFor) VALUES "
                 "(1, 1, '2026-02-01', 10, 1, NULL), (1, 2, '2026-02-05', 10, 1, 1)");
    program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                 "(1, 1, 'z1', 100000), (1, 1, 'z1b', 200500), (1, 2, 'z1b', -200500)");
    const QStringList lines =
        groupsOnly(printedLines(invoiceReportStatement({day(2, 1), day(2, 28), std::nullopt, PaidFilter::Both})));
    const QStringList groups{"Zephyr",
                             "1 Feb 1, 2026 z1 $10.00",
                             "1 Feb 1, 2026 z1b $20.05",
                             "Discount (10%) on invoice 1 -$3.01",
                             "2 Feb 5, 2026 Credit note 2 for invoice 1: z1b -$20.05",
                             "Discount (10%) on credit note 2 $2.01",
                             "Total before taxes $9.00"};
    EXPECT_EQ(lines, top + groups) << lines.join(u'|').toStdString();
}

// Acme: an invoice paid in part, one marked paid before payments were kept
// in parts, one credited in part, and one without jobs. Bolt: an invoice
// with taxes of its own, paid in full. The office charges HST only.
class ReportMoney : public GroupedReport {
protected:
    ReportMoney()
    {
        program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                     "VALUES (1, 'Acme', '1 Main St', 'Truro', 'NS', 'B2N1A1', 'ACM'), "
                     "(2, 'Bolt', '2 Main St', 'Montreal', 'QC', 'H2X1Y4', 'BOL')");
        program.exec("INSERT INTO TblInvoice (CustomerID, InvoiceID, Date, Paid, Status, CreditFor, GSTRate, PSTRate, "
                     "GSTName, PSTName) VALUES "
                     "(1, 1, '2026-02-01', 0, 1, NULL, NULL, NULL, NULL, NULL), "
                     "(1, 2, '2026-02-02', -1, 1, NULL, NULL, NULL, NULL, NULL), "
                     "(1, 3, '2026-02-03', 0, 1, NULL, NULL, NULL, NULL, NULL), "
                     "(1, 4, '2026-02-04', 0, 1, 3, NULL, NULL, NULL, NULL), "
                     "(1, 5, '2026-02-05', 0, 0, NULL, NULL, NULL, NULL, NULL), "
                     "(2, 1, '2026-02-06', 0, 1, NULL, 5000, 9975, 'GST', 'QST')");
        program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                     "(1, 1, 'Design', 1000000), (1, 2, 'Paint', 200000), (1, 3, 'Build', 400000), "
                     "(1, 4, 'Build', -100000), (2, 1, 'Review', 2000000)");
        const Payments payments(program.app->state.MainDatabase, QStringLiteral("clerk"));
        payments.record(1, 1, Money::fromUnits(500000), day(2, 10), PaymentMethod::Cheque);
        payments.record(2, 1, Money::fromUnits(2299500), day(2, 11), PaymentMethod::Transfer);
    }

    QStringList report(const InvoiceReportChoices& choices)
    {
        program.app->state.ReportSql = invoiceReportStatement(choices);
        return printedLines(program.app->state.ReportSql, &choices);
    }
};

// Each group and the whole report end with what was billed before and with
// taxes, paid and still owed. A credit note's amounts count where it is
// listed, and it settles its invoice's balance; the invoice without jobs is
// listed, at nothing.
TEST_F(ReportMoney, EachGroupAndTheReportTotalTheTaxesThePaymentsAndWhatIsOwed)
{
    const QStringList lines = report({day(2, 1), day(2, 28), std::nullopt, PaidFilter::Both});
    const QStringList expected{
        "Invoice Report",
        "Jobs invoiced, by company",
        "Feb 1, 2026 to Feb 28, 2026 \u00b7 All customers \u00b7 All invoices",
        "No. Date Description Amount",
        "Acme",
        "1 Feb 1, 2026 Design $100.00",
        "2 Feb 2, 2026 Paint $20.00",
        "3 Feb 3, 2026 Build $40.00",
        "4 Feb 4, 2026 Credit note 4 for invoice 3: Build -$10.00",
        "5 Feb 5, 2026 No jobs $0.00",
        "Total before taxes $150.00",
        "HST/GST $19.50",
        "QST $0.00",
        "Total with taxes $169.50",
        "Paid $72.60",
        "Balance due $96.90",
        "Bolt",
        "1 Feb 6, 2026 Review $200.00",
        "Total before taxes $200.00",
        "HST/GST $10.00",
        "QST $19.95",
        "Total with taxes $229.95",
        "Paid $229.95",
        "Balance due $0.00",
        "All companies Total before taxes $350.00",
        "HST/GST $29.50",
        "QST $19.95",
        "Total with taxes $399.45",
        "Paid $302.55",
        "Balance due $96.90",
    };
    EXPECT_EQ(lines, expected) << lines.join(u'|').toStdString();
    EXPECT_TRUE(program.messages.empty());
}

// The heading names what was chosen; an office with one tax sees no row
// for a second one, and the rows below move up into its place.
TEST_F(ReportMoney, TheHeadingNamesTheChoicesAndASecondTaxOfNoInvoiceHasNoRow)
{
    const QStringList lines = report({day(2, 1), day(2, 3), 1, PaidFilter::NotPaid});
    const QStringList expected{
        "Invoice Report",
        "Jobs invoiced, by company",
        "Feb 1, 2026 to Feb 3, 2026 \u00b7 Acme \u00b7 Invoices with a balance due",
        "No. Date Description Amount",
        "Acme",
        "1 Feb 1, 2026 Design $100.00",
        "3 Feb 3, 2026 Build $40.00",
        "Total before taxes $140.00",
        "HST $18.20",
        "Total with taxes $158.20",
        "Paid $50.00",
        "Balance due $96.90",
        "All companies Total before taxes $140.00",
        "HST $18.20",
        "Total with taxes $158.20",
        "Paid $50.00",
        "Balance due $96.90",
    };
    EXPECT_EQ(lines, expected) << lines.join(u'|').toStdString();
}

// An office keeps the layout it had before the report named invoices and
// choices: the invoice goes before the description, the choices under the
// title.
TEST_F(ReportMoney, AnOlderLayoutNamesTheInvoiceInTheDescription)
{
    const QString layout = program.app->path(QStringLiteral("Reports/report.rdn"));
    QFile file(layout);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray older = file.readAll();
    file.close();
    for (const char* field : {"FieldName=InvoiceNo", "FieldName=lblChoices"})
        older.replace(field, QByteArray(field).replace("FieldName=", "FieldName=Old"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(older);
    file.close();

    const QStringList lines = report({day(2, 6), day(2, 6), std::nullopt, PaidFilter::Paid});
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[1], QStringLiteral("Feb 6, 2026 \u00b7 All customers \u00b7 Invoices paid in full"));
    EXPECT_EQ(lines[4], QStringLiteral("Invoice 1 of Feb 6, 2026: Review $200.00"));
}

TEST_F(GroupedReport, AFailingStatementIsShownOnceAndEndsTheRun)
{
    program.app->state.ReportSql = {QStringLiteral("SELECT * FROM NoSuchTable"), {}};
    clsGroup driver(*program.app);
    driver.setOutput(quirepress::cOutputToScreen);
    EXPECT_FALSE(driver.PrintReport());
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().title, QStringLiteral("clsGroup.PrintReport"));
    EXPECT_TRUE(driver.report().CanExit()) << "the half-made preview is dropped";
}

} // namespace
} // namespace quillbill::testing
