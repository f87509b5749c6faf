// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The add, review and remove customer windows, driven through their controls
// on a copy of the delivered database, with what they store read back by SQL.

#include "ProgramControls.h"
#include "TestProgram.h"
#include "common/MessageBoxes.h"
#include "company/frmEdit.h"
#include "customers/frmNew.h"
#include "customers/frmRemoveCompany.h"
#include "customers/frmReviewCompany.h"
#include "invoicing/frmAddInvoice.h"
#include "invoicing/frmInvoiceReports.h"
#include "invoicing/frmReprint.h"
#include "records/Database.h"
#include "records/customers/CustomerRecords.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <stdexcept>

namespace quillbill {
namespace {

using testing::control;
using testing::RecordingMessageBoxes;
using testing::TestProgram;

const char* const boxNames[] = {"txtCompany", "txtAddress", "txtCity", "txtProv",
                                "txtPostal",  "txtPhone",   "txtFax",  "txtBillCode"};
const QString cannotGo = QStringLiteral("Cannot goto that record");
const QString checkData = QStringLiteral("Please check entered data.");

QLineEdit* box(QWidget* window, const char* name) { return control<QLineEdit>(window, name); }

void click(QWidget* window, const char* name) { QTest::mouseClick(control<QPushButton>(window, name), Qt::LeftButton); }

// Replaces a box's text by typing `keys`; returns what the box took. The old
// text is selected directly: QTest's Ctrl+A carries the text "a", which a
// digits-only box rightly refuses, where a real keyboard sends a control
// character.
QString type(QWidget* window, const char* name, const QString& keys)
{
    QLineEdit* target = box(window, name);
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, keys);
    return target->text();
}

// The eight boxes' text, in the order of the columns.
QStringList boxes(QWidget* window)
{
    QStringList texts;
    for (const char* name : boxNames)
        texts << box(window, name)->text();
    return texts;
}

// The five labels of the remove window.
QStringList labels(QWidget* window)
{
    QStringList texts;
    for (const char* name : {"lblCompany", "lblAddress", "lblCity", "lblProv", "lblPostal"})
        texts << control<QLabel>(window, name)->text();
    return texts;
}

// Chooses a row of the remove window's list as a user does.
void choose(QWidget* window, int index)
{
    auto* list = control<QComboBox>(window, "cmbCustomerID");
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void expectClosedAs(const QSignalSpy& closing, ChildKind kind)
{
    ASSERT_EQ(closing.count(), 1);
    EXPECT_EQ(closing.at(0).at(0).value<ChildKind>(), kind);
}

void typeAll(QWidget* window, const QStringList& texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        ASSERT_EQ(type(window, boxNames[i], texts[i]), texts[i]) << boxNames[i];
}

class CustomerWindowsTest : public ::testing::Test {
protected:
    template <typename Window>
    std::unique_ptr<Window> open()
    {
        auto window = std::make_unique<Window>(*program.app);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    // Inserts a row as another window would; `columns` as in boxNames.
    int32_t insert(const QStringList& columns) const
    {
        program.exec("INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, Phone, Fax, BillingCode) "
                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                     QVariantList(columns.begin(), columns.end()));
        return rows("SELECT MAX(CustomerID) FROM TblCustomer").front().front().toInt();
    }

    QList<QStringList> rows(const QString& sql) const
    {
        QList<QStringList> result;
        for (const QSqlRecord& record : program.app->state.MainDatabase.rows(sql)) {
            QStringList columns;
            for (int i = 0; i < record.count(); ++i)
                columns << record.value(i).toString();
            result << columns;
        }
        return result;
    }
    QList<QStringList> customers() const
    {
        return rows("SELECT Company, Address, City, Prov, Postal, Phone, Fax, BillingCode FROM TblCustomer "
                    "ORDER BY CustomerID");
    }
    QList<QStringList> billingCodes() const { return rows("SELECT BillCode FROM TblBillingCodes"); }

    void expectOneWarning(const QString& text) const
    {
        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
        EXPECT_EQ(program.messages.last().text, text);
        EXPECT_EQ(program.messages.last().title, "Quillbill");
    }

    TestProgram program;
    const QStringList alpha{"Alpha Ltd", "1 First St", "Ottawa", "ON", "K1A0B1", "(613) 555-0101", "", "ALP"};
    const QStringList beta{"Beta Inc", "2 Second St", "Hull", "QC", "J8X2K1", "8195550102", "", "BET"};
    const QStringList gamma{"Gamma Co", "3 Third St", "Perth", "ON", "K7H1A1", "", "", "GAM"};
};

TEST_F(CustomerWindowsTest, ACustomerWithQuotesIsAddedBrowsedEditedAndRemoved)
{
    auto add = open<frmNew>();
    EXPECT_EQ(add->windowTitle(), "Add New Company");
    QSignalSpy addClosing(add.get(), &ChildWindow::closing);
    typeAll(add.get(), {"O'Brien & Sons", "12 King's Rd", "Quebec", "QC", "G1R4P5", "4185550123", "5550199", "D'Arcy"});
    click(add.get(), "cmdSave");

    EXPECT_TRUE(program.messages.empty());
    const QStringList stored{"O'Brien & Sons", "12 King's Rd",   "Quebec",   "QC",
                             "G1R4P5",         "(418) 555-0123", "555-0199", "D'Arcy"};
    EXPECT_EQ(customers(), QList<QStringList>{stored});
    EXPECT_EQ(billingCodes(), QList<QStringList>{{"D'Arcy"}});
    expectClosedAs(addClosing, ChildKind::AddCustomer);
    EXPECT_FALSE(add->isVisible());

    auto review = open<frmReviewCompany>();
    EXPECT_EQ(review->windowTitle(), "Review/Edit Company");
    EXPECT_EQ(boxes(review.get()), stored);
    EXPECT_FALSE(box(review.get(), "txtBillCode")->isEnabled());
    type(review.get(), "txtAddress", "14 King's Rd");
    EXPECT_EQ(type(review.get(), "txtPhone", "4185550124"), "4185550124");
    click(review.get(), "cmdSave");
    EXPECT_TRUE(program.messages.empty());
    QStringList edited = stored;
    edited[1] = "14 King's Rd";
    edited[5] = "(418) 555-0124";
    EXPECT_EQ(customers(), QList<QStringList>{edited});
    QSignalSpy reviewClosing(review.get(), &ChildWindow::closing);
    click(review.get(), "cmdCancel");
    expectClosedAs(reviewClosing, ChildKind::ReviewCustomers);

    auto remove = open<frmRemoveCompany>();
    EXPECT_EQ(remove->windowTitle(), "Remove Company");
    auto* list = control<QComboBox>(remove.get(), "cmbCustomerID");
    ASSERT_EQ(list->count(), 1);
    choose(remove.get(), 0);

    program.messages.answerNext(false);
    click(remove.get(), "cmdRemove");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Question);
    EXPECT_EQ(program.messages.last().text, "You are about to delete a customer. Are you sure?");
    EXPECT_EQ(program.messages.last().title, "Verify Removal");
    EXPECT_TRUE(program.messages.last().noIsDefault) << "Enter must not delete a customer";
    EXPECT_EQ(customers().size(), 1);

    program.messages.answerNext(true);
    click(remove.get(), "cmdRemove");
    EXPECT_TRUE(customers().isEmpty());
    EXPECT_EQ(billingCodes(), QList<QStringList>{{"D'Arcy"}});
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(labels(remove.get()), QStringList(5)) << "the removed customer is no longer shown";
    QSignalSpy removeClosing(remove.get(), &ChildWindow::closing);
    click(remove.get(), "cmdClose");
    expectClosedAs(removeClosing, ChildKind::RemoveCustomer);
}

TEST_F(CustomerWindowsTest, FilteredBoxesRefuseOtherKeysAndStopAtTheirLength)
{
    auto add = open<frmNew>();
    EXPECT_EQ(type(add.get(), "txtPhone", "613-555 1234"), "6135551234");
    EXPECT_EQ(type(add.get(), "txtPhone", "61355512349"), "6135551234");
    EXPECT_EQ(type(add.get(), "txtFax", "(555) 0199"), "5550199");
    EXPECT_EQ(type(add.get(), "txtPostal", "k1a-0b1x"), "k1a0b1");
    EXPECT_EQ(type(add.get(), "txtCompany", "A-1 (Co.)"), "A-1 (Co.)");

    QTest::keyClick(box(add.get(), "txtPostal"), Qt::Key_Backspace);
    EXPECT_EQ(box(add.get(), "txtPostal")->text(), "k1a0b");
}

TEST_F(CustomerWindowsTest, AnEmptyRequiredBoxStoresNothingAndKeepsTheWindow)
{
    auto add = open<frmNew>();
    QSignalSpy closing(add.get(), &ChildWindow::closing);
    const QStringList typed{"Delta", "4 Fourth St", "", "ON", "K2P1L4", "6135550104", "", "DEL"};
    typeAll(add.get(), typed);
    click(add.get(), "cmdSave");

    expectOneWarning(checkData);
    EXPECT_TRUE(customers().isEmpty());
    EXPECT_TRUE(billingCodes().isEmpty());
    EXPECT_EQ(closing.count(), 0);
    EXPECT_TRUE(add->isVisible());
    EXPECT_EQ(boxes(add.get()), typed);
}

TEST_F(CustomerWindowsTest, NavigationStopsAtBothEndsOnTheSameCustomer)
{
    insert(alpha);
    insert(beta);
    insert(gamma);
    auto review = open<frmReviewCompany>();
    EXPECT_EQ(boxes(review.get()), alpha);

    click(review.get(), "cmdPrevious");
    expectOneWarning(cannotGo);
    EXPECT_EQ(boxes(review.get()), alpha);
    program.messages.clear();

    click(review.get(), "cmdNext");
    EXPECT_EQ(boxes(review.get()), beta);
    click(review.get(), "cmdLast");
    EXPECT_EQ(boxes(review.get()), gamma);
    EXPECT_TRUE(program.messages.empty());

    click(review.get(), "cmdNext");
    expectOneWarning(cannotGo);
    EXPECT_EQ(boxes(review.get()), gamma);
    program.messages.clear();
    click(review.get(), "cmdPrevious");
    EXPECT_EQ(boxes(review.get()), beta) << "a refused Next leaves the position on the last";
    click(review.get(), "cmdFirst");
    EXPECT_EQ(boxes(review.get()), alpha);
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(CustomerWindowsTest, SavingInReviewWritesTheShownCustomerAndBrowsingStartsOver)
{
    insert(alpha);
    insert(beta);
    insert(gamma);
    auto review = open<frmReviewCompany>();

    // Saving unchanged keeps a stored phone in the pattern whole, though it is
    // longer than ten digits can be typed.
    click(review.get(), "cmdSave");
    EXPECT_EQ(customers(), (QList<QStringList>{alpha, beta, gamma}));
    EXPECT_EQ(type(review.get(), "txtPhone", "61355501019"), "6135550101")
        << "the ten-digit limit is back once the shown number is replaced";

    click(review.get(), "cmdLast");
    type(review.get(), "txtCompany", "Gamma & Daughters");
    click(review.get(), "cmdSave");
    EXPECT_TRUE(program.messages.empty());
    QStringList saved = gamma;
    saved[0] = "Gamma & Daughters";
    EXPECT_EQ(customers(), (QList<QStringList>{alpha, beta, saved}));
    EXPECT_EQ(boxes(review.get()), saved);

    click(review.get(), "cmdNext");
    EXPECT_EQ(boxes(review.get()), beta) << "after a save, browsing starts from the first customer";

    type(review.get(), "txtCity", "");
    click(review.get(), "cmdSave");
    expectOneWarning(checkData);
    EXPECT_EQ(customers(), (QList<QStringList>{alpha, beta, saved}));
}

TEST_F(CustomerWindowsTest, TwoSavesInARowEachWriteTheShownCustomer)
{
    insert(alpha);
    auto review = open<frmReviewCompany>();

    type(review.get(), "txtCity", "Kanata");
    click(review.get(), "cmdSave");
    type(review.get(), "txtFax", "6135550199");
    click(review.get(), "cmdSave");

    EXPECT_TRUE(program.messages.empty()) << "the second save was taken for someone else's change";
    QStringList saved = alpha;
    saved[2] = "Kanata";
    saved[6] = "(613) 555-0199";
    EXPECT_EQ(customers(), (QList<QStringList>{saved}));
}

// A second program on the same file: its change made while this window shows
// the customer is never undone by this window's save.
TEST_F(CustomerWindowsTest, ASaveOverAnotherProgramsChangeIsRefusedAndShowsTheCustomerAsItIsNow)
{
    const int32_t id = insert(alpha);
    insert(beta);
    auto review = open<frmReviewCompany>();
    Database otherProgram;
    otherProgram.open(program.databasePath());
    const CustomerRecords elsewhere(otherProgram);

    Customer changed = *elsewhere.find(id);
    changed.city = "Kanata";
    ASSERT_EQ(elsewhere.update(changed), SaveOutcome::Saved);

    type(review.get(), "txtFax", "6135550199");
    click(review.get(), "cmdSave");
    expectOneWarning("Another user changed this customer after you opened it. Nothing was saved; the customer is "
                     "shown as it is now.");
    QStringList now = alpha;
    now[2] = "Kanata";
    EXPECT_EQ(customers(), (QList<QStringList>{now, beta})) << "the other program's city was undone";
    EXPECT_EQ(boxes(review.get()), now);

    // Entered again over the row as it is now, the fax is kept beside the city.
    type(review.get(), "txtFax", "6135550199");
    click(review.get(), "cmdSave");
    EXPECT_EQ(program.messages.messages.size(), 1u);
    now[6] = "(613) 555-0199";
    EXPECT_EQ(customers(), (QList<QStringList>{now, beta}));

    elsewhere.remove(id);
    type(review.get(), "txtFax", "6135550100");
    click(review.get(), "cmdSave");
    ASSERT_EQ(program.messages.messages.size(), 2u);
    EXPECT_EQ(program.messages.last().text,
              "Another user deleted this customer after you opened it. Nothing was saved.");
    EXPECT_EQ(customers(), (QList<QStringList>{beta})) << "a deleted customer came back";
    EXPECT_EQ(boxes(review.get()), beta);
}

TEST_F(CustomerWindowsTest, AnEmptyTableShowsEmptyBoxesAndNothingToGoTo)
{
    auto review = open<frmReviewCompany>();
    EXPECT_EQ(boxes(review.get()), QStringList(8));
    for (const char* button : {"cmdFirst", "cmdPrevious", "cmdNext", "cmdLast"}) {
        program.messages.clear();
        click(review.get(), button);
        expectOneWarning(cannotGo);
    }

    program.messages.clear();
    typeAll(review.get(), {"Nobody", "Nowhere", "None", "ON", "K0K0K0", "", "", ""});
    click(review.get(), "cmdSave");
    expectOneWarning(checkData);
    EXPECT_TRUE(customers().isEmpty());
}

TEST_F(CustomerWindowsTest, RemoveTakesTheChosenRowOfTwoWithOneName)
{
    QStringList first = alpha;
    QStringList second = beta;
    second[0] = first[0];
    const int32_t firstId = insert(first);
    insert(second);
    insert(gamma);
    auto remove = open<frmRemoveCompany>();
    auto* list = control<QComboBox>(remove.get(), "cmbCustomerID");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ((QStringList{list->itemText(0), list->itemText(1), list->itemText(2)}),
              (QStringList{"Alpha Ltd", "Alpha Ltd", "Gamma Co"}));

    // Nothing chosen: nothing to ask about, nothing happens.
    click(remove.get(), "cmdRemove");
    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(customers().size(), 3);

    choose(remove.get(), 1);
    EXPECT_EQ(labels(remove.get()), second.mid(0, 5));
    click(remove.get(), "cmdRemove");

    EXPECT_EQ(customers(), (QList<QStringList>{first, gamma}));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemData(0).toInt(), firstId);
    EXPECT_EQ(program.messages.messages.size(), 1u);
}

QStringList itemTexts(QWidget* window)
{
    auto* list = control<QComboBox>(window, "cmbCustomerID");
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// Invoices are reached through their customer, so removing one who has
// invoices would lose them from the reprint window and every report: the
// removal window hides it instead. Hidden, it leaves the new invoice's list
// but keeps its invoices in the reprint and report windows, and is shown
// again from the removal window. A customer without invoices is removed.
TEST_F(CustomerWindowsTest, ACustomerWithInvoicesIsHiddenNotRemovedAndCanBeShownAgain)
{
    const int32_t alphaId = insert(alpha);
    insert(beta);
    program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date) VALUES (1, ?, '2025-02-03')", {alphaId});
    program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (?, 1, 'Work', 10000)",
                 {alphaId});

    auto remove = open<frmRemoveCompany>();
    choose(remove.get(), 0);
    program.messages.answerNext(false);
    click(remove.get(), "cmdRemove");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Question);
    EXPECT_TRUE(program.messages.last().text.startsWith("Alpha Ltd has 1 invoice(s), so it cannot be removed"))
        << program.messages.last().text.toStdString();
    EXPECT_EQ(program.messages.last().title, "Verify Removal");
    EXPECT_TRUE(program.messages.last().noIsDefault);
    EXPECT_EQ(customers().size(), 2) << "No keeps the customer as it was";
    EXPECT_EQ(rows("SELECT Hidden FROM TblCustomer ORDER BY CustomerID"), (QList<QStringList>{{"0"}, {"0"}}));

    program.messages.answerNext(true);
    click(remove.get(), "cmdRemove");
    EXPECT_EQ(customers(), (QList<QStringList>{alpha, beta}));
    EXPECT_EQ(rows("SELECT Hidden FROM TblCustomer ORDER BY CustomerID"), (QList<QStringList>{{"-1"}, {"0"}}));
    EXPECT_EQ(itemTexts(remove.get()), (QStringList{"Alpha Ltd (hidden)", "Beta Inc"}));
    EXPECT_EQ(labels(remove.get()), alpha.mid(0, 5)) << "the hidden customer stays chosen";
    EXPECT_TRUE(control<QPushButton>(remove.get(), "cmdShowAgain")->isEnabled());

    auto newInvoice = open<frmAddInvoice>();
    EXPECT_EQ(itemTexts(newInvoice.get()), QStringList{"Beta Inc"}) << "a hidden customer gets no new invoices";
    auto reports = open<frmInvoiceReports>();
    EXPECT_EQ(itemTexts(reports.get()), (QStringList{"Alpha Ltd (hidden)", "Beta Inc"}));
    auto reprint = open<frmReprint>();
    EXPECT_EQ(itemTexts(reprint.get()), (QStringList{"Alpha Ltd (hidden)", "Beta Inc"}));
    choose(reprint.get(), 0);
    auto* invoices = control<QTreeWidget>(reprint.get(), "ListView1");
    ASSERT_EQ(invoices->topLevelItemCount(), 1);
    EXPECT_EQ(invoices->topLevelItem(0)->text(0), "1");

    click(remove.get(), "cmdShowAgain");
    EXPECT_EQ(rows("SELECT Hidden FROM TblCustomer ORDER BY CustomerID"), (QList<QStringList>{{"0"}, {"0"}}));
    EXPECT_EQ(itemTexts(remove.get()), (QStringList{"Alpha Ltd", "Beta Inc"}));
    EXPECT_FALSE(control<QPushButton>(remove.get(), "cmdShowAgain")->isEnabled());

    program.messages.messages.clear();
    choose(remove.get(), 1);
    program.messages.answerNext(true);
    click(remove.get(), "cmdRemove");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().text, "You are about to delete a customer. Are you sure?");
    EXPECT_EQ(customers(), QList<QStringList>{alpha}) << "a customer without invoices is removed";
}

TEST_F(CustomerWindowsTest, BoxesAndPictureButtonsAreNamedForAssistiveTechnology)
{
    auto review = open<frmReviewCompany>();
    auto nameOf = [&](const char* name) {
        QWidget* widget = control<QWidget>(review.get(), name);
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    const QStringList expected{"Company Name", "Address",      "City",  "Province", "Postal Code", "Phone Number",
                               "Fax Number",   "Billing Code", "First", "Previous", "Next",        "Last"};
    QStringList names;
    for (const char* name : boxNames)
        names << nameOf(name);
    for (const char* name : {"cmdFirst", "cmdPrevious", "cmdNext", "cmdLast"})
        names << nameOf(name);
    EXPECT_EQ(names, expected);
}

TEST_F(CustomerWindowsTest, EachBoxHasARowOfItsOwnBelowThePrevious)
{
    auto add = open<frmNew>();
    int previousBottom = -1;
    for (const char* name : boxNames) {
        const QRect box = control<QWidget>(add.get(), name)->geometry();
        EXPECT_GT(box.top(), previousBottom) << name << " overlaps the box above it";
        previousBottom = box.bottom();
    }
}

} // namespace
} // namespace quillbill

namespace quillbill {
namespace {

TEST_F(CustomerWindowsTest, ASaveRefusedForAReasonOtherThanTheDataSaysSo)
{
    // A real SQLITE_READONLY from the engine: the connection may read but not write.
    program.app->state.MainDatabase.execute("PRAGMA query_only = 1");
    auto add = open<frmNew>();
    const QStringList typed{"Delta", "4 Fourth St", "Ottawa", "ON", "K2P1L4", "6135550104", "", "DEL"};
    typeAll(add.get(), typed);
    click(add.get(), "cmdSave");

    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("read-only")) << program.messages.last().text.toStdString();
    EXPECT_NE(program.messages.last().text, checkData);
    EXPECT_TRUE(add->isVisible());
    EXPECT_EQ(boxes(add.get()), typed) << "the typing is kept for another try";
}

TEST_F(CustomerWindowsTest, AddAndReviewStoreAPhoneInOnePattern)
{
    const struct {
        QString typed;
        QString stored;
    } numbers[] = {
        {"6135551234", "(613) 555-1234"},
        {"5551234", "555-1234"},
    };
    for (const auto& number : numbers) {
        SCOPED_TRACE(number.typed.toStdString());
        program.exec("DELETE FROM TblCustomer");
        auto add = open<frmNew>();
        typeAll(add.get(), {"Delta", "4 Fourth St", "Ottawa", "ON", "K2P1L4", number.typed, number.typed, "DEL"});
        click(add.get(), "cmdSave");
        ASSERT_EQ(customers().size(), 1);
        EXPECT_EQ(customers().front().mid(5, 2), QStringList({number.stored, number.stored})) << "added";

        auto review = open<frmReviewCompany>();
        type(review.get(), "txtPhone", number.typed);
        type(review.get(), "txtFax", number.typed);
        click(review.get(), "cmdSave");
        EXPECT_EQ(customers().front().mid(5, 2), QStringList({number.stored, number.stored})) << "edited";
        EXPECT_EQ(box(review.get(), "txtPhone")->text(), number.stored) << "the window shows what it stored";
    }
    EXPECT_TRUE(program.messages.empty());
}

// Each window is opened twice, on its own and in a frame of the main window's
// kind: the first time it must show a long address whole, the second time at
// the size the user gave it.
TEST_F(CustomerWindowsTest, WindowsShowALongAddressWholeAndKeepTheSizeGiven)
{
    const QString address = "1250 Harbour Road, Unit 4, Second Floor";
    const std::pair<const char*, std::function<ChildWindow*()>> windows[] = {
        {"add", [&] { return new frmNew(*program.app); }},
        {"review", [&] { return new frmReviewCompany(*program.app); }},
        {"own company", [&] { return new frmEdit(*program.app); }},
    };
    QMdiArea frames;
    frames.resize(1400, 1000);
    frames.show();
    for (const auto& [name, make] : windows) {
        for (const bool framed : {false, true}) {
            SCOPED_TRACE(std::string(name) + (framed ? " in a frame" : " on its own"));
            program.app->options.clear();
            QSize given;
            for (const bool first : {true, false}) {
                ChildWindow* window = make();
                std::unique_ptr<ChildWindow> owned;
                if (framed)
                    frames.addSubWindow(window)->setAttribute(Qt::WA_DeleteOnClose);
                else
                    owned.reset(window);
                window->show();
                QWidget* outer = framed ? window->parentWidget() : window;
                if (first) {
                    auto* box = control<QLineEdit>(window, "txtAddress");
                    box->setText(address);
                    const int needed =
                        box->fontMetrics().horizontalAdvance(address) + 2 * box->fontMetrics().averageCharWidth();
                    EXPECT_TRUE(QTest::qWaitFor([&] { return box->width() >= needed; })) << box->width();
                    given = window->size() + QSize(60, 40);
                    outer->resize(outer->size() + QSize(60, 40));
                    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == given; }));
                } else {
                    EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == given; }))
                        << window->width() << "x" << window->height();
                }
                window->closeChild();
            }
        }
    }
}

TEST_F(CustomerWindowsTest, EnterPressesTheWindowsMainButton)
{
    insert(alpha);
    const struct {
        std::function<std::unique_ptr<ChildWindow>()> opened;
        const char* focus;
        const char* button;
        Qt::Key key;
    } windows[] = {
        {[&] { return std::unique_ptr<ChildWindow>(open<frmNew>()); }, "txtCompany", "cmdSave", Qt::Key_Return},
        {[&] { return std::unique_ptr<ChildWindow>(open<frmReviewCompany>()); }, "txtCity", "cmdSave", Qt::Key_Enter},
        {[&] { return std::unique_ptr<ChildWindow>(open<frmEdit>()); }, "txtCity", "cmdSave", Qt::Key_Return},
        {[&] { return std::unique_ptr<ChildWindow>(open<frmRemoveCompany>()); }, "cmbCustomerID", "cmdRemove",
         Qt::Key_Return},
    };
    for (const auto& window : windows) {
        const std::unique_ptr<ChildWindow> shown = window.opened();
        SCOPED_TRACE(shown->objectName().toStdString());
        if (window.focus == std::string("cmbCustomerID"))
            choose(shown.get(), 0);
        QWidget* focus = control<QWidget>(shown.get(), window.focus);
        focus->setFocus();
        QSignalSpy pressed(control<QPushButton>(shown.get(), window.button), &QPushButton::clicked);
        QTest::keyClick(focus, window.key);
        EXPECT_EQ(pressed.count(), 1);
    }
}

// The real question box, answered with Enter as a hurried user does.
TEST(RemovalQuestionTest, EnterAnswersNo)
{
    DialogMessageBoxes boxes;
    bool answered = false;
    QTimer whenShown;
    QObject::connect(&whenShown, &QTimer::timeout, [&] {
        if (auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            whenShown.stop();
            answered = true;
            QTest::keyClick(question, Qt::Key_Return);
        }
    });
    whenShown.start(10);
    EXPECT_FALSE(boxes.askYesNoDefaultNo(nullptr, "You are about to delete a customer. Are you sure?", "Verify"));
    EXPECT_TRUE(answered);
}

} // namespace
} // namespace quillbill
