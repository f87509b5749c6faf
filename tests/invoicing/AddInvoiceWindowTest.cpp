// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The invoice creation window, driven through its controls on a copy of the
// delivered database, with what it stores read back by SQL.

#include "LockingProcess.h"
#include "ProgramControls.h"
#include "QuietDesktopOpener.h"
#include "TestProgram.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/frmAddInvoice.h"
#include "invoicing/frmReprint.h"
#include "records/DatabaseError.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <QAbstractItemModel>

#include <sqlite3.h>

#include <algorithm>
#include <clocale>
#include <memory>

namespace quillbill {
namespace {

using testing::chooseInList;
using testing::control;
using testing::LockingProcess;
using testing::RecordingMessageBoxes;
using testing::TestProgram;

const QString sumNotEntered = QStringLiteral("Sum Field not entered correctly. Please fix.");
const QString descriptionBlank = QStringLiteral("Job Description cannnot be blank.");
const QString negativeSum = QStringLiteral("A job cannot have a negative amount.");
const QString discountOutOfRange = QStringLiteral("The discount is a whole number of per cent from 0 to 100.");

class AddInvoiceWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Two customers share the billing code "OBR", whose counter is at 41.
        program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) VALUES "
                     "(7, 'O''Brien & Sons', '12 Harbour Road', 'Halifax', 'NS', 'B3H1A1', 'OBR'), "
                     "(8, 'Brien Holdings', '9 Hill St', 'Truro', 'NS', 'B2N1A1', 'OBR'), "
                     "(9, 'No Counter Ltd', '1 Main St', 'Truro', 'NS', 'B2N1A2', 'NONE')");
        program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('OBR', 41)");
        window = std::make_unique<frmAddInvoice>(*program.app);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QComboBox* customers() { return control<QComboBox>(window.get(), "cmbCustomerID"); }
    QLineEdit* box(const char* name) { return control<QLineEdit>(window.get(), name); }
    QPushButton* button(const char* name) { return control<QPushButton>(window.get(), name); }
    QTreeWidget* jobList() { return control<QTreeWidget>(window.get(), "ListView1"); }

    void choose(const QString& company) { chooseInList(customers(), company); }

    void generate() { QTest::mouseClick(button("cmdMakeInvoiceID"), Qt::LeftButton); }

    // Types over the discount box's text and ends the entry with Enter.
    void typeDiscount(const QString& percent)
    {
        box("txtDiscount")->selectAll();
        QTest::keyClicks(box("txtDiscount"), percent);
        QTest::keyClick(box("txtDiscount"), Qt::Key_Return);
    }

    int storedDiscount() const { return count("SELECT Discount FROM TblInvoice WHERE CustomerID = 7"); }

    void enterJob(const QString& description, const QString& sum)
    {
        box("txtJobDescription")->setText(description);
        box("txtSums")->selectAll();
        QTest::keyClicks(box("txtSums"), sum);
        QTest::keyClick(box("txtSums"), Qt::Key_Return);
    }

    int count(const QString& sql) const
    {
        QSqlQuery query = program.app->state.MainDatabase.execute(sql);
        return query.next() ? query.value(0).toInt() : -1;
    }

    // The stored sum of the invoice's last job, in ten-thousandths.
    qlonglong lastSum() const
    {
        QSqlQuery query = program.app->state.MainDatabase.execute("SELECT Sums FROM TblJobs ORDER BY JobID DESC");
        return query.next() ? query.value(0).toLongLong() : -1;
    }

    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    TestProgram program;
    std::unique_ptr<frmAddInvoice> window;
};

TEST_F(AddInvoiceWindow, IssuesTheNextNumberOfTheBillingCodeAndStoresTheInvoice)
{
    EXPECT_FALSE(button("cmdMakeInvoiceID")->isEnabled()) << "no customer yet";
    EXPECT_FALSE(button("cmdEmail")->isEnabled()) << "no invoice to mail";
    choose("O'Brien & Sons");
    EXPECT_EQ(control<QLabel>(window.get(), "lblAddress")->text(), "12 Harbour Road");
    EXPECT_EQ(control<QLabel>(window.get(), "lblPostal")->text(), "B3H1A1");
    EXPECT_FALSE(box("txtDate")->text().isEmpty());

    generate();
    EXPECT_EQ(box("txtInvoiceID")->text(), "42");
    EXPECT_EQ(count("SELECT InvoiceNumber FROM TblBillingCodes WHERE BillCode = 'OBR'"), 42);
    EXPECT_EQ(count("SELECT count(*) FROM TblInvoice WHERE InvoiceID = 42 AND CustomerID = 7 AND Paid = 0 "
                    "AND Date = date('now', 'localtime')"),
              1);
    EXPECT_FALSE(button("cmdMakeInvoiceID")->isEnabled());
    EXPECT_TRUE(box("txtJobDescription")->isEnabled());
    EXPECT_FALSE(button("cmdPrintInvoice")->isEnabled()) << "no job yet";
    EXPECT_FALSE(button("cmdEmail")->isEnabled()) << "no job yet";

    // The other customer of the code draws the next number of the one counter.
    choose("Brien Holdings");
    EXPECT_TRUE(box("txtInvoiceID")->text().isEmpty());
    generate();
    EXPECT_EQ(box("txtInvoiceID")->text(), "43");
    EXPECT_EQ(count("SELECT count(*) FROM TblInvoice WHERE InvoiceID = 43 AND CustomerID = 8"), 1);
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(AddInvoiceWindow, ABillingCodeWithoutACounterIsReportedAndWritesNothing)
{
    choose("No Counter Ltd");
    generate();
    ASSERT_FALSE(program.messages.empty());
    EXPECT_TRUE(program.messages.last().text.contains("NONE")) << program.messages.last().text.toStdString();
    EXPECT_TRUE(box("txtInvoiceID")->text().isEmpty());
    EXPECT_FALSE(box("txtJobDescription")->isEnabled());
    EXPECT_EQ(count("SELECT count(*) FROM TblInvoice"), 0);
}

TEST_F(AddInvoiceWindow, EnterInTheSumBoxStoresTheJobAndShowsItAsTheInvoiceWill)
{
    choose("O'Brien & Sons");
    generate();
    // A letter is discarded as it is typed; the box's "0.00" is replaced.
    enterJob("Gutter clearing", "85.5x0");
    enterJob("Window washing", "1234.5");

    ASSERT_EQ(jobList()->topLevelItemCount(), 2);
    const QTreeWidgetItem* first = jobList()->topLevelItem(0);
    EXPECT_EQ(first->text(0), "Gutter clearing");
    EXPECT_EQ(first->text(1), "$85.50");
    EXPECT_TRUE(first->font(1).bold());
    EXPECT_EQ(jobList()->topLevelItem(1)->text(1), "$1,234.50") << "as the invoice shows it";
    EXPECT_EQ(box("txtSums")->text(), "0.00");
    EXPECT_TRUE(box("txtJobDescription")->text().isEmpty());
    EXPECT_TRUE(button("cmdPrintInvoice")->isEnabled());
    EXPECT_TRUE(button("cmdEmail")->isEnabled());

    QSqlQuery jobs = program.app->state.MainDatabase.execute(
        "SELECT JobDescription, Sums FROM TblJobs WHERE CustomerID = 7 AND InvoiceID = 42 ORDER BY JobID");
    ASSERT_TRUE(jobs.next());
    EXPECT_EQ(jobs.value(0).toString(), "Gutter clearing");
    EXPECT_EQ(jobs.value(1).toLongLong(), 855000) << "ten-thousandths, exactly";
    ASSERT_TRUE(jobs.next());
    EXPECT_EQ(jobs.value(1).toLongLong(), 12345000);
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(AddInvoiceWindow, ARefusedJobIsExplainedAndStoresAndChangesNothing)
{
    choose("O'Brien & Sons");
    generate();
    enterJob("Kept job", "10");

    struct Case {
        QString description;
        QString sum;
        QString message;
        const char* focused;
    };
    const Case cases[] = {
        {"Painting", "", sumNotEntered, "txtSums"},
        {"Painting", "1.2.3", sumNotEntered, "txtSums"},
        {"Painting", "1.23456", sumNotEntered, "txtSums"},
        {"Painting", "99999999999999999999", sumNotEntered, "txtSums"},
        {"Painting", "0.005", sumNotEntered, "txtSums"},
        {"Painting", "-5", negativeSum, "txtSums"},
        {"Painting", "-0.01", negativeSum, "txtSums"},
        {"", "12.00", descriptionBlank, "txtJobDescription"},
        {"   ", "12.00", descriptionBlank, "txtJobDescription"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(("\"" + c.description + "\" / \"" + c.sum + "\"").toStdString());
        program.messages.clear();
        box("txtJobDescription")->setText(c.description);
        box("txtSums")->clear();
        QTest::keyClicks(box("txtSums"), c.sum);
        QTest::mouseClick(button("cmdAddJob"), Qt::LeftButton);
        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_TRUE(program.messages.last().text.startsWith(c.message)) << program.messages.last().text.toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return box(c.focused)->hasFocus(); }));
        EXPECT_EQ(box("txtSums")->text(), c.sum) << "what was typed stays as typed, for a fix";
        EXPECT_EQ(jobList()->topLevelItemCount(), 1);
        EXPECT_EQ(count("SELECT count(*) FROM TblJobs"), 1);
    }
}

TEST_F(AddInvoiceWindow, AnAmountIsReadInTheLanguageOfTheDesktop)
{
    struct Case {
        QLocale locale;
        QString typed;
        qlonglong stored; // -1: refused
    };
    const Case cases[] = {
        {QLocale(QLocale::French, QLocale::Canada), "12,50", 125000},
        {QLocale(QLocale::French, QLocale::Canada), "1 234,5", 12345000},
        {QLocale(QLocale::German, QLocale::Germany), "1.234,50", 12345000},
        {QLocale(QLocale::German, QLocale::Germany), "12.50", -1},
        {QLocale(QLocale::English, QLocale::Canada), "12,50", -1},
    };
    choose("O'Brien & Sons");
    generate();
    for (const Case& c : cases) {
        SCOPED_TRACE((c.locale.name() + " \"" + c.typed + "\"").toStdString());
        QLocale::setDefault(c.locale);
        program.messages.clear();
        const int listed = jobList()->topLevelItemCount();
        enterJob("Photocopies", c.typed);
        if (c.stored < 0) {
            ASSERT_EQ(program.messages.messages.size(), 1u);
            EXPECT_EQ(program.messages.last().text, sumNotEntered);
            EXPECT_EQ(box("txtSums")->text(), c.typed) << "what was typed is kept, not changed";
            EXPECT_EQ(jobList()->topLevelItemCount(), listed);
            continue;
        }
        EXPECT_TRUE(program.messages.empty());
        EXPECT_EQ(lastSum(), c.stored);
        ASSERT_EQ(jobList()->topLevelItemCount(), listed + 1);
        EXPECT_EQ(jobList()->topLevelItem(listed)->text(1), dollars(fromTenThousandths(c.stored), c.locale));
        EXPECT_EQ(box("txtSums")->text(), u'0' + c.locale.decimalPoint() + "00");
    }
}

// Under a real French desktop, not only a locale set by the program.
TEST_F(AddInvoiceWindow, AFrenchDesktopTakesTheCommaAsTheDecimalSeparator)
{
    constexpr const char* french = "fr_CA.UTF-8";
    if (qEnvironmentVariable("LC_ALL") != QLatin1String(french)) {
        if (!std::setlocale(LC_ALL, french))
            GTEST_SKIP() << "the locale " << french << " is not installed (localedef -i fr_CA -f UTF-8 " << french
                         << ")";
        std::setlocale(LC_ALL, "C.UTF-8");
        QProcess copy;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUILLBILL_TEST_LC_ALL", french);
        copy.setProcessEnvironment(environment);
        copy.setProcessChannelMode(QProcess::MergedChannels);
        copy.start(QCoreApplication::applicationFilePath(),
                   {"--gtest_filter=AddInvoiceWindow.AFrenchDesktopTakesTheCommaAsTheDecimalSeparator"});
        ASSERT_TRUE(copy.waitForFinished(-1));
        const QString output = QString::fromLocal8Bit(copy.readAll());
        EXPECT_EQ(copy.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
        return;
    }
    ASSERT_EQ(QLocale().decimalPoint(), ",");
    choose("O'Brien & Sons");
    generate();
    enterJob("Photocopies", "12,50");
    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(lastSum(), 125000);
}

// While the invoice is a draft a job can be changed (it comes back into the
// boxes, and Add Job stores the change) or deleted after a question whose
// default is No; once the invoice is issued elsewhere, neither is done and
// the buttons say why.
TEST_F(AddInvoiceWindow, ADraftsJobsAreChangedAndDeletedUntilItIsIssued)
{
    choose("O'Brien & Sons");
    generate();
    enterJob("Gutter clearing", "85.50");
    enterJob("Window washing", "12");
    const auto stored = [this] {
        QStringList jobs;
        QSqlQuery rows = program.app->state.MainDatabase.execute(
            "SELECT JobDescription || ' ' || Sums FROM TblJobs WHERE InvoiceID = 42 ORDER BY JobID");
        while (rows.next())
            jobs << rows.value(0).toString();
        return jobs;
    };
    const auto select = [this](int row) {
        jobList()->setCurrentItem(jobList()->topLevelItem(row));
        ASSERT_TRUE(button("cmdEditJob")->isEnabled());
    };

    select(0);
    QTest::mouseClick(button("cmdEditJob"), Qt::LeftButton);
    EXPECT_EQ(box("txtJobDescription")->text(), "Gutter clearing");
    EXPECT_EQ(box("txtSums")->text(), "85.50");
    enterJob("Gutter clearing, both sides", "95");
    EXPECT_EQ(stored(), (QStringList{"Gutter clearing, both sides 950000", "Window washing 120000"}));
    EXPECT_EQ(jobList()->topLevelItem(0)->text(1), "$95.00");
    EXPECT_EQ(button("cmdAddJob")->text(), "Add Job") << "the next job is a new one";

    select(1);
    program.messages.answers = {false};
    QTest::mouseClick(button("cmdDeleteJob"), Qt::LeftButton);
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().noIsDefault);
    EXPECT_EQ(stored().size(), 2) << "No keeps the job";
    program.messages.answers = {true};
    QTest::mouseClick(button("cmdDeleteJob"), Qt::LeftButton);
    EXPECT_EQ(stored(), QStringList{"Gutter clearing, both sides 950000"});
    EXPECT_EQ(jobList()->topLevelItemCount(), 1);

    // Issued at another desk: the change is refused and nothing is written.
    program.exec("UPDATE TblInvoice SET Status = 1 WHERE InvoiceID = 42");
    program.messages.clear();
    select(0);
    QTest::mouseClick(button("cmdEditJob"), Qt::LeftButton);
    enterJob("Changed after sending", "1");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("credit note")) << program.messages.last().text.toStdString();
    EXPECT_EQ(stored(), QStringList{"Gutter clearing, both sides 950000"});
    EXPECT_FALSE(button("cmdEditJob")->isEnabled());
    EXPECT_FALSE(button("cmdDeleteJob")->isEnabled());
    EXPECT_FALSE(button("cmdAddJob")->isEnabled());
    EXPECT_TRUE(button("cmdEditJob")->toolTip().contains("has been issued"));
}

TEST_F(AddInvoiceWindow, JobNumbersComeFromTheDatabaseBeyondSixteenBits)
{
    program.exec("INSERT INTO TblJobs (JobID, CustomerID, InvoiceID, JobDescription, Sums) "
                 "VALUES (32767, 1, 1, 'Old job', 0)");
    choose("O'Brien & Sons");
    generate();
    enterJob("Next job", "5");
    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(count("SELECT JobID FROM TblJobs WHERE InvoiceID = 42"), 32768);
}

TEST_F(AddInvoiceWindow, ChoosingAnotherCustomerStartsOverAndKeepsWhatWasStored)
{
    choose("O'Brien & Sons");
    generate();
    enterJob("Gutter clearing", "85.50");
    choose("Brien Holdings");

    EXPECT_EQ(jobList()->topLevelItemCount(), 0);
    EXPECT_FALSE(button("cmdPrintInvoice")->isEnabled());
    EXPECT_FALSE(button("cmdEmail")->isEnabled());
    EXPECT_FALSE(box("txtJobDescription")->isEnabled());
    EXPECT_TRUE(button("cmdMakeInvoiceID")->isEnabled());
    EXPECT_EQ(control<QLabel>(window.get(), "lblCompany")->text(), "Brien Holdings");
    EXPECT_EQ(count("SELECT count(*) FROM TblInvoice WHERE InvoiceID = 42 AND CustomerID = 7"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM TblJobs WHERE InvoiceID = 42 AND CustomerID = 7"), 1);
}

TEST_F(AddInvoiceWindow, TheNextCustomerStartsWithEmptyJobBoxes)
{
    choose("O'Brien & Sons");
    generate();
    enterJob("Too precise", "0.005");
    ASSERT_EQ(program.messages.messages.size(), 1u) << "refused, so the boxes keep it";

    choose("Brien Holdings");
    EXPECT_TRUE(box("txtJobDescription")->text().isEmpty());
    EXPECT_EQ(box("txtSums")->text(), "0.00");
    generate();
    QTest::mouseClick(box("txtJobDescription"), Qt::LeftButton);
    QTest::keyClicks(box("txtJobDescription"), "Photocopies");
    QTest::keyClick(box("txtSums"), Qt::Key_Return);
    QSqlQuery stored = program.app->state.MainDatabase.execute("SELECT JobDescription FROM TblJobs");
    ASSERT_TRUE(stored.next());
    EXPECT_EQ(stored.value(0).toString(), "Photocopies");
}

TEST_F(AddInvoiceWindow, ClosingWithAJobTypedButNotAddedAsksFirst)
{
    choose("O'Brien & Sons");
    generate();
    enterJob("Added", "10");
    // Nothing typed since: the window closes without a question.
    box("txtJobDescription")->setText("Not added yet");
    program.messages.answerNext(false);
    QTest::mouseClick(button("cmdClose"), Qt::LeftButton);
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Question);
    EXPECT_EQ(program.messages.last().title, "Verify Information");
    EXPECT_TRUE(window->isVisible()) << "No keeps the window and what was typed";
    EXPECT_EQ(box("txtJobDescription")->text(), "Not added yet");

    program.messages.answerNext(true);
    QTest::mouseClick(button("cmdClose"), Qt::LeftButton);
    EXPECT_EQ(program.messages.messages.size(), 2u);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(count("SELECT count(*) FROM TblJobs"), 1);
}

TEST_F(AddInvoiceWindow, ClosingWithNothingTypedAsksNothing)
{
    choose("O'Brien & Sons");
    generate();
    enterJob("Added", "10");
    QTest::mouseClick(button("cmdClose"), Qt::LeftButton);
    EXPECT_TRUE(program.messages.empty());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(AddInvoiceWindow, AnInvoiceGoneMeanwhileTakesNoJobAndTheWindowStartsOver)
{
    choose("O'Brien & Sons");
    generate();
    enterJob("Gutter clearing", "85.50");
    // Another program restores a backup made before invoice 42 was issued.
    program.exec("DELETE FROM TblJobs");
    program.exec("DELETE FROM TblInvoice");

    enterJob("Window washing", "40");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("no longer in the database"))
        << program.messages.last().text.toStdString();
    EXPECT_EQ(count("SELECT count(*) FROM TblJobs"), 0) << "no job of an invoice that is gone";
    EXPECT_TRUE(box("txtInvoiceID")->text().isEmpty());
    EXPECT_EQ(jobList()->topLevelItemCount(), 0);
    EXPECT_FALSE(box("txtJobDescription")->isEnabled());
    EXPECT_TRUE(button("cmdMakeInvoiceID")->isEnabled()) << "a new number can be issued";

    generate();
    EXPECT_EQ(box("txtInvoiceID")->text(), "43");
    enterJob("Window washing", "40");
    EXPECT_EQ(count("SELECT count(*) FROM TblJobs WHERE InvoiceID = 43 AND CustomerID = 7"), 1);
}

TEST_F(AddInvoiceWindow, OnAFullDiskNothingIsIssuedAndTheWindowStaysWhereItWas)
{
    // The file may not grow, and the invoices' pages are full: SQLite
    // answers the next invoice as it answers a full disk.
    const int pages = program.app->state.MainDatabase.firstRow("PRAGMA page_count")->value(0).toInt();
    program.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 4));
    for (int stored = 0, batch = 4096; batch > 0;) {
        try {
            program.exec("WITH RECURSIVE n(i) AS (SELECT ? UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                         "INSERT INTO TblInvoice (InvoiceID, CustomerID) SELECT i, 99 FROM n",
                         {stored + 1, stored + batch});
            stored += batch;
        } catch (const DatabaseError&) {
            batch /= 2;
        }
    }
    choose("O'Brien & Sons");
    generate();
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.startsWith("The disk that holds the database is full"))
        << program.messages.last().text.toStdString();
    EXPECT_TRUE(box("txtInvoiceID")->text().isEmpty());
    EXPECT_FALSE(box("txtJobDescription")->isEnabled()) << "no job entry without an invoice";
    EXPECT_FALSE(button("cmdAddJob")->isEnabled());
    EXPECT_TRUE(button("cmdMakeInvoiceID")->isEnabled()) << "the user may try again";
    EXPECT_EQ(count("SELECT InvoiceNumber FROM TblBillingCodes WHERE BillCode = 'OBR'"), 41);
}

TEST_F(AddInvoiceWindow, TheDiscountIsStoredAndAChangeAfterTheJobsIsWhatIsMailedAndReprinted)
{
    ASSERT_TRUE(testing::installQuietDesktopOpener());
    program.installDeliveredReports();
    choose("O'Brien & Sons");
    typeDiscount("10");
    generate();
    EXPECT_EQ(storedDiscount(), 10) << "stored with the invoice";
    enterJob("Gutter clearing", "100");

    typeDiscount("15");
    EXPECT_EQ(storedDiscount(), 15) << "stored as soon as it is changed";
    QTest::mouseClick(button("cmdEmail"), Qt::LeftButton);
    QFile mailed(program.app->state.AttachmentPath);
    ASSERT_TRUE(mailed.open(QIODevice::ReadOnly)) << "no invoice written";
    const QString document = QString::fromUtf8(mailed.readAll());
    for (const char* text : {"Discount (15%)", "-$15.00", "$85.00"})
        EXPECT_TRUE(document.contains(QLatin1String(text))) << text;
    EXPECT_TRUE(program.messages.empty());

    frmReprint reprint(*program.app);
    reprint.show();
    chooseInList(control<QComboBox>(&reprint, "cmbCustomerID"), "O'Brien & Sons");
    auto* invoices = control<QTreeWidget>(&reprint, "ListView1");
    ASSERT_EQ(invoices->topLevelItemCount(), 1);
    EXPECT_EQ(invoices->headerItem()->text(4), "Dicount (%)");
    EXPECT_EQ(invoices->topLevelItem(0)->text(4), "15");
}

TEST_F(AddInvoiceWindow, ADiscountOutOfRangeIsRefusedAndOneChangedElsewhereIsNotOverwritten)
{
    choose("O'Brien & Sons");
    for (const char* typed : {"101", "-5", "1.5", "ten"}) {
        SCOPED_TRACE(typed);
        program.messages.clear();
        box("txtDiscount")->setText(QString::fromLatin1(typed)); // pasted: typing takes digits only
        generate();
        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_TRUE(program.messages.last().text.startsWith(discountOutOfRange))
            << program.messages.last().text.toStdString();
        EXPECT_EQ(count("SELECT count(*) FROM TblInvoice"), 0) << "no invoice issued";
    }

    box("txtDiscount")->setText("10");
    generate();
    enterJob("Gutter clearing", "100");
    program.messages.clear();
    typeDiscount("250");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.startsWith(discountOutOfRange));
    EXPECT_EQ(storedDiscount(), 10);

    // Another desk sets the discount of this very invoice.
    program.exec("UPDATE TblInvoice SET Discount = 20 WHERE CustomerID = 7");
    program.messages.clear();
    typeDiscount("5");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("changed elsewhere"))
        << program.messages.last().text.toStdString();
    EXPECT_EQ(storedDiscount(), 20) << "not overwritten";
    EXPECT_EQ(box("txtDiscount")->text(), "20") << "shown as it is stored";

    program.messages.clear();
    typeDiscount("5");
    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(storedDiscount(), 5) << "a change made over what is shown is saved";
}

TEST_F(AddInvoiceWindow, ACustomerAddedElsewhereAppearsWhileTheChosenOneStaysShown)
{
    choose("Brien Holdings");
    generate();
    program.exec("INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) "
                 "VALUES ('Newcomer Inc', '5 New St', 'Truro', 'NS', 'B2N1A3', 'OBR')");
    EXPECT_TRUE(QTest::qWaitFor([this] { return customers()->findText("Newcomer Inc") >= 0; },
                                4 * frmAddInvoice::customerRefreshMs));
    EXPECT_EQ(customers()->currentText(), "Brien Holdings");
    EXPECT_EQ(box("txtInvoiceID")->text(), "42") << "the invoice under way is kept";

    // A list the user has open is not refilled under the pointer.
    customers()->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(customers()->view()->window()));
    program.exec("INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) "
                 "VALUES ('Latecomer Inc', '6 New St', 'Truro', 'NS', 'B2N1A4', 'OBR')");
    QSignalSpy tick(control<QTimer>(window.get(), "Timer1"), &QTimer::timeout);
    ASSERT_TRUE(tick.wait(4 * frmAddInvoice::customerRefreshMs));
    EXPECT_LT(customers()->findText("Latecomer Inc"), 0);
    customers()->hidePopup();
    EXPECT_TRUE(QTest::qWaitFor([this] { return customers()->findText("Latecomer Inc") >= 0; },
                                4 * frmAddInvoice::customerRefreshMs));
    EXPECT_EQ(customers()->currentText(), "Brien Holdings");
}

// One tick of Timer1, as its timeout runs it.
void tick(frmAddInvoice& window)
{
    ASSERT_TRUE(QMetaObject::invokeMethod(control<QTimer>(&window, "Timer1"), "timeout", Qt::DirectConnection));
}

// Every change the list's model announces.
struct ModelChanges {
    explicit ModelChanges(QAbstractItemModel* model)
        : resets(model, &QAbstractItemModel::modelReset),
          inserts(model, &QAbstractItemModel::rowsInserted),
          removals(model, &QAbstractItemModel::rowsRemoved),
          edits(model, &QAbstractItemModel::dataChanged),
          layouts(model, &QAbstractItemModel::layoutChanged)
    {}
    qsizetype all() const
    {
        return resets.count() + inserts.count() + removals.count() + edits.count() + layouts.count();
    }

    QSignalSpy resets, inserts, removals, edits, layouts;
};

// With 100,000 customers a read of them all takes a second: a tick reads
// them only when the database has changed, and then changes the list only
// where it changed.
TEST_F(AddInvoiceWindow, ATickReadsTheCustomersOnlyAfterAChangeAndShowsWhatChanged)
{
    choose("Brien Holdings");
    int customerReads = 0;
    program.app->state.MainDatabase.withRawHandle([&](sqlite3* handle) {
        sqlite3_trace_v2(
            handle, SQLITE_TRACE_STMT,
            [](unsigned, void* reads, void*, void* sql) {
                if (QByteArray(static_cast<const char*>(sql)).contains("FROM TblCustomer"))
                    ++*static_cast<int*>(reads);
                return 0;
            },
            &customerReads);
    });
    const ModelChanges changes(customers()->model());
    for (int i = 0; i < 3; ++i)
        tick(*window);
    EXPECT_EQ(customerReads, 0) << "nothing changed";
    EXPECT_EQ(changes.all(), 0);

    // Another program adds a customer.
    const auto otherProgramRuns = [this](const QString& sql) {
        QProcess otherProgram;
        otherProgram.start("sqlite3", {program.databasePath(), sql});
        ASSERT_TRUE(otherProgram.waitForFinished(30000));
        ASSERT_EQ(otherProgram.exitCode(), 0) << otherProgram.readAllStandardError().toStdString();
    };
    const auto listed = [this] {
        QStringList names;
        for (int row = 0; row < customers()->count(); ++row)
            names << customers()->itemText(row);
        return names;
    };
    otherProgramRuns("INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) "
                     "VALUES ('Newcomer Inc', '5 New St', 'Truro', 'NS', 'B2N1A3', 'OBR')");
    tick(*window);
    EXPECT_EQ(customerReads, 1);
    EXPECT_TRUE(listed().contains("Newcomer Inc"));
    EXPECT_TRUE(std::ranges::is_sorted(listed())) << "in its place, alphabetically";
    EXPECT_EQ(customers()->currentText(), "Brien Holdings");
    EXPECT_EQ(changes.inserts.count(), 1);
    EXPECT_EQ(changes.all(), 1) << "the one new customer is added, the rest left as they were";

    // ... and renames it, which moves it in the list.
    otherProgramRuns("UPDATE TblCustomer SET Company = 'Aardvark Co' WHERE Company = 'Newcomer Inc'");
    tick(*window);
    EXPECT_EQ(listed().indexOf("Aardvark Co"), 0);
    EXPECT_FALSE(listed().contains("Newcomer Inc"));
    EXPECT_EQ(customers()->currentText(), "Brien Holdings");
    EXPECT_EQ(changes.resets.count(), 0);
    program.app->state.MainDatabase.withRawHandle(
        [](sqlite3* handle) { sqlite3_trace_v2(handle, 0, nullptr, nullptr); });
}

// A tick never makes the user wait for another program that holds the file.
TEST_F(AddInvoiceWindow, ATickDoesNotWaitForAnotherProgramHoldingTheFile)
{
    choose("Brien Holdings");
    int waits = 0;
    program.app->state.MainDatabase.setWaitNotice([&](bool waiting) { waits += waiting ? 1 : 0; });
    LockingProcess otherProgram(program.databasePath());
    ASSERT_TRUE(otherProgram.locked());
    tick(*window);
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(customers()->currentText(), "Brien Holdings");
    otherProgram.release();
    program.app->state.MainDatabase.setWaitNotice({});
}

} // namespace
} // namespace quillbill
