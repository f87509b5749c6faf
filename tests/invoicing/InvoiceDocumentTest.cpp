// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The invoice document through the report engine's real output: text and
// HTML files, the preview window, and the CUPS queue "PDF" of cups-pdf,
// which writes every job as a PDF file into ~/PDF (scripts/print-server.sh
// sets it up; without it the printer tests are skipped, unless
// QUIREPRESS_REQUIRE_PRINTER is set, when they fail).

#include "FindControl.h"
#include "InvoiceTestData.h"
#include "LockingProcess.h"
#include "PrintedPdf.h"
#include "QuietDesktopOpener.h"
#include "TestProgram.h"
#include "common/OptionsStore.h"

#include "common/TaxRate.h"
#include "invoicing/BuildInvoiceData.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/clsSimple.h"
#include "records/invoices/InvoiceRecords.h"
#include "records/invoices/Payments.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <limits>
#include <optional>

namespace quillbill::testing {
namespace {

using quirepress::cOutputToHTMLFile;
using quirepress::cOutputToScreen;
using quirepress::cOutputToTextFile;

const QDate december7 = QDate(2026, 12, 7);

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A program folder with the layout in Reports/, and an "xdg-open" that does
// nothing first on PATH, since every file run ends by opening its file.
class InvoiceDocumentTest : public ::testing::Test {
protected:
    InvoiceDocumentTest()
    {
        QDir(program.folder()).mkdir(QStringLiteral("Reports"));
        writeInvoiceLayout(program.app->path(QStringLiteral("Reports/simple.rdn")));
    }

    static void SetUpTestSuite() { ASSERT_TRUE(installQuietDesktopOpener()); }

    const Database& database() const { return program.app->state.MainDatabase; }

    void setRates(int gst, int pst) const
    {
        program.exec(QStringLiteral("UPDATE TblMyCompanyInfo SET GSTRate = ?, PSTRate = ?, GSTName = 'GST', "
                                    "PSTName = 'PST'"),
                     {gst * 1000, pst * 1000});
    }

    // The invoice as a text file: its lines, blanks at both ends dropped.
    QStringList printedLines(InvoiceSelection invoice)
    {
        const QString path = program.app->path(QStringLiteral("invoice.txt"));
        clsSimple driver(*program.app, invoice);
        driver.setOutput(cOutputToTextFile);
        driver.setOutputFile(path);
        driver.PrintReport();
        QStringList lines;
        for (const QString& line : readText(path).split(QStringLiteral("\r\n")))
            if (!line.trimmed().isEmpty())
                lines << line.simplified();
        return lines;
    }

    TestProgram program;
};

std::vector<StoredJob> numberedJobs(const QString& prefix, int count)
{
    std::vector<StoredJob> jobs;
    for (int job = 1; job <= count; ++job)
        jobs.push_back({prefix + QString::number(job), job * 10'000});
    return jobs;
}

TEST_F(InvoiceDocumentTest, AThreeJobInvoicePrintsItsSectionsInOrderWithItsDates)
{
    const auto invoice = storeInvoice(database(), QStringLiteral("Acme Tools"), 42, december7,
                                      {{"Design", 1'000'000}, {"Build", 2'000'000}, {"Test", 500'000}});
    const QStringList lines = printedLines(invoice);

    const QStringList expected{QStringLiteral("Dec 7, 2026"),
                               QStringLiteral("Your Company Name"),
                               QStringLiteral("42"),
                               QStringLiteral("Acme Tools"),
                               pageHeaderText + QStringLiteral(" AMOUNT"),
                               QStringLiteral("Design $100.00"),
                               QStringLiteral("Build $200.00"),
                               QStringLiteral("Test $50.00"),
                               totalLabel + QStringLiteral(" $350.00"),
                               QStringLiteral("Monday, December 7, 2026 42")};
    qsizetype at = -1;
    for (const QString& text : expected) {
        const qsizetype found = lines.indexOf(text, at + 1);
        EXPECT_GT(found, at) << text.toStdString() << " in order, in:\n" << lines.join(u'\n').toStdString();
        at = std::max(at, found);
    }
    EXPECT_EQ(lines.filter(pageHeaderText).size(), 1);
    EXPECT_EQ(program.app->state.LastOutputTarget, cOutputToTextFile);
    EXPECT_TRUE(program.messages.empty());
}

// A credit note on a layout with no place in its header for the invoice it
// corrects names it in its first line; its amounts print negative.
TEST_F(InvoiceDocumentTest, ACreditNoteNamesTheInvoiceItCorrectsOnAnyLayout)
{
    setRates(5, 0);
    const auto invoice = storeInvoice(database(), QStringLiteral("Acme Tools"), 42, december7, {{"Design", 1'000'000}});
    program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Status, CreditFor) VALUES (43, ?, ?, 1, 42)",
                 {invoice.customerId, december7.addDays(3).toString(Qt::ISODate)});
    program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (?, 43, 'Design', ?)",
                 {invoice.customerId, qlonglong{-400'000}});
    const QStringList lines = printedLines({43, invoice.customerId});
    const qsizetype named = lines.indexOf(QStringLiteral("Credit for: Invoice 42 of Dec 7, 2026"));
    EXPECT_GT(named, lines.indexOf(pageHeaderText + QStringLiteral(" AMOUNT"))) << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.indexOf(QStringLiteral("Design -$40.00")), named + 1) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.contains(totalLabel + QStringLiteral(" -$40.00"))) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.filter(QStringLiteral("-$2.00")).size() == 1) << "the tax taken back";
}

// The footer's amounts are whole cents that add up: each tax rounded from the
// unrounded total, the grand total the sum of the lines above it.
TEST_F(InvoiceDocumentTest, FooterAmountsAreWholeCentsThatAddUp)
{
    struct Case {
        int64_t sums;
        int gst;
        int pst;
        QStringList footer;
    };
    const Case cases[] = {
        {1'000'000, 7, 8, {"Total: $100.00", "GST: $7.00", "PST: $8.00", "Grand Total: $115.00"}},
        {100'100, 5, 5, {"Total: $10.01", "GST: $0.50", "PST: $0.50", "Grand Total: $11.01"}},
        {12'345'000, 0, 0, {"Total: $1,234.50", "GST: $0.00", "PST: $0.00", "Grand Total: $1,234.50"}},
        // Unrounded taxes added up would give $0.10 under lines of $0.09.
        {900, 5, 5, {"Total: $0.09", "GST: $0.00", "PST: $0.00", "Grand Total: $0.09"}},
        // ... and $1.23 under lines of $1.25.
        {11'000, 5, 8, {"Total: $1.10", "GST: $0.06", "PST: $0.09", "Grand Total: $1.25"}},
    };
    int32_t number = 1;
    for (const Case& with : cases) {
        SCOPED_TRACE(with.footer.join(u' ').toStdString());
        setRates(with.gst, with.pst);
        const QStringList lines = printedLines(storeInvoice(database(), QStringLiteral("Customer %1").arg(number),
                                                            number, december7, {{"Job", with.sums}}));
        ++number;
        EXPECT_EQ(lines.mid(lines.indexOf(with.footer.first()), 4), with.footer) << lines.join(u'\n').toStdString();
        EXPECT_TRUE(lines.contains(QStringLiteral("Job ") + with.footer.first().section(u' ', 1)));
    }
}

// The discount comes off the jobs as a line of its own, rounded to the cent;
// the total and the taxes are those of what is left.
TEST_F(InvoiceDocumentTest, ADiscountIsALineOfItsOwnAndTheTaxesAreOnWhatIsLeft)
{
    struct Case {
        const char* what;
        std::vector<StoredJob> jobs;
        int discount;
        QStringList lines; // from the first job on
    };
    const Case cases[] = {
        {"ten per cent",
         {{"Design", 600'000}, {"Build", 400'000}},
         10,
         {"Design $60.00", "Build $40.00", "Discount (10%) -$10.00", "Total: $90.00", "GST: $6.30", "PST: $7.20",
          "Grand Total: $103.50"}},
        // 10 % of $10.05 is $1.005: half a cent goes up, away from zero
        // (truncating, or rounding halves to even, would take off $1.00).
        {"half a cent",
         {{"Job", 100'500}},
         10,
         {"Job $10.05", "Discount (10%) -$1.01", "Total: $9.04", "GST: $0.63", "PST: $0.72", "Grand Total: $10.39"}},
        {"all of it",
         {{"Job", 100'500}},
         100,
         {"Job $10.05", "Discount (100%) -$10.05", "Total: $0.00", "GST: $0.00", "PST: $0.00", "Grand Total: $0.00"}},
        {"none",
         {{"Job", 100'500}},
         0,
         {"Job $10.05", "Total: $10.05", "GST: $0.70", "PST: $0.80", "Grand Total: $11.55"}},
    };
    setRates(7, 8);
    int32_t number = 1;
    for (const Case& with : cases) {
        SCOPED_TRACE(with.what);
        const auto invoice =
            storeInvoice(database(), QStringLiteral("Customer %1").arg(number), number, december7, with.jobs);
        ++number;
        program.exec(QStringLiteral("UPDATE TblInvoice SET Discount = ? WHERE CustomerID = ? AND InvoiceID = ?"),
                     {with.discount, invoice.customerId, invoice.invoiceId});
        const QStringList lines = printedLines(invoice);
        EXPECT_EQ(lines.mid(lines.indexOf(with.lines.first()), with.lines.size()), with.lines)
            << lines.join(u'\n').toStdString();
        EXPECT_TRUE(program.messages.empty());
    }
}

TEST_F(InvoiceDocumentTest, AnInvoiceForMailLandsInTheProgramFolderUnderItsRelativeName)
{
    const auto invoice = storeInvoice(database(), QStringLiteral("Acme Tools"), 7, december7,
                                      {{QStringLiteral("Consulting"), 12'345'000}});
    // The driver is run from another folder than the program's.
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    clsSimple driver(*program.app, invoice);
    driver.setOutput(cOutputToHTMLFile);
    driver.setOutputFile(QStringLiteral("Invoice.html"));
    driver.PrintReport();
    QDir::setCurrent(before);

    EXPECT_FALSE(QFile::exists(QDir(elsewhere.path()).filePath(QStringLiteral("Invoice.html"))));
    const QString html = readText(program.app->path(QStringLiteral("Invoice.html")));
    EXPECT_TRUE(html.startsWith(QStringLiteral("<HTML>"))) << html.left(200).toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral(">$1,234.50</FONT>")));
    EXPECT_EQ(program.app->state.LastOutputTarget, cOutputToHTMLFile);
}

TEST_F(InvoiceDocumentTest, TheSelectionKeepsOneRowNamingTheLastInvoice)
{
    const auto first = BuildInvoiceData(database(), 1, 10);
    const auto second = BuildInvoiceData(database(), 2, 20);
    EXPECT_EQ(first.invoiceId, 1);
    EXPECT_EQ(second.customerId, 20);
    const auto rows = database().rows(QStringLiteral("SELECT InvoiceID, CustomerID FROM TblBuildInvoiceData"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].value(0).toInt(), 2);
    EXPECT_EQ(rows[0].value(1).toInt(), 20);
}

TEST_F(InvoiceDocumentTest, ThePreviewIsCaptionedWithTheInvoiceAndItsCustomer)
{
    clsSimple driver(
        *program.app,
        storeInvoice(database(), QStringLiteral("O'Brien & Sons"), 42, december7, {{"Design", 1'000'000}}));
    driver.setOutput(cOutputToScreen);
    driver.PrintReport();
    QWidget* preview = shownWindow("frmDisplay");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Invoice 42 - O'Brien & Sons"));
    driver.report().CloseWindow();
}

TEST_F(InvoiceDocumentTest, AMissingLayoutIsToldByTheReportAlone)
{
    QFile::remove(program.app->path(QStringLiteral("Reports/simple.rdn")));
    program.app->state.LastOutputTarget = cOutputToScreen;
    clsSimple driver(*program.app, storeInvoice(database(), QStringLiteral("Acme"), 1, december7, {}));
    driver.setOutput(cOutputToTextFile);
    driver.setOutputFile(program.app->path(QStringLiteral("invoice.txt")));
    driver.PrintReport();

    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().text, QStringLiteral("Report file not found"));
    EXPECT_EQ(program.app->state.LastOutputTarget, cOutputToScreen);
    EXPECT_FALSE(QFile::exists(driver.OutputFile()));
}

// A failure before the first section and one part way through the preview's
// run: one box with the driver's title, no preview left open, and the last
// target as it was.
TEST_F(InvoiceDocumentTest, ABusyDatabaseSaysTheDocumentWasNotMadeRatherThanNothingSaved)
{
    const auto invoice =
        storeInvoice(database(), QStringLiteral("Acme"), 3, december7, numberedJobs(QStringLiteral("Job "), 3));
    program.app->state.MainDatabase.setBusyWaitLimit(100);
    LockingProcess otherProgram(program.databasePath());
    ASSERT_TRUE(otherProgram.locked());
    clsSimple driver(*program.app, invoice);
    driver.setOutput(cOutputToScreen);
    EXPECT_FALSE(driver.PrintReport());

    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().text,
              QStringLiteral("Another program is using the database, so the document "
                             "was not made. Please try again in a moment."));
}

TEST_F(InvoiceDocumentTest, AFailureIsShownOnceAndEndsTheRun)
{
    struct Case {
        const char* what;
        std::function<void(TestProgram&, const QString& layout)> spoil;
        QString textStart;
    };
    const Case cases[] = {
        {"no company row",
         [](TestProgram& fresh, const QString&) { fresh.exec(QStringLiteral("DELETE FROM TblMyCompanyInfo")); },
         QStringLiteral("There is no information")},
        // The report's own error, as "number - description".
        {"a layout without the GST amount",
         [](TestProgram&, const QString& layout) {
             QString text = readText(layout);
             text.replace(QStringLiteral("FieldName=txtGST"), QStringLiteral("FieldName=Tax"));
             QFile file(layout);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
             file.write(text.toUtf8());
         },
         QStringLiteral("5 - ")},
    };
    for (const Case& with : cases) {
        SCOPED_TRACE(with.what);
        TestProgram fresh;
        QDir(fresh.folder()).mkdir(QStringLiteral("Reports"));
        const QString layout = fresh.app->path(QStringLiteral("Reports/simple.rdn"));
        writeInvoiceLayout(layout);
        const auto invoice = storeInvoice(fresh.app->state.MainDatabase, QStringLiteral("Acme"), 3, december7,
                                          numberedJobs(QStringLiteral("Job "), 3));
        with.spoil(fresh, layout);
        fresh.app->state.LastOutputTarget = cOutputToHTMLFile;
        clsSimple driver(*fresh.app, invoice);
        driver.setOutput(cOutputToScreen);
        driver.PrintReport();

        ASSERT_EQ(fresh.messages.messages.size(), 1u);
        EXPECT_EQ(fresh.messages.last().title, QStringLiteral("clsSimple.PrintReport"));
        EXPECT_TRUE(fresh.messages.last().text.startsWith(with.textStart)) << fresh.messages.last().text.toStdString();
        EXPECT_TRUE(driver.report().CanExit()) << "the half-made preview is dropped";
        EXPECT_EQ(fresh.app->state.LastOutputTarget, cOutputToHTMLFile);
    }
}

// The preview's Print button makes the document again on the PDF printer.
class PrintedInvoiceTest : public InvoiceDocumentTest {
protected:
    void SetUp() override { SKIP_WITHOUT_PDF_QUEUE(); }

    // Presses the Print button of `driver`'s preview with the PDF printer
    // chosen; the job is named after this test.
    void pressPrint(clsSimple& driver)
    {
        ASSERT_FALSE(driver.report().CanExit()) << "the preview is open";
        driver.report().setPrinterName(pdfQueue);
        driver.report().setReportName(QDir(program.folder()).filePath(jobName + QStringLiteral(".rdn")));
        QWidget* preview = shownWindow("frmDisplay");
        ASSERT_NE(preview, nullptr);
        QAbstractButton* print = preview->findChild<QAbstractButton*>(QStringLiteral("cmdToolbar4"));
        ASSERT_NE(print, nullptr);
        QTest::mouseClick(print, Qt::LeftButton);
    }

    // The text of each page of this test's PDF job.
    QStringList printedPages() const
    {
        const QString pdf = printedFile(jobName);
        return pdf.isEmpty() ? QStringList() : pageTexts(pdf);
    }

    const QString jobName = QStringLiteral("invoice-test-%1-%2")
                                .arg(QCoreApplication::applicationPid())
                                .arg(QDateTime::currentMSecsSinceEpoch());
};

TEST_F(PrintedInvoiceTest, ALongInvoiceIsPrintedWholeWithThePageHeaderAtopEachLaterPage)
{
    setRates(5, 8);
    clsSimple driver(*program.app,
                     storeInvoice(database(), QStringLiteral("Acme Tools"), 9, december7,
                                  numberedJobs(QStringLiteral("Task "), 150)));
    driver.setOutput(cOutputToScreen);
    driver.PrintReport();
    EXPECT_EQ(driver.report().PageCount(), 3);
    pressPrint(driver);
    EXPECT_EQ(program.app->state.LastOutputTarget, quirepress::cOutputToPrinter);

    const QStringList pages = printedPages();
    ASSERT_EQ(pages.size(), 3);
    for (int page = 1; page < 3; ++page)
        EXPECT_TRUE(pages[page].trimmed().startsWith(pageHeaderText)) << pages[page].left(300).toStdString();
    // The page footer is filled before the first page ends, so every page
    // of the invoice carries its date, not only the last one.
    for (const QString& page : pages)
        EXPECT_TRUE(page.contains(QStringLiteral("Monday, December 7, 2026"))) << page.right(300).toStdString();
    const QString all = pages.join(u'\n').simplified();
    for (int job = 1; job <= 150; ++job)
        EXPECT_TRUE(all.contains(QStringLiteral("Task %1 $%2.00").arg(job).arg(job))) << job;
    // 11,325.00 with 5% and 8%: 566.25 and 906.00.
    EXPECT_TRUE(all.contains(QStringLiteral("Grand Total: $12,797.25"))) << all.right(400).toStdString();
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(PrintedInvoiceTest, ThePrintButtonPrintsTheInvoiceOfItsPreviewAfterAnotherWasSelected)
{
    const auto ours = BuildInvoiceData(
        database(), 1,
        storeInvoice(database(), QStringLiteral("Alpha Ltd"), 1, december7, {{"Alpha work", 10'000}}).customerId);
    clsSimple driver(*program.app, ours);
    const auto other = storeInvoice(database(), QStringLiteral("Beta Inc"), 2, december7, {{"Beta work", 20'000}});
    driver.setOutput(cOutputToScreen);
    driver.PrintReport();
    // Another invoice window prints before this preview's Print is pressed.
    BuildInvoiceData(database(), other.invoiceId, other.customerId);
    pressPrint(driver);

    const QString all = printedPages().join(u'\n');
    EXPECT_TRUE(all.contains(QStringLiteral("Alpha Ltd")) && all.contains(QStringLiteral("Alpha work")))
        << all.toStdString();
    EXPECT_FALSE(all.contains(QStringLiteral("Beta")));
}

// The delivered layout written as a PDF file, read back as pdftotext lays
// out its pages.
class DeliveredInvoiceTest : public InvoiceDocumentTest {
protected:
    DeliveredInvoiceTest()
    {
        QFile::remove(program.app->path(QStringLiteral("Reports/simple.rdn")));
        program.installDeliveredReports();
    }

    QStringList pdfPages(InvoiceSelection invoice)
    {
        const QString path = program.app->path(QStringLiteral("invoice.pdf"));
        clsSimple driver(*program.app, invoice);
        driver.setOutput(quirepress::cOutputToPDFFile);
        driver.setOutputFile(path);
        EXPECT_TRUE(driver.PrintReport());
        EXPECT_TRUE(program.messages.empty());
        return pageTexts(path);
    }

    // The pages' text without the page headers, the page footers and the
    // amounts, and without blanks: what the descriptions must be found in.
    static QString descriptionsOf(const QStringList& pages)
    {
        QString text;
        for (const QString& page : pages)
            for (const QString& line : page.split(u'\n'))
                if (!line.contains(QStringLiteral("December 7, 2026")) && !line.contains(QStringLiteral("Amount")))
                    text += line;
        text.remove(QRegularExpression(QStringLiteral("\\$[\\d,]+\\.\\d\\d")));
        return withoutBlanks(text);
    }

    static QString withoutBlanks(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }
};

TEST_F(DeliveredInvoiceTest, ALongDescriptionWrapsInItsColumnWithTheAmountBesideItsFirstWords)
{
    // Many words, and one longer than the column, which is broken.
    const QString longWord = QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconiosis").repeated(3);
    QString description = QStringLiteral("Complete exterior maintenance of the east and west wings:");
    for (int pane = 1; pane <= 12; ++pane)
        description += QStringLiteral(" scaffold, wash, reseal and inspect pane %1;").arg(pane);
    description += u' ' + longWord + QStringLiteral(" and the end.");
    const QStringList pages =
        pdfPages(storeInvoice(database(), QStringLiteral("Acme Tools"), 9, december7,
                              {{description, 12'345'000}, {QStringLiteral("Call-out"), 100'000}}));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(descriptionsOf(pages).contains(withoutBlanks(description) + QStringLiteral("Call-out")))
        << "every word, in order, then the next job: " << pages[0].toStdString();
    const QStringList amountLines = pages[0].split(u'\n').filter(QStringLiteral("$1,234.50"));
    ASSERT_EQ(amountLines.size(), 1) << pages[0].toStdString();
    EXPECT_TRUE(amountLines[0].simplified().startsWith(QStringLiteral("Complete exterior maintenance")))
        << amountLines[0].toStdString();
}

TEST_F(DeliveredInvoiceTest, WrappedJobsBreakPagesAboveAnIntactFooter)
{
    std::vector<StoredJob> jobs;
    for (int job = 1; job <= 40; ++job) {
        QString description = QStringLiteral("Job %1:").arg(job);
        for (int word = 1; word <= 25; ++word)
            description += QStringLiteral(" part%1of%2").arg(word).arg(job);
        jobs.push_back({description, 1'000'000});
    }
    const QStringList pages = pdfPages(storeInvoice(database(), QStringLiteral("Acme Tools"), 9, december7, jobs));
    ASSERT_GE(pages.size(), 2);
    const QString descriptions = descriptionsOf(pages);
    for (const StoredJob& job : jobs)
        EXPECT_TRUE(descriptions.contains(withoutBlanks(job.description))) << job.description.toStdString();
    for (int number = 1; const QString& page : pages) {
        QStringList lines;
        for (const QString& line : page.split(u'\n'))
            if (!line.trimmed().isEmpty())
                lines << line.simplified();
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.last(), QStringLiteral("Monday, December 7, 2026 Invoice 9 Page %1").arg(number))
            << "the footer, alone on the page's last line";
        ++number;
    }
    EXPECT_TRUE(pages.last().simplified().contains(QStringLiteral("Subtotal $4,000.00"))) << pages.last().toStdString();
}

// An invoice keeps the taxes it was issued with, and prints each by its
// name and rate: a later change of the office's taxes changes only the
// invoices that come after it, and those from before taxes were kept on
// invoices. A second tax of no name and no rate prints no line.
TEST_F(DeliveredInvoiceTest, AnInvoiceKeepsTheTaxesItWasIssuedWith)
{
    const InvoiceSelection older =
        storeInvoice(database(), QStringLiteral("Quebec Client"), 1, december7, {{"Older job", 1'000'000}});
    program.exec(QStringLiteral("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('Que', 1)"));
    program.exec(QStringLiteral("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 9975, GSTName = 'GST', "
                                "PSTName = 'QST'"));
    const int32_t issued = InvoiceRecords(database()).createInvoice(QStringLiteral("Que"), older.customerId, december7);
    program.exec(
        QStringLiteral("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (?, ?, ?, ?)"),
        {older.customerId, issued, QStringLiteral("Job"), qint64(1'000'000)});

    // The office moves to Ontario.
    program.exec(QStringLiteral("UPDATE TblMyCompanyInfo SET GSTRate = 13000, PSTRate = 0, GSTName = 'HST', "
                                "PSTName = ''"));
    const auto footer = [this](InvoiceSelection invoice) {
        QStringList lines;
        for (const QString& line : pdfPages(invoice).join(u'\n').split(u'\n'))
            if (const QString shown = line.simplified(); !shown.isEmpty())
                lines << shown;
        const qsizetype subtotal = lines.indexOf(QStringLiteral("Subtotal $100.00"));
        return subtotal < 0 ? lines : lines.mid(subtotal, 4);
    };
    EXPECT_EQ(footer({issued, older.customerId}),
              (QStringList{"Subtotal $100.00", "GST (5%) $5.00", "QST (9.975%) $9.98", "Total $114.98"}));
    EXPECT_EQ(footer(older),
              (QStringList{"Subtotal $100.00", "HST (13%) $13.00", "Total $113.00", "Thank you for your business."}))
        << "an invoice from before taxes were kept takes the office's";

    // Without a second tax the total moves up into its row: no blank row.
    const auto gapAboveTotal = [this](InvoiceSelection invoice) {
        pdfPages(invoice);
        const QString words = toolOutput(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), program.app->path(QStringLiteral("invoice.pdf")), QStringLiteral("-")});
        const auto top = [&words](const QString& word) {
            const QRegularExpression pattern(QStringLiteral("yMin=\"([\\d.]+)\"[^>]*>%1<").arg(word));
            return pattern.match(words).captured(1).toDouble();
        };
        return top(QStringLiteral("Total")) - top(QStringLiteral("Subtotal"));
    };
    const double twoTaxes = gapAboveTotal({issued, older.customerId});
    const double oneTax = gapAboveTotal(older);
    EXPECT_GT(twoTaxes, 0);
    EXPECT_NEAR(twoTaxes - oneTax, 12, 0.5) << "one row of 240 twips, 12 points, less";

    // The registration numbers print in the header, each by its tax's name.
    program.exec(QStringLiteral("UPDATE TblMyCompanyInfo SET GST_Number = '81234 5678 RT0001', "
                                "PSTNumber = '1234567890 TQ0001'"));
    const QString quebec = pdfPages({issued, older.customerId}).join(u'\n').simplified();
    EXPECT_TRUE(quebec.contains(QStringLiteral("GST No. 81234 5678 RT0001"))) << quebec.toStdString();
    EXPECT_TRUE(quebec.contains(QStringLiteral("QST No. 1234567890 TQ0001"))) << quebec.toStdString();
    program.exec(QStringLiteral("UPDATE TblMyCompanyInfo SET PSTNumber = ''"));
    const QString ontario = pdfPages(older).join(u'\n').simplified();
    EXPECT_TRUE(ontario.contains(QStringLiteral("HST No. 81234 5678 RT0001"))) << ontario.toStdString();
    EXPECT_EQ(ontario.count(QStringLiteral("No.")), 3) << "Invoice No., Vendor No. and HST No. only";
}

// The office's language for documents, not the desktop's, writes the
// invoice: its layout, its words, its dates and amounts, and its taxes'
// names, which the office keeps in English.
TEST_F(DeliveredInvoiceTest, AnInvoiceIsWrittenInTheLanguageTheOfficeChoseForDocuments)
{
    program.exec(QStringLiteral("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 9975, GSTName = 'GST', "
                                "PSTName = 'QST', GST_Number = '81234 5678 RT0001'"));
    const InvoiceSelection invoice = storeInvoice(database(), QStringLiteral("Boulangerie Saint-Jean"), 9, december7,
                                                  {{"Réparation du four", 12'345'000}});
    struct Case {
        const char* option;
        QLocale desktop;
        std::vector<const char*> words;
    };
    const QLocale french(QLocale::French, QLocale::Canada);
    const QLocale english(QLocale::English, QLocale::Canada);
    const Case cases[] = {
        {"French",
         english,
         {"FACTURE", "N° de TPS 81234 5678 RT0001", "Réparation du four 1 234,50 $", "Sous-total 1 234,50 $",
          "TPS (5 %) 61,73 $", "TVQ (9,975 %) 123,14 $", "Total 1 419,37 $", "Merci de votre confiance.",
          "lundi 7 décembre 2026 Facture 9 Page 1"}},
        {"English",
         french,
         {"INVOICE", "GST No. 81234 5678 RT0001", "Subtotal $1,234.50", "QST (9.975%) $123.14", "Total $1,419.37",
          "Monday, December 7, 2026 Invoice 9 Page 1"}},
    };
    const QLocale desktop;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        program.app->options.setText(OptionKey::documentLanguage, QString::fromLatin1(c.option));
        QLocale::setDefault(c.desktop);
        // Each line of the page as pdftotext lays it out, blanks made one.
        const QString text = pdfPages(invoice).join(u'\n').split(u'\n').join(u'|').simplified();
        QLocale::setDefault(desktop);
        for (const char* words : c.words)
            EXPECT_TRUE(text.contains(QString::fromUtf8(words))) << words << "\n" << text.toStdString();
    }
}

// An invoice with payments says under its total what was paid and what is
// still owed; one without has no such rows, and no blank lines for them.
TEST_F(DeliveredInvoiceTest, AnInvoiceWithPaymentsSaysWhatIsStillOwed)
{
    setRates(5, 0);
    const InvoiceSelection invoice =
        storeInvoice(database(), QStringLiteral("Acme Tools"), 9, december7, {{"Job", 1'000'000}});
    const auto gapUnderTotal = [&] {
        const QString text = pdfPages(invoice).join(u'\n').simplified();
        const QString words = toolOutput(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-bbox"), program.app->path(QStringLiteral("invoice.pdf")), QStringLiteral("-")});
        const auto top = [&words](const QString& word) {
            const QRegularExpression pattern(QStringLiteral("yMin=\"([\\d.]+)\"[^>]*>%1<").arg(word));
            return pattern.match(words).captured(1).toDouble();
        };
        return std::pair{text, top(QStringLiteral("Thank")) - top(QStringLiteral("Total"))};
    };
    const auto [unpaid, unpaidGap] = gapUnderTotal();
    EXPECT_FALSE(unpaid.contains(QStringLiteral("Balance due"))) << unpaid.toStdString();

    Payments(database(), {})
        .record(invoice.customerId, invoice.invoiceId, Money::fromUnits(400'000), december7, PaymentMethod::Cheque);
    const auto [partly, partlyGap] = gapUnderTotal();
    EXPECT_TRUE(partly.contains(QStringLiteral("Total $105.00 Paid $40.00 Balance due $65.00")))
        << partly.toStdString();
    EXPECT_NEAR(partlyGap - unpaidGap, 33, 0.5) << "two rows, 660 twips, 33 points";
}

// Where the office asks for it, a copy of an issued invoice is titled
// "INVOICE COPY"; a draft, whose printing is the original, never is.
TEST_F(DeliveredInvoiceTest, ACopyOfAnIssuedInvoiceSaysSoWhereTheOfficeWantsIt)
{
    const InvoiceSelection invoice =
        storeInvoice(database(), QStringLiteral("Acme Tools"), 9, december7, {{"Job", 1'000'000}});
    struct Case {
        bool issued;
        bool marked;
        const char* title;
    };
    const Case cases[] = {{false, false, "INVOICE"},
                          {false, true, "INVOICE"},
                          {true, false, "INVOICE"},
                          {true, true, "INVOICE COPY"}};
    for (const Case& with : cases) {
        SCOPED_TRACE(std::string(with.title) + (with.issued ? " issued" : " draft"));
        program.exec(QStringLiteral("UPDATE TblInvoice SET Status = ?"), {with.issued ? 1 : 0});
        program.app->options.setText(OptionKey::markCopies, with.marked ? QStringLiteral("1") : QStringLiteral("0"));
        const QString page = pdfPages(invoice).value(0);
        EXPECT_EQ(page.contains(QStringLiteral("INVOICE COPY")), QString::fromLatin1(with.title).endsWith("COPY"))
            << page.toStdString();
    }
}

TEST(InvoiceForms, MoneyIsRoundedHalfAwayFromZeroAndGroupedByTheLocale)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Case {
        Millionths amount;
        const QLocale& locale;
        QString text;
    };
    const Millionths largest = fromTenThousandths(std::numeric_limits<int64_t>::max());
    const Case cases[] = {
        {0, english, QStringLiteral("0.00")},
        {5'000, english, QStringLiteral("0.01")},
        {4'999, english, QStringLiteral("0.00")},
        {-5'000, english, QStringLiteral("-0.01")},
        {-1'234'565'000, english, QStringLiteral("-1,234.57")},
        {999'995'000, english, QStringLiteral("1,000.00")},
        {1'234'567'500'000, german, QStringLiteral("1.234.567,50")},
        // The largest stored sum with both taxes at 100 %: no overflow.
        {invoiceTotals(largest, 0, TaxRate{100'000}, TaxRate{100'000}).grandTotal, english,
         QStringLiteral("2,767,011,611,056,432.74")},
    };
    for (const Case& with : cases)
        EXPECT_EQ(moneyText(with.amount, with.locale), with.text);
    // The sign comes before the currency, and taking off a negative amount
    // adds it.
    EXPECT_EQ(dollars(-1'234'565'000, english), QStringLiteral("-$1,234.57"));
    EXPECT_EQ(dollars(-4'999, english), QStringLiteral("$0.00"));
    EXPECT_EQ(deductionText(10'000'000, english), QStringLiteral("-$10.00"));
    EXPECT_EQ(deductionText(-10'000'000, english), QStringLiteral("$10.00"));
}

// Each tax is rounded half away from zero to the cent from the unrounded
// total, and the grand total is what the lines above it add up to.
TEST(InvoiceForms, TaxesAreRoundedToTheCentAndTheShownLinesAddUp)
{
    const auto percent = [](int64_t thousandths) { return TaxRate{thousandths}; };
    const auto dollars = [](int64_t cents) { return fromTenThousandths(cents * 100); };
    struct Case {
        int64_t jobsCents;
        int64_t discountPercent;
        TaxRate gst;
        TaxRate pst;
        int64_t gstCents;
        int64_t pstCents;
        int64_t grandTotalCents;
    };
    const Case cases[] = {
        {10'01, 0, percent(5'000), percent(5'000), 50, 50, 11'01}, // halves below a cent go down
        {1'10, 0, percent(5'000), percent(8'000), 6, 9, 1'25}, // once $1.23 under lines of $1.24
        {100'00, 0, percent(5'000), percent(9'975), 5'00, 9'98, 114'98}, // Quebec
        {100'00, 0, percent(13'000), percent(0), 13'00, 0, 113'00}, // Ontario
        {10'10, 0, percent(14'000), percent(0), 1'41, 0, 11'51}, // Nova Scotia
        {10, 0, percent(15'000), percent(0), 2, 0, 12}, // 1.5 cents goes up
        {19'99, 0, percent(5'000), percent(7'000), 1'00, 1'40, 22'39}, // British Columbia
        {30, 0, percent(5'000), percent(9'975), 2, 3, 35}, // 1.5 and 2.9925 cents
        {100'00, 10, percent(13'000), percent(0), 11'70, 0, 101'70}, // taxed after the discount
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.jobsCents);
        const InvoiceTotals totals = invoiceTotals(dollars(c.jobsCents), c.discountPercent, c.gst, c.pst);
        EXPECT_EQ(moneyText(totals.gst, QLocale::c()), moneyText(dollars(c.gstCents), QLocale::c()));
        EXPECT_EQ(moneyText(totals.pst, QLocale::c()), moneyText(dollars(c.pstCents), QLocale::c()));
        EXPECT_EQ(moneyText(totals.grandTotal, QLocale::c()), moneyText(dollars(c.grandTotalCents), QLocale::c()));
        EXPECT_EQ(totals.grandTotal, roundedToCent(totals.total) + totals.gst + totals.pst);
    }
}

// A rate is read exactly as the authorities write it, in the user's
// language, and anything else is refused rather than read as another rate.
TEST(TaxRateTyped, ReadsRatesOfUpToThreeDecimalsAndShowsThemBack)
{
    const QLocale english(QLocale::English, QLocale::Canada);
    const QLocale french(QLocale::French, QLocale::Canada);
    struct Case {
        const QLocale& locale;
        const char* typed;
        std::optional<int64_t> thousandths;
        const char* shown; // as the box shows the rate read
    };
    const Case cases[] = {
        {english, "13", 13'000, "13"},
        {english, "9.975", 9'975, "9.975"},
        {french, "9,975", 9'975, "9,975"},
        {english, " 5 % ", 5'000, "5"},
        {english, "0.5", 500, "0.5"},
        {english, ".5", 500, "0.5"},
        {english, "100", 100'000, "100"},
        {english, "0", 0, "0"},
        {english, "100.001", std::nullopt, ""},
        {english, "9.9751", std::nullopt, ""}, // a fourth decimal is not dropped
        {english, "9,975", std::nullopt, ""}, // a French rate on an English desktop
        {french, "9.975", std::nullopt, ""},
        {english, "-5", std::nullopt, ""},
        {english, "1e1", std::nullopt, ""},
        {english, "", std::nullopt, ""},
        {english, "%", std::nullopt, ""},
        {english, "99999999999999999999", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const auto read = TaxRate::readTyped(QString::fromUtf8(c.typed), c.locale);
        ASSERT_EQ(read.has_value(), c.thousandths.has_value());
        if (read) {
            EXPECT_EQ(read->thousandthsOfPercent, *c.thousandths);
            EXPECT_EQ(read->text(c.locale), QString::fromUtf8(c.shown));
        }
    }
}

// A French document writes dates and amounts as Quebec does, not in the
// English order with French names ("décembre 7, 2026", "$1 234,50").
TEST(InvoiceForms, DatesAndAmountsTakeTheFormOfTheirLanguage)
{
    struct Case {
        QLocale locale;
        const char* shortDate;
        const char* longDate;
        const char* amount;
        const char* negative;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::Canada), "Dec 7, 2026", "Monday, December 7, 2026", "$1,234.50",
         "-$1,234.50"},
        {QLocale(QLocale::French, QLocale::Canada), "7 décembre 2026", "lundi 7 décembre 2026", "1\u00a0234,50\u00a0$",
         "-1\u00a0234,50\u00a0$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        EXPECT_EQ(shortInvoiceDate(december7, c.locale), QString::fromUtf8(c.shortDate));
        EXPECT_EQ(longInvoiceDate(december7, c.locale), QString::fromUtf8(c.longDate));
        EXPECT_EQ(dollars(1'234'500'000, c.locale).replace(QChar(0x202f), QChar(0x00a0)), QString::fromUtf8(c.amount));
        EXPECT_EQ(dollars(-1'234'500'000, c.locale).replace(QChar(0x202f), QChar(0x00a0)),
                  QString::fromUtf8(c.negative));
    }
}

} // namespace
} // namespace quillbill::testing
