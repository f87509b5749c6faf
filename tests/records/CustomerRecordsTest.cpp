// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The phone pattern, and CustomerRecords on a copy of the delivered database:
// what add, update and remove write to TblCustomer and TblBillingCodes, read
// back with plain SQL.

#include "records/customers/CustomerRecords.h"
#include "EitherKind.h"
#include "TestProgram.h"
#include "records/Database.h"
#include "records/DatabaseError.h"

#include <gtest/gtest.h>

#include <QSqlRecord>

namespace quillbill {
namespace {

using testing::TestProgram;

TEST(PhonePattern, DigitsFillThePatternFromTheRight)
{
    const struct {
        const char* entry;
        const char* stored;
    } numbers[] = {
        {"6135551234", "(613) 555-1234"},
        {"5551234", "555-1234"}, // no area code: no empty brackets
        {"15551234", "(1) 555-1234"},
        {"0135551234", "(013) 555-1234"}, // a leading zero is a digit like any other
        {"16135551234", "(1613) 555-1234"}, // extra digits go in front
        {"", ""},
        {"555-1234", "555-1234"}, // pasted text keeps its characters
    };
    for (const auto& number : numbers)
        EXPECT_EQ(formatPhoneNumber(number.entry), number.stored) << number.entry;
}

class CustomerRecordsTest : public testing::OnEitherKind {
protected:
    static Customer sample(const QString& company, const QString& code)
    {
        return {0, company, "1 Rue Principale", "Montréal", "QC", "H2X1Y4", "(514) 555-0100", "", code};
    }

    // Every column of a TblCustomer row, as the table holds it.
    QStringList storedRow(int32_t id) const
    {
        const auto row =
            database().firstRow("SELECT Company, Address, City, Prov, Postal, Phone, Fax, BillingCode FROM TblCustomer "
                                "WHERE CustomerID = ?",
                                {id});
        QStringList columns;
        if (row)
            for (int i = 0; i < row->count(); ++i)
                columns << row->value(i).toString();
        return columns;
    }
    static QStringList columnsOf(const Customer& c)
    {
        return {c.company, c.address, c.city, c.prov, c.postal, c.phone, c.fax, c.billingCode};
    }

    int count(const QString& table, const QString& where = "TRUE", const QVariantList& values = {}) const
    {
        return database().firstRow("SELECT COUNT(*) FROM " + table + " WHERE " + where, values)->value(0).toInt();
    }

    CustomerRecords records{program.app->state.MainDatabase};
};

INSTANTIATE_TEST_SUITE_P(Records, CustomerRecordsTest, testing::bothKinds, testing::kindName);

TEST_P(CustomerRecordsTest, AddStoresTheCustomerAndABillingCodeRow)
{
    const Customer added = sample("O'Brien & Sons", "D'Arcy");
    const int32_t id = records.add(added);

    EXPECT_GT(id, 0);
    EXPECT_EQ(storedRow(id), columnsOf(added));
    EXPECT_EQ(count("TblBillingCodes", "BillCode = ? AND InvoiceNumber = 0", {"D'Arcy"}), 1);

    const auto found = records.find(id);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->id, id);
    EXPECT_EQ(columnsOf(*found), columnsOf(added)) << "quotes and accents read back unchanged";
    EXPECT_FALSE(records.find(id + 1).has_value());
}

TEST_P(CustomerRecordsTest, CustomersOfOneCodeShareItsOneCounter)
{
    const int32_t first = records.add(sample("Alpha", "SHARED"));
    program.exec("UPDATE TblBillingCodes SET InvoiceNumber = 5");
    const int32_t second = records.add(sample("Beta", "SHARED"));

    EXPECT_EQ(count("TblBillingCodes", "BillCode = ?", {"SHARED"}), 1);
    EXPECT_EQ(count("TblBillingCodes", "InvoiceNumber = 5"), 1) << "the numbers issued so far were forgotten";
    const std::vector<Customer> all = records.all();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].id, first);
    EXPECT_EQ(all[1].id, second);
}

TEST_P(CustomerRecordsTest, CustomersAreListedAlphabeticallyInTheUsersLanguage)
{
    for (const char* name : {"Zénith", "école Saint-Jean", "Unit 10", "acme", "Unit 9", "Beta", "Acme"})
        records.add(sample(QString::fromUtf8(name), "ANY"));
    // "acme" and "Acme" are one name to a reader: they stay in the order added.
    const QStringList expected{"acme", "Acme", "Beta", "école Saint-Jean", "Unit 9", "Unit 10", "Zénith"};
    for (const QLocale& locale :
         {QLocale(QLocale::C), QLocale(QLocale::English, QLocale::Canada), QLocale(QLocale::French, QLocale::Canada)}) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        QStringList listed;
        for (const Customer& customer : records.all())
            listed << customer.company;
        EXPECT_EQ(listed.join(" | ").toStdString(), expected.join(" | ").toStdString());
    }
    QLocale::setDefault(QLocale::system());
}

TEST_P(CustomerRecordsTest, ARefusedCustomerLeavesNeitherRow)
{
    Customer noCity = sample("Gamma", "GAM");
    noCity.city.clear();
    EXPECT_THROW(records.add(noCity), DatabaseError);
    EXPECT_EQ(count("TblCustomer"), 0);
    EXPECT_EQ(count("TblBillingCodes"), 0);
}

TEST_P(CustomerRecordsTest, ARefusedBillingCodeRowTakesTheCustomerBackToo)
{
    refuseNewRowsOf("TblBillingCodes");
    EXPECT_THROW(records.add(sample("Delta", "DEL")), DatabaseError);
    EXPECT_EQ(count("TblCustomer"), 0) << "the customer was saved without its billing code row";
}

TEST_P(CustomerRecordsTest, UpdateChangesEverythingButTheBillingCode)
{
    const int32_t other = records.add(sample("Other", "OTH"));
    const int32_t id = records.add(sample("Old Name", "KEEP"));

    Customer edited{id, "Nouvelle Société", "2 Chemin d'Oka", "Laval", "QC", "H7A0A1", "4505550199", "", "CHANGED"};
    edited.asRead = records.find(id)->asRead;
    EXPECT_EQ(records.update(edited), SaveOutcome::Saved);

    edited.billingCode = "KEEP";
    EXPECT_EQ(storedRow(id), columnsOf(edited));
    EXPECT_EQ(storedRow(other), columnsOf(sample("Other", "OTH")));

    edited.id = id + 100;
    EXPECT_EQ(records.update(edited), SaveOutcome::Gone) << "no row has that id";
    edited.id = id;
    edited.prov.clear();
    EXPECT_THROW(records.update(edited), DatabaseError);
    EXPECT_EQ(storedRow(id).at(3), "QC");
}

// Invoices are reached through their customer: one who has any is never
// deleted, or its invoices would vanish from the reprint window and every
// report. One without is deleted, its billing-code row kept.
TEST_P(CustomerRecordsTest, RemoveKeepsACustomerWhoHasInvoices)
{
    const int32_t invoiced = records.add(sample("Invoiced", "INV"));
    const int32_t leaving = records.add(sample("Leaving", "LEAVE"));
    program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date) VALUES (1, ?, '2024-05-01')", {invoiced});
    program.exec("INSERT INTO TblJobs (JobID, CustomerID, InvoiceID, JobDescription, Sums) "
                 "VALUES (1, ?, 1, 'Work', 10000)",
                 {invoiced});

    EXPECT_EQ(records.remove(invoiced), CustomerRecords::Removal::HasInvoices);
    EXPECT_TRUE(records.find(invoiced).has_value());
    EXPECT_EQ(records.invoiceCount(invoiced), 1);

    EXPECT_EQ(records.remove(leaving), CustomerRecords::Removal::Removed);
    EXPECT_FALSE(records.find(leaving).has_value());
    EXPECT_EQ(count("TblBillingCodes", "BillCode = ?", {"LEAVE"}), 1);
    EXPECT_EQ(records.remove(leaving), CustomerRecords::Removal::Gone);
}

// A hidden customer leaves the customers offered for new work and stays
// among all of them; shown again, it is offered again.
TEST_P(CustomerRecordsTest, AHiddenCustomerIsNotOfferedForNewWork)
{
    const int32_t hidden = records.add(sample("Hidden", "HID"));
    const int32_t shown = records.add(sample("Shown", "SHO"));
    const auto ids = [](const auto& customers) {
        std::vector<int32_t> numbers;
        for (const auto& customer : customers)
            numbers.push_back(customer.id);
        return numbers;
    };

    ASSERT_TRUE(records.setHidden(hidden, true));
    EXPECT_TRUE(records.find(hidden)->hidden);
    EXPECT_EQ(count("TblCustomer", "CustomerID = ? AND Hidden = -1", {hidden}), 1) << "yes is -1";
    EXPECT_EQ(ids(records.names()), std::vector<int32_t>{shown});
    EXPECT_EQ(ids(records.all()), (std::vector<int32_t>{hidden, shown}));
    EXPECT_EQ(listedName(*records.find(hidden)), "Hidden (hidden)");

    ASSERT_TRUE(records.setHidden(hidden, false));
    EXPECT_EQ(ids(records.names()), (std::vector<int32_t>{hidden, shown}));
    EXPECT_FALSE(records.setHidden(9999, true)) << "no such customer";
}

// Two programs on one database, each with its own connection, edit one customer:
// the later save never silently undoes the earlier one.
TEST_P(CustomerRecordsTest, ASaveOverAnotherProgramsChangeWritesNothing)
{
    // NULL phone and fax, as older rows may hold: a row read with NULLs still
    // counts as unchanged.
    program.exec("INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) "
                 "VALUES ('Alpha', '1 First St', 'Ottawa', 'ON', 'K1A0B1', 'ALP')");
    const int32_t id = records.all().front().id;
    Database otherProgram;
    openAsAnotherProgram(otherProgram);
    const CustomerRecords elsewhere(otherProgram);

    Customer here = *records.find(id);
    Customer there = *elsewhere.find(id);
    there.city = "Kanata";
    ASSERT_EQ(elsewhere.update(there), SaveOutcome::Saved);

    here.fax = "(613) 555-0199";
    EXPECT_EQ(records.update(here), SaveOutcome::ChangedMeanwhile);
    EXPECT_EQ(storedRow(id).at(2), "Kanata") << "the other program's change was undone";
    EXPECT_EQ(storedRow(id).at(6), "");

    // Read again, both changes are kept; and a second save of the same
    // object is checked against what the first wrote.
    here = *records.find(id);
    here.fax = "(613) 555-0199";
    ASSERT_EQ(records.update(here), SaveOutcome::Saved);
    here.phone = "(613) 555-0100";
    ASSERT_EQ(records.update(here), SaveOutcome::Saved);
    EXPECT_EQ(
        storedRow(id),
        (QStringList{"Alpha", "1 First St", "Kanata", "ON", "K1A0B1", "(613) 555-0100", "(613) 555-0199", "ALP"}));

    there.company = "Alpha Renamed";
    EXPECT_EQ(elsewhere.update(there), SaveOutcome::ChangedMeanwhile) << "its copy is older than this save";
    records.remove(id);
    EXPECT_EQ(elsewhere.update(there), SaveOutcome::Gone);
    EXPECT_EQ(count("TblCustomer"), 0);
}

} // namespace
} // namespace quillbill
