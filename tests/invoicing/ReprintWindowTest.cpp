// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The reprint window, driven through its controls on a copy of the delivered
// database, with what it stores read back by SQL.

#include "ProgramControls.h"
#include "QuietDesktopOpener.h"
#include "TestProgram.h"
#include "company/frmEdit.h"
#include "invoicing/frmReprint.h"
#include "mail/MailSettings.h"
#include "mail/frmEmail.h"
#include "records/company/MyCompanyRecord.h"
#include "records/invoices/InvoiceRecords.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSqlQuery>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace quillbill {
namespace {

using testing::chooseInList;
using testing::control;
using testing::RecordingMessageBoxes;
using testing::TestProgram;

// Numbers past 16 bits: cut to 16 bits, the first customer's number is the
// second's, and both have an invoice of the same number.
constexpr int obrien = 70000;
constexpr int harbour = 70000 % 65536;
constexpr int sharedInvoice = 100000;

QString shortDate(const QDate& date) { return QLocale().toString(date, QLocale::ShortFormat); }

class ReprintWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) VALUES "
                     "(?, 'O''Brien & Sons', '12 Harbour Road', 'Halifax', 'NS', 'B3H1A1', 'OBR'), "
                     "(?, 'Harbour Holdings', '9 Hill St', 'Truro', 'NS', 'B2N1A1', 'HAR'), "
                     "(9, 'Empty Ltd', '1 Main St', 'Truro', 'NS', 'B2N1A2', 'EMP')",
                     {obrien, harbour});
        program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Paid, PaidDate, Discount) VALUES "
                     "(1, ?, '2026-01-05', 0, NULL, 5), (2, ?, '2026-02-05', -1, '2026-02-20', 0), "
                     "(?, ?, '2026-03-05', 0, NULL, 0), (?, ?, '2026-03-06', 0, NULL, 0)",
                     {obrien, obrien, sharedInvoice, obrien, sharedInvoice, harbour});
        program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                     "(?, 1, 'Gutter clearing', 855000), (?, 1, 'Window washing', 12000000), "
                     "(?, ?, 'Roof repair', 10000)",
                     {obrien, obrien, obrien, sharedInvoice});
        open();
    }

    void open()
    {
        window = std::make_unique<frmReprint>(*program.app);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QTreeWidget* invoices() { return control<QTreeWidget>(window.get(), "ListView1"); }
    QTreeWidget* jobs() { return control<QTreeWidget>(window.get(), "ListView2"); }
    QGroupBox* paymentGroup() { return control<QGroupBox>(window.get(), "FrameEdit"); }
    QLineEdit* dateBox() { return control<QLineEdit>(window.get(), "txtDatePaid"); }
    QCalendarWidget* calendar() { return control<QCalendarWidget>(window.get(), "calDatePicker"); }
    void click(const char* name) { QTest::mouseClick(control<QWidget>(window.get(), name), Qt::LeftButton); }

    // Clicks the check box's box, which the middle of a wide one is not.
    void clickPaid()
    {
        auto* paid = control<QCheckBox>(window.get(), "chkPaid");
        QStyleOptionButton option;
        option.initFrom(paid);
        const QRect box = paid->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, paid);
        QTest::mouseClick(paid, Qt::LeftButton, {}, box.center());
    }

    void choose(const QString& company) { chooseInList(control<QComboBox>(window.get(), "cmbCustomerID"), company); }

    void clickInvoice(int row)
    {
        QTreeWidgetItem* item = invoices()->topLevelItem(row);
        ASSERT_NE(item, nullptr);
        // On the invoice number: the row may be wider than the list.
        const QRect number = invoices()->visualRect(invoices()->indexFromItem(item, 0));
        QTest::mouseClick(invoices()->viewport(), Qt::LeftButton, {}, number.center());
        ASSERT_EQ(invoices()->currentItem(), item);
    }

    // Clicks the date box, which opens the calendar, and clicks `date` in it.
    void pickDate(const QDate& date)
    {
        QTest::mouseClick(dateBox(), Qt::LeftButton);
        ASSERT_TRUE(calendar()->isVisible());
        EXPECT_TRUE(dateBox()->text().isEmpty()) << "a click empties the box";
        calendar()->setSelectedDate(date); // turns to the date's month
        auto* days = calendar()->findChild<QAbstractItemView*>("qt_calendar_calendarview");
        ASSERT_NE(days, nullptr);
        QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->visualRect(days->currentIndex()).center());
    }

    QStringList invoiceRow(int row)
    {
        QStringList texts;
        for (int column = 0; column < invoices()->columnCount(); ++column)
            texts << invoices()->topLevelItem(row)->text(column);
        return texts;
    }

    // Paid and PaidDate of a stored invoice, as "-1 2026-02-20"; "gone" when
    // there is no such row.
    QString payment(int customer, int invoice) const
    {
        QSqlQuery query = program.app->state.MainDatabase.execute(
            "SELECT Paid, coalesce(PaidDate, 'NULL') FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?",
            {customer, invoice});
        return query.next() ? query.value(0).toString() + ' ' + query.value(1).toString() : QStringLiteral("gone");
    }

    TestProgram program;
    std::unique_ptr<frmReprint> window;
};

TEST_F(ReprintWindow, ListsTheInvoicesWithTheirPaymentAndACustomerWithoutInvoicesNothing)
{
    choose("O'Brien & Sons");
    ASSERT_EQ(invoices()->topLevelItemCount(), 3);
    EXPECT_TRUE(invoices()->isEnabled());
    EXPECT_EQ(invoiceRow(0), QStringList({"1", shortDate({2026, 1, 5}), "False", "", "5", "Draft"}));
    EXPECT_EQ(invoiceRow(1),
              QStringList({"2", shortDate({2026, 2, 5}), "True", shortDate({2026, 2, 20}), "0", "Draft"}));
    EXPECT_EQ(invoiceRow(2).at(0), QString::number(sharedInvoice));
    EXPECT_EQ(invoices()->currentItem(), invoices()->topLevelItem(0));
    ASSERT_EQ(jobs()->topLevelItemCount(), 2);
    EXPECT_EQ(jobs()->topLevelItem(0)->text(0), "Gutter clearing");
    EXPECT_EQ(jobs()->topLevelItem(0)->text(1), "$85.50");
    EXPECT_TRUE(jobs()->topLevelItem(0)->font(1).bold());
    EXPECT_EQ(jobs()->topLevelItem(1)->text(1), "$1,200.00");
    EXPECT_EQ(paymentGroup()->title(), "Update Invoice # 1");

    clickInvoice(1);
    EXPECT_EQ(paymentGroup()->title(), "Update Invoice # 2");
    EXPECT_TRUE(control<QCheckBox>(window.get(), "chkPaid")->isChecked());
    EXPECT_EQ(dateBox()->text(), shortDate({2026, 2, 20}));
    EXPECT_EQ(jobs()->topLevelItemCount(), 0);

    choose("Empty Ltd");
    EXPECT_EQ(invoices()->topLevelItemCount(), 0);
    EXPECT_EQ(jobs()->topLevelItemCount(), 0);
    EXPECT_FALSE(invoices()->isEnabled());
    // With no invoice selected the buttons do nothing.
    program.app->state.LastOutputTarget = 0;
    click("cmdPrintInvoice");
    click("cmdEmail");
    click("cmdUpdate");
    EXPECT_EQ(program.app->state.LastOutputTarget, 0);
    EXPECT_TRUE(window->findChildren<frmEmail*>().isEmpty());
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(ReprintWindow, ThePaymentGroupOpensFromLevelTwo)
{
    const std::pair<int16_t, bool> cases[] = {{1, false}, {2, true}, {3, true}};
    for (const auto& [level, open] : cases) {
        SCOPED_TRACE(level);
        program.app->state.UserLevel = level;
        ReprintWindow::open();
        EXPECT_FALSE(paymentGroup()->isEnabled()) << "closed until an invoice is selected";
        choose("O'Brien & Sons");
        EXPECT_EQ(paymentGroup()->isEnabled(), open);
    }
}

TEST_F(ReprintWindow, ALevelOneUserPrintsAndMailsAndTheMailWindowWaitsForTheHtmlFile)
{
    ASSERT_TRUE(testing::installQuietDesktopOpener());
    program.app->state.UserLevel = 1;
    ReprintWindow::open();
    choose("O'Brien & Sons");

    // Without its layout the document is not made: no mail window, even
    // though the last run before it wrote an HTML file.
    program.app->state.LastOutputTarget = 4;
    click("cmdEmail");
    EXPECT_TRUE(window->findChildren<frmEmail*>().isEmpty());
    EXPECT_EQ(program.app->state.AttachmentPath, "");
    EXPECT_FALSE(program.messages.empty()) << "the missing layout is told";

    program.installDeliveredReports();
    program.messages.clear();
    click("cmdPrintInvoice");
    EXPECT_EQ(program.app->state.LastOutputTarget, 1) << "shown on the screen";
    EXPECT_TRUE(window->findChildren<frmEmail*>().isEmpty());

    click("cmdEmail");
    QFile written(program.app->state.AttachmentPath);
    EXPECT_EQ(QFileInfo(written).suffix(), "html");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "no invoice written";
    EXPECT_TRUE(written.readAll().contains("Gutter clearing"));
    const auto opened = window->findChildren<frmEmail*>();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.front()->isInvoiceMode());
    EXPECT_TRUE(opened.front()->isModal());
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(ReprintWindow, AnInvoiceWithoutJobsIsNeitherMailedNorPrintedAndTheUserIsToldWhy)
{
    ASSERT_TRUE(testing::installQuietDesktopOpener());
    program.installDeliveredReports();
    choose("O'Brien & Sons");
    clickInvoice(1);
    ASSERT_EQ(jobs()->topLevelItemCount(), 0);

    program.app->state.LastOutputTarget = 0;
    for (const char* name : {"cmdEmail", "cmdPrintInvoice"}) {
        SCOPED_TRACE(name);
        program.messages.clear();
        click(name);
        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_TRUE(program.messages.last().text.contains("no jobs")) << program.messages.last().text.toStdString();
        EXPECT_EQ(program.app->state.LastOutputTarget, 0) << "no document made";
        EXPECT_TRUE(window->findChildren<frmEmail*>().isEmpty());
        EXPECT_EQ(program.app->state.AttachmentPath, "");
    }
}

TEST_F(ReprintWindow, WithPdfChosenTheMailWindowWaitsForThePdfFile)
{
    ASSERT_TRUE(testing::installQuietDesktopOpener());
    MailSettings settings = MailSettings::load(program.app->options);
    settings.invoicesAs = InvoiceAttachment::PdfDocument;
    settings.save(program.app->options);
    ReprintWindow::open();
    choose("O'Brien & Sons");

    // A PDF target last time does not stand in for a document that was not
    // made.
    program.app->state.LastOutputTarget = 9;
    click("cmdEmail");
    EXPECT_TRUE(window->findChildren<frmEmail*>().isEmpty());

    program.installDeliveredReports();
    click("cmdEmail");
    QFile written(program.app->state.AttachmentPath);
    EXPECT_EQ(QFileInfo(written).suffix(), "pdf");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-") << "the file is this run's PDF";
    EXPECT_EQ(window->findChildren<frmEmail*>().size(), 1);
}

// The third invoice's number is also an invoice of another customer, whose
// number is the shown customer's cut to 16 bits: only the shown row changes.
TEST_F(ReprintWindow, MarkingTheThirdInvoicePaidShowsItPaidSelectsTheFirstAndWritesOnlyThatRow)
{
    choose("O'Brien & Sons");
    clickInvoice(2);
    EXPECT_EQ(paymentGroup()->title(), QString("Update Invoice # %1").arg(sharedInvoice));
    clickPaid();
    const QDate paidOn = QDate::currentDate().addDays(-3);
    pickDate(paidOn);
    EXPECT_EQ(dateBox()->text(), shortDate(paidOn));
    click("cmdUpdate");

    EXPECT_TRUE(program.messages.empty()) << "a date was given: no question";
    EXPECT_EQ(payment(obrien, sharedInvoice), "-1 " + paidOn.toString(Qt::ISODate));
    EXPECT_EQ(payment(harbour, sharedInvoice), "0 NULL");
    EXPECT_EQ(payment(obrien, 1), "0 NULL");
    ASSERT_EQ(invoices()->topLevelItemCount(), 3);
    EXPECT_EQ(invoiceRow(2).mid(2, 2), QStringList({"True", shortDate(paidOn)}));
    EXPECT_EQ(invoices()->currentItem(), invoices()->topLevelItem(0));
    EXPECT_EQ(paymentGroup()->title(), "Update Invoice # 1");
    EXPECT_FALSE(calendar()->isVisible());
}

// Payments in parts: the balance shrinks with each, and the invoice is paid
// when nothing is owed, on the day of the payment that settled it; more
// than is owed is refused; a payment recorded by mistake is reversed by a
// line of its own, and the invoice owes again.
TEST_F(ReprintWindow, PaymentsInPartsSettleTheInvoiceAndAMistakeIsReversed)
{
    program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 0");
    choose("O'Brien & Sons");
    clickInvoice(2);
    auto* amount = control<QLineEdit>(window.get(), "txtPaymentAmount");
    auto* balance = control<QLabel>(window.get(), "lblBalance");
    auto* payments = control<QTreeWidget>(window.get(), "ListView3");
    const auto pay = [&](const char* typed, const char* how, const QDate& day) {
        pickDate(day);
        amount->clear();
        QTest::keyClicks(amount, typed);
        chooseInList(control<QComboBox>(window.get(), "cboPaymentMethod"), how);
        click("cmdRecordPayment");
    };
    const auto paymentRows = [&] {
        QStringList rows;
        for (int row = 0; row < payments->topLevelItemCount(); ++row)
            rows << payments->topLevelItem(row)->text(1) + ' ' + payments->topLevelItem(row)->text(2);
        return rows;
    };
    EXPECT_EQ(balance->text(), "With taxes $1.05, paid $0.00, owed $1.05");

    const QDate monday = QDate::currentDate().addDays(-7);
    const QDate friday = QDate::currentDate().addDays(-3);
    pay("0.50", "Cheque", monday);
    EXPECT_EQ(invoices()->currentItem(), invoices()->topLevelItem(2)) << "the invoice stays selected";
    EXPECT_EQ(balance->text(), "With taxes $1.05, paid $0.50, owed $0.55");
    EXPECT_EQ(payment(obrien, sharedInvoice), "0 NULL");

    pay("0.56", "Cash", friday);
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("has $0.55 left to pay"))
        << program.messages.last().text.toStdString();
    EXPECT_EQ(paymentRows(), QStringList{"$0.50 Cheque"}) << "nothing was recorded";

    pay("0.55", "Transfer", friday);
    EXPECT_EQ(payment(obrien, sharedInvoice), "-1 " + friday.toString(Qt::ISODate));
    EXPECT_EQ(invoiceRow(2).mid(2, 2), QStringList({"True", shortDate(friday)}));
    EXPECT_EQ(balance->text(), "With taxes $1.05, paid $1.05, owed $0.00");

    // The cheque bounced.
    payments->setCurrentItem(payments->topLevelItem(0));
    click("cmdReversePayment");
    EXPECT_TRUE(program.messages.last().noIsDefault) << "a reversal asks with No first";
    EXPECT_EQ(payment(obrien, sharedInvoice), "0 NULL");
    EXPECT_EQ(paymentRows(), (QStringList{"$0.50 Cheque", "$0.55 Transfer", "-$0.50 Reversal"}));
    EXPECT_EQ(balance->text(), "With taxes $1.05, paid $0.55, owed $0.50");
    payments->setCurrentItem(payments->topLevelItem(0));
    EXPECT_FALSE(control<QPushButton>(window.get(), "cmdReversePayment")->isEnabled()) << "reversed once only";
}

TEST_F(ReprintWindow, PaidWithoutADateAsksAndOnlyYesStoresIt)
{
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        program.messages.clear();
        program.messages.answerNext(yes);
        choose("O'Brien & Sons");
        clickInvoice(1); // paid on 2026-02-20
        QTest::mouseClick(dateBox(), Qt::LeftButton);
        click("cmdUpdate");

        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Question);
        EXPECT_EQ(program.messages.last().text, "You are about to enter a Null date. Are you sure?");
        EXPECT_EQ(program.messages.last().title, "Verify Information");
        EXPECT_EQ(payment(obrien, 2), yes ? "-1 NULL" : "-1 2026-02-20");
    }
}

// A date typed in the user's own form is taken with its year in four digits
// or in two; what is not a date, or is after today, is refused before
// anything is written.
TEST_F(ReprintWindow, ATypedPaymentDateIsReadInTheUsersFormOrRefused)
{
    const QDate tomorrow = QDate::currentDate().addDays(1);
    struct Case {
        QLocale locale;
        QString typed;
        std::optional<QDate> stored; // nullopt: refused
    };
    const QLocale french(QLocale::French, QLocale::Canada);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    const Case cases[] = {
        {french, "2026-02-27", QDate(2026, 2, 27)},
        {american, "2/27/2026", QDate(2026, 2, 27)},
        {american, "2/27/26", QDate(2026, 2, 27)},
        {french, "2/27/2026", std::nullopt},
        {american, "2026-02-30", std::nullopt},
        {american, "soon", std::nullopt},
        {french, tomorrow.toString("yyyy-MM-dd"), std::nullopt},
    };
    const QLocale desktop;
    for (const Case& c : cases) {
        SCOPED_TRACE((c.locale.name() + " " + c.typed).toStdString());
        QLocale::setDefault(c.locale);
        program.messages.clear();
        choose("O'Brien & Sons");
        clickInvoice(1); // paid on 2026-02-20
        QTest::mouseClick(dateBox(), Qt::LeftButton);
        QTest::keyClicks(dateBox(), c.typed);
        click("cmdUpdate");
        QLocale::setDefault(desktop);
        if (c.stored) {
            EXPECT_TRUE(program.messages.empty());
            EXPECT_EQ(payment(obrien, 2), "-1 " + c.stored->toString(Qt::ISODate));
        } else {
            ASSERT_EQ(program.messages.messages.size(), 1u);
            EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
            EXPECT_EQ(payment(obrien, 2), "-1 2026-02-20") << "nothing written";
            EXPECT_TRUE(dateBox()->hasFocus());
        }
        program.exec("UPDATE TblInvoice SET PaidDate = '2026-02-20' WHERE InvoiceID = 2");
    }
}

TEST_F(ReprintWindow, TomorrowIsRefusedAndTheBoxStaysEmpty)
{
    choose("O'Brien & Sons");
    clickInvoice(1);
    pickDate(QDate::currentDate().addDays(1));
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().text, "Selected date cannot be greater that today.");
    EXPECT_TRUE(dateBox()->text().isEmpty());
    EXPECT_EQ(calendar()->selectedDate(), QDate::currentDate());
}

// What another program did to the invoice between showing and saving is
// told, never written over, and never taken for a save.
TEST_F(ReprintWindow, AnInvoiceChangedOrDeletedMeanwhileIsToldAndNotOverwritten)
{
    struct Case {
        const char* meanwhile;
        const char* told;
        QString stored;
        QString listedPaid;
    };
    const Case cases[] = {
        {"DELETE FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?", "no longer in the database", "gone", "False"},
        {"UPDATE TblInvoice SET Paid = -1, PaidDate = '2026-06-01' WHERE CustomerID = ? AND InvoiceID = ?",
         "changed elsewhere", "-1 2026-06-01", "True"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meanwhile);
        program.messages.clear();
        program.exec("DELETE FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?", {obrien, sharedInvoice});
        program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date) VALUES (?, ?, '2026-03-05')",
                     {sharedInvoice, obrien});
        choose("O'Brien & Sons");
        clickInvoice(2);
        clickPaid();
        pickDate(QDate::currentDate());
        program.exec(c.meanwhile, {obrien, sharedInvoice});
        click("cmdUpdate");

        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
        EXPECT_TRUE(program.messages.last().text.contains(c.told)) << program.messages.last().text.toStdString();
        EXPECT_EQ(payment(obrien, sharedInvoice), c.stored);
        ASSERT_EQ(invoices()->topLevelItemCount(), 3);
        EXPECT_EQ(invoices()->currentItem(), invoices()->topLevelItem(2)) << "not rebuilt as after a save";
        EXPECT_EQ(invoiceRow(2).at(2), c.listedPaid);
    }
}

// The office changes its taxes through its own window after an invoice was
// issued: the invoice mailed again carries the taxes and total it was sent
// with, by their names and rates.
TEST_F(ReprintWindow, AnInvoiceMailedAfterTheOfficeChangesItsTaxesKeepsTheTaxesItWasIssuedWith)
{
    ASSERT_TRUE(testing::installQuietDesktopOpener());
    program.installDeliveredReports();
    program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) VALUES "
                 "(20, 'Tremblay Inc', '5 Rue Laval', 'Quebec', 'QC', 'G1R4S9', 'TRE')");
    program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('TRE', 1)");
    program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 9975, GSTName = 'GST', PSTName = 'QST'");
    const Database& database = program.app->state.MainDatabase;
    const int32_t issued = InvoiceRecords(database).createInvoice("TRE", 20, {2026, 12, 7});
    program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (20, ?, 'Audit', ?)",
                 {issued, qint64(1'000'000)});

    frmEdit company(*program.app);
    company.show();
    const std::pair<const char*, QString> typed[] = {{"txtGST", "13"},
                                                     {"txtPST", "0"},
                                                     {"txtGSTName", "HST"},
                                                     {"txtPSTName", ""}};
    for (const auto& [name, text] : typed) {
        auto* box = control<QLineEdit>(&company, name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    QTest::mouseClick(control<QPushButton>(&company, "cmdSave"), Qt::LeftButton);
    ASSERT_TRUE(program.messages.empty());
    ASSERT_EQ(MyCompanyRecord(database).load().value().gstName, "HST") << "the office's taxes changed";

    ReprintWindow::open();
    choose("Tremblay Inc");
    click("cmdEmail");
    QFile written(program.app->state.AttachmentPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "no invoice written";
    const QString html = QString::fromUtf8(written.readAll());
    for (const char* shown : {"GST (5%)", "$5.00", "QST (9.975%)", "$9.98", "$114.98"})
        EXPECT_TRUE(html.contains(shown)) << shown;
    EXPECT_FALSE(html.contains("HST")) << html.toStdString();
}

} // namespace
} // namespace quillbill
