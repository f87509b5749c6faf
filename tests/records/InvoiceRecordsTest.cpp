// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// InvoiceRecords on a copy of the delivered database, on the file and on a
// server, read back with plain SQL: invoice numbers from the billing-code
// counters, refusals that write nothing, two processes issuing from one
// counter at once, job rows, and the sums a user types.

#include "records/invoices/InvoiceRecords.h"
#include "ChildrenAtOnce.h"
#include "EitherKind.h"
#include "LockingProcess.h"
#include "common/Money.h"
#include "records/Database.h"
#include "records/customers/CustomerRecords.h"
#include "records/invoices/InvoiceErrors.h"

#include <gtest/gtest.h>

#include <QSqlRecord>

#include <array>
#include <limits>
#include <ostream>
#include <tuple>
#include <vector>

namespace quillbill {
namespace {

using testing::bothKinds;
using testing::kindName;
using testing::LockingProcess;
using Kind = Database::Kind;

const QDate mayFirst(2024, 5, 1);
using Numbers = std::vector<qlonglong>;

template <typename Param>
class InvoiceRecordsTestWith : public testing::OnEitherKindWith<Param> {
protected:
    using testing::DatabaseOfKind::database;
    using testing::DatabaseOfKind::program;

    int32_t addCustomer(const QString& company, const QString& code) const
    {
        return customers.add({0, company, "1 Main St", "Ottawa", "ON", "K1A0B1", "", "", code});
    }

    // Every counter row of a billing code, oldest first.
    Numbers counters(const QString& code) const
    {
        Numbers values;
        for (const QSqlRecord& row :
             database().rows("SELECT InvoiceNumber FROM TblBillingCodes WHERE BillCode = ? ORDER BY rowid", {code}))
            values.push_back(row.value(0).toLongLong());
        return values;
    }

    QStringList dump(const QString& table) const { return program.dump(table); }

    CustomerRecords customers{program.app->state.MainDatabase};
    InvoiceRecords invoices{program.app->state.MainDatabase};
};

using InvoiceRecordsTest = InvoiceRecordsTestWith<Kind>;
INSTANTIATE_TEST_SUITE_P(Records, InvoiceRecordsTest, bothKinds, kindName);

// What only a file can hold: rows written by another program than ours.
class FileInvoiceRecordsTest : public InvoiceRecordsTest {};
INSTANTIATE_TEST_SUITE_P(Records, FileInvoiceRecordsTest, ::testing::Values(Kind::File), kindName);

TEST_P(InvoiceRecordsTest, CustomersOfOneCodeGetConsecutiveNumbersFromItsCounter)
{
    const int32_t alpha = addCustomer("Alpha", "SHARED");
    const int32_t beta = addCustomer("Beta", "SHARED");
    program.exec("UPDATE TblBillingCodes SET InvoiceNumber = 41");

    EXPECT_EQ(invoices.createInvoice("SHARED", alpha, mayFirst), 42);
    EXPECT_EQ(counters("SHARED"), Numbers{42});
    EXPECT_EQ(invoices.createInvoice("SHARED", beta, mayFirst.addDays(1)), 43);
    EXPECT_EQ(counters("SHARED"), Numbers{43});
    EXPECT_EQ(
        dump("TblInvoice"),
        (QStringList{QString("42|%1|2024-05-01|0|NULL|0|13000|0|HST||0|NULL|NULL|NULL|NULL|NULL|NULL").arg(alpha),
                     QString("43|%1|2024-05-02|0|NULL|0|13000|0|HST||0|NULL|NULL|NULL|NULL|NULL|NULL").arg(beta)}));
}

// Older files hold a counter row for every customer of a code; the oldest is
// the one that was always read.
TEST_P(InvoiceRecordsTest, TheOldestOfSeveralCounterRowsIsTheCounter)
{
    program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('DUP', 7), ('DUP', 100)");
    EXPECT_EQ(invoices.createInvoice("DUP", addCustomer("Alpha", "DUP"), mayFirst), 8);
    EXPECT_EQ(counters("DUP"), (Numbers{8, 100}));
}

// A code is one code whatever its letter case, accented letters too: its
// customers draw from the counter of whichever spelling came first. A code
// that differs by an accent is another code.
TEST_P(InvoiceRecordsTest, CodesThatDifferOnlyInCaseShareOneCounter)
{
    const std::array<std::array<QString, 2>, 2> spellings{{{"OBR", "obr"}, {"Crème", "CRÈME"}}};
    for (const auto& [first, second] : spellings) {
        SCOPED_TRACE(first.toStdString());
        const int32_t alpha = addCustomer("Alpha " + first, first);
        const int32_t beta = addCustomer("Beta " + second, second);
        EXPECT_EQ(counters(first), Numbers{0});
        EXPECT_EQ(counters(second), Numbers{}) << "a second counter for the same code";

        EXPECT_EQ(invoices.createInvoice(first, alpha, mayFirst), 1);
        EXPECT_EQ(invoices.createInvoice(second, beta, mayFirst), 2);
        EXPECT_EQ(invoices.createInvoice(first, alpha, mayFirst), 3);
        EXPECT_EQ(counters(first), Numbers{3});
    }
    const int32_t plain = addCustomer("Plain", "CREME");
    EXPECT_EQ(counters("CREME"), Numbers{0}) << "without its accent, another code";
    EXPECT_EQ(invoices.createInvoice("CREME", plain, mayFirst), 1);
}

TEST_P(InvoiceRecordsTest, ACustomerAndBillingCodeWithQuotesAreInvoiced)
{
    const int32_t obrien = addCustomer("O'Brien & Sons", "D'Arcy");
    EXPECT_EQ(invoices.createInvoice("D'Arcy", obrien, mayFirst), 1);
    EXPECT_EQ(counters("D'Arcy"), Numbers{1});
}

// A removal looks for invoices under the write lock; issuing looks for the
// customer under it too, so an invoice is never stored for a customer that
// another program removed after this one chose it.
TEST_P(InvoiceRecordsTest, NoInvoiceIsIssuedForARemovedCustomer)
{
    const int32_t leaving = addCustomer("Leaving", "LEAVE");
    ASSERT_EQ(customers.remove(leaving), CustomerRecords::Removal::Removed);
    try {
        invoices.createInvoice("LEAVE", leaving, mayFirst);
        ADD_FAILURE() << "an invoice was issued";
    } catch (const InvoiceNumberError& error) {
        EXPECT_EQ(error.reason(), InvoiceNumberError::Reason::CustomerGone) << error.what();
    }
    EXPECT_EQ(dump("TblInvoice"), QStringList());
    EXPECT_EQ(counters("LEAVE"), Numbers{0}) << "no number was used up";
}

struct Refusal {
    const char* name;
    // A counter table without the schema's rules, as a file made elsewhere
    // may have it; only there can a counter be empty or text.
    bool looseCounterTable;
    const char* counterValue; // SQL for the counter of code "X'Y", or nullptr for no row
    InvoiceNumberError::Reason reason;
};

// Names the case in the test's name and in failures.
void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

using RefusedInvoiceNumber = InvoiceRecordsTestWith<std::tuple<Kind, Refusal>>;

TEST_P(RefusedInvoiceNumber, SaysWhichCodeAndWritesNothing)
{
    const Refusal& refusal = std::get<1>(GetParam());
    if (refusal.looseCounterTable) {
        program.exec("DROP TABLE TblBillingCodes");
        program.exec("CREATE TABLE TblBillingCodes (BillCode TEXT, InvoiceNumber)");
    }
    if (refusal.counterValue)
        program.exec(QString("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('X''Y', %1)")
                         .arg(refusal.counterValue));
    program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('OTHER', 5)");
    // The customer already has invoice 42: a counter at 41 would issue it again.
    program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date) VALUES (42, 7, '2024-01-31')");
    const QStringList countersBefore = dump("TblBillingCodes");
    const QStringList invoicesBefore = dump("TblInvoice");

    try {
        invoices.createInvoice("X'Y", 7, mayFirst);
        ADD_FAILURE() << "a number was issued";
    } catch (const InvoiceNumberError& error) {
        EXPECT_EQ(error.reason(), refusal.reason) << error.what();
        EXPECT_TRUE(error.message().contains("\"X'Y\"")) << error.what();
    }
    EXPECT_EQ(dump("TblBillingCodes"), countersBefore);
    EXPECT_EQ(dump("TblInvoice"), invoicesBefore);
}

using Reason = InvoiceNumberError::Reason;
const auto strictRefusals = ::testing::Values(Refusal{"NoRow", false, nullptr, Reason::NoCounter},
                                              Refusal{"Negative", false, "-1", Reason::UnusableCounter},
                                              Refusal{"AtTheEnd", false, "2147483647", Reason::NumbersUsedUp},
                                              Refusal{"PastTheEnd", false, "4294967296", Reason::NumbersUsedUp},
                                              Refusal{"InvoiceExists", false, "41", Reason::InvoiceExists});
const auto looseRefusals = ::testing::Values(Refusal{"Null", true, "NULL", Reason::UnusableCounter},
                                             Refusal{"Text", true, "'forty'", Reason::UnusableCounter},
                                             Refusal{"Fraction", true, "4.5", Reason::UnusableCounter});
std::string refusalName(const ::testing::TestParamInfo<std::tuple<Kind, Refusal>>& named)
{
    return testing::nameOfKind(std::get<0>(named.param)) + std::get<1>(named.param).name;
}
INSTANTIATE_TEST_SUITE_P(Counters, RefusedInvoiceNumber, ::testing::Combine(bothKinds, strictRefusals), refusalName);
INSTANTIATE_TEST_SUITE_P(LooseCounters, RefusedInvoiceNumber,
                         ::testing::Combine(::testing::Values(Kind::File), looseRefusals), refusalName);

// Two programs on one database issuing invoices and credit notes from one
// counter, taking turns at the lock: every number is issued once, none is
// skipped, and the counter ends at the last.
TEST_P(InvoiceRecordsTest, TwoProgramsIssuingAtOnceNeverShareANumber)
{
    constexpr int invoicesEach = 500;
    constexpr int creditEvery = 5;
    constexpr int each = invoicesEach + invoicesEach / creditEvery;
    const std::array<int32_t, 2> customerIds{addCustomer("Alpha", "SHARED"), addCustomer("Beta", "SHARED")};
    std::vector<QStringList> arguments;
    for (const int32_t customerId : customerIds)
        arguments.push_back({where(), "SHARED", QString::number(customerId), QString::number(invoicesEach),
                             QString::number(creditEvery)});
    testing::runChildrenAtOnce(INVOICE_ISSUING_CHILD, arguments);

    const auto issued = database().firstRow("SELECT COUNT(*), COUNT(DISTINCT InvoiceID), MIN(InvoiceID), "
                                            "MAX(InvoiceID) FROM TblInvoice");
    EXPECT_EQ(issued->value(0).toInt(), 2 * each);
    EXPECT_EQ(issued->value(1).toInt(), 2 * each) << "a number was issued twice";
    EXPECT_EQ(issued->value(2).toInt(), 1);
    EXPECT_EQ(issued->value(3).toInt(), 2 * each);
    EXPECT_EQ(counters("SHARED"), Numbers{2 * each});
    // Each credit note follows the invoice it credits, for that invoice's
    // customer, and takes back all of it.
    const auto notes = database().firstRow(
        "SELECT COUNT(*), SUM(CASE WHEN invoice.InvoiceID < note.InvoiceID THEN 1 ELSE 0 END), "
        "SUM(invoice.Status) FROM TblInvoice AS note "
        "JOIN TblInvoice AS invoice ON invoice.CustomerID = note.CustomerID AND invoice.InvoiceID = note.CreditFor");
    EXPECT_EQ(notes->value(0).toInt(), 2 * (invoicesEach / creditEvery));
    EXPECT_EQ(notes->value(1).toInt(), notes->value(0).toInt());
    EXPECT_EQ(notes->value(2).toInt(), notes->value(0).toInt()) << "only issued invoices are credited";
    EXPECT_EQ(database().firstRow("SELECT SUM(Sums) FROM TblJobs")->value(0).toLongLong(), 0);
}

// Another program has advanced the counter but not yet committed. Reading
// the counter before holding the write lock would read the old value and
// later write it back over the other program's numbers.
TEST_P(InvoiceRecordsTest, IssuingWaitsForAnotherProgramsCounterChange)
{
    const int32_t alpha = addCustomer("Alpha", "ALP");
    const QByteArray counterChange = "UPDATE TblBillingCodes SET InvoiceNumber = 50 WHERE BillCode = 'ALP';";
    LockingProcess otherProgram(where(),
                                server ? "BEGIN; SELECT pg_advisory_xact_lock(1363298636); " + counterChange
                                       : "BEGIN IMMEDIATE; " + counterChange);
    ASSERT_TRUE(otherProgram.locked());
    Database& mainDatabase = program.app->state.MainDatabase;
    mainDatabase.setBusyWaitLimit(100);
    try {
        invoices.createInvoice("ALP", alpha, mayFirst);
        ADD_FAILURE() << "issued while another program held the database";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.cause(), DatabaseError::Cause::Busy) << error.what();
    }
    EXPECT_TRUE(dump("TblInvoice").isEmpty());

    // The other program commits while this one waits; the number follows its.
    mainDatabase.setBusyWaitLimit(100000);
    bool waited = false;
    if (server) {
        otherProgram.commitOnceAnotherWaits();
        waited = true;
    } else {
        mainDatabase.setWaitNotice([&](bool waiting) {
            if (waiting && !waited) {
                waited = true;
                otherProgram.release(LockingProcess::Ending::Commit);
            }
        });
    }
    EXPECT_EQ(invoices.createInvoice("ALP", alpha, mayFirst), 51);
    EXPECT_TRUE(waited);
    EXPECT_EQ(counters("ALP"), Numbers{51});
    EXPECT_EQ(dump("TblInvoice").size(), 1);
}

// A file's job numbers are its rowids, which go on past 16 bits from the
// highest stored.
TEST_P(FileInvoiceRecordsTest, JobsAreNumberedByTheDatabasePastSixteenBits)
{
    program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID) VALUES (42, 3)");
    program.exec("INSERT INTO TblJobs VALUES (40000, 1, 1, 'Earlier work', 10000)");
    const int64_t id = invoices.addJob({3, 42, "Réparation chez O'Brien", Money::fromUnits(1234567)});
    EXPECT_EQ(id, 40001);
    EXPECT_EQ(invoices.addJob({3, 42, "Second", Money::fromUnits(-5000)}), 40002);
    EXPECT_EQ(dump("TblJobs").mid(1),
              (QStringList{"40001|3|42|Réparation chez O'Brien|1234567", "40002|3|42|Second|-5000"}));
}

TEST_P(InvoiceRecordsTest, AJobWithoutDescriptionOrInvoiceIsToldApartAndWritesNothing)
{
    program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID) VALUES (42, 3), (43, 4)");
    EXPECT_THROW(invoices.addJob({3, 42, "", Money::fromUnits(10000)}), EmptyJobDescription);
    EXPECT_THROW(invoices.addJob({3, 42, QString(), Money::fromUnits(10000)}), EmptyJobDescription);
    // Invoice 43 is another customer's; 44 was never stored or is gone.
    EXPECT_THROW(invoices.addJob({3, 43, "Work", Money::fromUnits(10000)}), InvoiceGone);
    EXPECT_THROW(invoices.addJob({3, 44, "Work", Money::fromUnits(10000)}), InvoiceGone);
    EXPECT_TRUE(dump("TblJobs").isEmpty());
}

TEST(MoneyParse, TakesExactAmountsAndRefusesEverythingElse)
{
    constexpr int64_t largest = std::numeric_limits<int64_t>::max();
    const struct {
        const char* typed;
        std::optional<int64_t> units;
    } cases[] = {
        {"0", 0},
        {"12", 120000},
        {" 12.5\t", 125000},
        {"0.0001", 1},
        {".5", 5000},
        {"7.", 70000},
        {"0007.2500", 72500},
        {"-1.25", -12500},
        {"922337203685477.5807", largest},
        {"-922337203685477.5807", -largest},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1.23456", std::nullopt},
        {"12a", std::nullopt},
        {"1 000", std::nullopt},
        {"1,50", std::nullopt},
        {"+5", std::nullopt},
        {"--5", std::nullopt},
        {"922337203685477.5808", std::nullopt},
        {"-922337203685477.5808", std::nullopt},
        {"100000000000000000000", std::nullopt},
        {"\u0661\u0662", std::nullopt}, // digits of another script
    };
    for (const auto& c : cases) {
        const auto parsed = Money::parse(QString::fromUtf8(c.typed));
        const std::optional<int64_t> units = parsed ? std::optional(parsed->units()) : std::nullopt;
        EXPECT_EQ(units, c.units) << '"' << c.typed << '"';
    }
}

TEST(MoneyReadTyped, ReadsTheSeparatorsOfTheLanguageAndRefusesWhatItCannotReadExactly)
{
    const QLocale english(QLocale::English, QLocale::Canada);
    const QLocale french(QLocale::French, QLocale::Canada);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString frenchGroup = french.groupSeparator();
    const struct {
        const QLocale& locale;
        QString typed;
        std::optional<int64_t> units;
    } cases[] = {
        {english, "12.50", 125000},          {english, "1,234.5", 12345000},
        {english, "1,234,567", 12345670000}, {english, "12,50", std::nullopt},
        {english, "1,2345", std::nullopt},   {english, ",123", std::nullopt},
        {english, "0.005", std::nullopt},    {english, "-5", -50000},
        {english, "+5", std::nullopt},       {french, "12,50", 125000},
        {french, " 1 234,5 ", 12345000},     {french, "1" + frenchGroup + "234,5", 12345000},
        {french, "12.50", std::nullopt},     {french, "1,2,3", std::nullopt},
        {french, "0,001", std::nullopt},     {german, "12,50", 125000},
        {german, "1.234,50", 12345000},      {german, "12.50", std::nullopt},
        {german, "1.2345", std::nullopt},    {german, ",5", 5000},
        {german, "", std::nullopt},          {german, "-", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto read = Money::readTyped(c.typed, c.locale);
        const std::optional<int64_t> units = read ? std::optional(read->units()) : std::nullopt;
        EXPECT_EQ(units, c.units) << '"' << c.typed.toStdString() << "\" in " << c.locale.name().toStdString();
    }
}

} // namespace
} // namespace quillbill
