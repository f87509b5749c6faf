// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The own company: the one row of TblMyCompanyInfo through MyCompanyRecord,
// and the window that edits it, driven by keys and clicks on a copy of the
// delivered database.

#include "TestProgram.h"
#include "common/ProgramInfo.h"
#include "company/frmEdit.h"
#include "records/Database.h"
#include "records/DatabaseError.h"
#include "records/company/MyCompanyRecord.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlRecord>
#include <QTest>

#include <memory>
#include <stdexcept>

namespace quillbill {
namespace {

using testing::RecordingMessageBoxes;
using testing::TestProgram;

const QString checkData = QStringLiteral("Please check entered data.");
const QStringList boxNames{"txtCompany", "txtAddress",    "txtCity",    "txtProv",    "txtPostal",
                           "TxtPhone",   "txtCell",       "txtEmail",   "txtVendor",  "txtGST",
                           "txtPST",     "txtGST_Number", "txtGSTName", "txtPSTName", "txtPSTNumber"};

QStringList fields(const MyCompany& c)
{
    return {c.companyName, c.address, c.city, c.prov,      c.postalCode, c.phone,   c.cell,     c.email,
            c.vendor,      c.gst,     c.pst,  c.gstNumber, c.gstName,    c.pstName, c.pstNumber};
}

class MyCompanyTest : public ::testing::Test {
protected:
    // The stored row, read past MyCompanyRecord; NULL shows as "<null>", and
    // the rates are in thousandths of a per cent.
    QStringList stored() const
    {
        const auto row = db().firstRow("SELECT CompanyName, Address, City, Prov, PostalCode, Phone, Cell, email, "
                                       "vendor, GSTRate, PSTRate, GST_Number, GSTName, PSTName, PSTNumber "
                                       "FROM TblMyCompanyInfo");
        if (!row)
            throw std::runtime_error("TblMyCompanyInfo has no row");
        QStringList values;
        for (int i = 0; i < row->count(); ++i)
            values << (row->isNull(i) ? QStringLiteral("<null>") : row->value(i).toString());
        return values;
    }
    const Database& db() const { return program.app->state.MainDatabase; }

    void open()
    {
        window = std::make_unique<frmEdit>(*program.app);
        closing = std::make_unique<QSignalSpy>(window.get(), &ChildWindow::closing);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QLineEdit* box(const QString& name) const
    {
        auto* found = window->findChild<QLineEdit*>(name);
        if (!found)
            throw std::runtime_error("no box " + name.toStdString());
        return found;
    }
    QStringList shown() const
    {
        QStringList values;
        for (const QString& name : boxNames)
            values << box(name)->text();
        return values;
    }
    // Replaces the text of a box by typing; returns what the box kept. The
    // old text is selected with Shift+Home: QTest gives Ctrl+A the text "a",
    // which a digits-only box rightly discards.
    QString type(const QString& name, const QString& text) const
    {
        QLineEdit* target = box(name);
        QTest::keyClick(target, Qt::Key_End);
        QTest::keyClick(target, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, text);
        return target->text();
    }
    void click(const char* name) const { QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton); }
    void expectRefused(const QStringList& before) const
    {
        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
        EXPECT_EQ(program.messages.last().text, checkData);
        EXPECT_EQ(program.messages.last().title, ProgramInfo::title);
        EXPECT_EQ(stored(), before);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(closing->count(), 0);
    }

    TestProgram program;
    std::unique_ptr<frmEdit> window;
    std::unique_ptr<QSignalSpy> closing;
};

TEST_F(MyCompanyTest, RecordSavesAndLoadsEveryColumnAsGiven)
{
    MyCompany company{"O'Brien & Søns", "12 Rue d'Érable", "Montréal", "QC", "H2X1Y4", QString(),
                      "5145550199",     "ob@example.com",  "V-'7'",    "0",  "9.975",  "123 456 789 RT0001"};
    company.pstName = "QST";
    company.pstNumber = "1234567890 TQ0001";
    const MyCompany loaded = *MyCompanyRecord(db()).load();
    company.rowId = loaded.rowId;
    company.asRead = loaded.asRead;
    ASSERT_EQ(MyCompanyRecord(db()).save(company), SaveOutcome::Saved);

    EXPECT_EQ(fields(*MyCompanyRecord(db()).load()), fields(company));
    // An empty box is stored as an empty text, not as a missing value; a
    // rate exactly, in thousandths of a per cent.
    EXPECT_EQ(stored().at(5), "");
    EXPECT_EQ(stored().at(10), "9975");
}

TEST_F(MyCompanyTest, ARefusedSaveLeavesTheWholeRowAsItWas)
{
    const QStringList before = stored();
    MyCompany company{"New Name", "New Street", "New City", "BC", "V1V1V1", "", "", "", "", "7", "x", ""};
    const MyCompany loaded = *MyCompanyRecord(db()).load();
    company.rowId = loaded.rowId;
    company.asRead = loaded.asRead;
    EXPECT_THROW(MyCompanyRecord(db()).save(company), DatabaseError);
    EXPECT_EQ(stored(), before);
}

TEST_F(MyCompanyTest, OpeningShowsEachColumnInItsLabelledBox)
{
    program.exec("UPDATE TblMyCompanyInfo SET Phone = '1', Cell = '2', email = NULL, vendor = '4', "
                 "GST_Number = '6', PSTRate = 3000");
    open();

    EXPECT_EQ(window->windowTitle(), "Edit My Company Info");
    EXPECT_EQ(shown(),
              (QStringList{"Your Company Name", "123 Main Street", "Your City", "ON", "A1A1A1", "1", "2", "", "4", "13",
                           "3", "6", "HST", "", ""}));
    const QStringList labels{"Company Name", "Address",     "City",     "Province",      "Postal Code",
                             "Phone Number", "Cell Number", "Email",    "Vendor Number", "GST Amount",
                             "PST Amount",   "GST Number",  "GST Name", "PST Name",      "PST Number"};
    for (qsizetype i = 0; i < boxNames.size(); ++i)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(box(boxNames[i]))->text(QAccessible::Name), labels[i]);
    EXPECT_EQ(window->findChild<QLabel*>("lblRequiredNote")->text(), "* Required Feilds");
    EXPECT_EQ(window->findChild<QLabel*>("lblRateNote")->text(), "*     0 to 100, up to three decimals (9.975)");
    EXPECT_TRUE(program.messages.empty());
}

TEST_F(MyCompanyTest, FilteredBoxesDiscardOtherKeys)
{
    open();
    EXPECT_EQ(type("txtPostal", "k1a 0-b1"), "k1a0b1");
    EXPECT_EQ(type("TxtPhone", "(613) 555-0100"), "6135550100");
    EXPECT_EQ(type("txtCell", "+1 613x"), "1613");
    // A rate box keeps what is typed, to be judged on save.
    EXPECT_EQ(type("txtGST", "9.975"), "9.975");
    EXPECT_EQ(type("txtPST", "ab"), "ab");
    EXPECT_EQ(type("txtCompany", "A-1 (Ltd.)"), "A-1 (Ltd.)");
}

TEST_F(MyCompanyTest, ALetterForPstIsRefusedOnSave)
{
    open();
    const QStringList before = stored();
    type("txtCity", "Elsewhere");
    type("txtPST", "p");
    click("cmdSave");

    expectRefused(before);
    EXPECT_EQ(box("txtCity")->text(), "Elsewhere");
    EXPECT_EQ(box("txtPST")->text(), "p");
}

TEST_F(MyCompanyTest, AnEmptyCompanyNameIsRefusedOnSave)
{
    open();
    const QStringList before = stored();
    type("txtCompany", "");
    type("txtVendor", "V99");
    click("cmdSave");

    expectRefused(before);
    EXPECT_EQ(box("txtVendor")->text(), "V99");
}

TEST_F(MyCompanyTest, SaveStoresEveryBoxAndCloses)
{
    open();
    const QStringList typed{"Dunn's Repairs",   "4 Elm Rd", "Perth", "ON",    "K7H3C6", "6135550101", "6135550102",
                            "dunn@example.org", "VN-12",    "5",     "9.975", "R123",   "GST",        "QST",
                            "1234567890 TQ0001"};
    for (qsizetype i = 0; i < boxNames.size(); ++i)
        ASSERT_EQ(type(boxNames[i], typed[i]), typed[i]);
    click("cmdSave");

    EXPECT_TRUE(program.messages.empty());
    QStringList kept = typed;
    kept[9] = "5000";
    kept[10] = "9975";
    EXPECT_EQ(stored(), kept);
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(closing->count(), 1);
    EXPECT_EQ(closing->at(0).at(0).value<ChildKind>(), ChildKind::EditMyCompany);
}

TEST_F(MyCompanyTest, CloseLeavesTheRowUnsaved)
{
    open();
    const QStringList before = stored();
    type("txtCompany", "Not Saved");
    click("cmdCancel");

    EXPECT_EQ(stored(), before);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closing->count(), 1);
}

TEST_F(MyCompanyTest, AMissingRowIsExplainedAndNothingCanBeSaved)
{
    program.exec("DELETE FROM TblMyCompanyInfo");
    EXPECT_FALSE(MyCompanyRecord(db()).load());
    MyCompany nothing;
    EXPECT_EQ(MyCompanyRecord(db()).save(nothing), SaveOutcome::Gone);
    open();

    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_EQ(program.messages.last().title, ProgramInfo::title);
    EXPECT_TRUE(program.messages.last().text.contains("missing")) << program.messages.last().text.toStdString();
    EXPECT_FALSE(window->findChild<QPushButton*>("cmdSave")->isEnabled());
    EXPECT_EQ(shown(), QStringList(boxNames.size(), QString()));
    click("cmdCancel");
    EXPECT_EQ(closing->count(), 1);
}

// A second program on the same file changes the city while this window shows
// the company: this window's later save of a phone number must not undo it.
TEST_F(MyCompanyTest, ASaveOverAnotherProgramsChangeIsRefusedAndShowsTheRowAsItIsNow)
{
    open();
    Database otherProgram;
    otherProgram.open(program.databasePath());
    MyCompany changed = *MyCompanyRecord(otherProgram).load();
    changed.city = "Kanata";
    ASSERT_EQ(MyCompanyRecord(otherProgram).save(changed), SaveOutcome::Saved);
    QStringList now = stored();
    ASSERT_EQ(now.at(2), "Kanata");

    EXPECT_EQ(type("TxtPhone", "6135550199"), "6135550199");
    click("cmdSave");
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_EQ(program.messages.last().text,
              "Another user changed your company's details after you opened them. "
              "Nothing was saved; they are shown as they are now.");
    EXPECT_EQ(stored(), now) << "the other program's city was undone";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(closing->count(), 0);
    EXPECT_EQ(shown().at(2), "Kanata");

    type("TxtPhone", "6135550199");
    click("cmdSave");
    EXPECT_EQ(program.messages.messages.size(), 1u);
    now[5] = "6135550199";
    EXPECT_EQ(stored(), now);
    EXPECT_EQ(closing->count(), 1);
}

} // namespace
} // namespace quillbill
