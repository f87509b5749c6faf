// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Payments on a copy of the delivered database, read back with plain SQL:
// the balance with taxes and credit notes, refusals that write nothing,
// Paid and PaidDate following the balance, reversals, invoices marked paid
// before payments were kept, and two programs paying one invoice at once.

#include "records/invoices/Payments.h"
#include "ChildrenAtOnce.h"
#include "EitherKind.h"
#include "TestProgram.h"
#include "invoicing/InvoiceReprint.h"
#include "records/Database.h"
#include "records/customers/CustomerRecords.h"
#include "records/invoices/AccountStatement.h"
#include "records/invoices/AgingReport.h"
#include "records/invoices/CreditNotes.h"
#include "records/invoices/InvoiceHistory.h"
#include "records/invoices/InvoiceRecords.h"
#include "records/invoices/IssuedInvoices.h"

#include <gtest/gtest.h>

namespace quillbill {
namespace {

using testing::TestProgram;

const QDate decemberFirst(2026, 12, 1);
const QString clerk = QStringLiteral("clerk");

Money cents(int64_t count) { return Money::fromUnits(count * 100); }

class PaymentsTest : public testing::OnEitherKind {
protected:
    void SetUp() override
    {
        program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 9975, GSTName = 'GST', PSTName = 'QST'");
        customer = CustomerRecords(database())
                       .add({0, "Tremblay Inc", "5 Rue Laval", "Quebec", "QC", "G1R4S9", "", "", "TRE"});
    }

    // An issued invoice of one job of `amount`.
    int32_t issuedInvoice(Money amount, const QDate& date = decemberFirst)
    {
        const int32_t invoice = records.createInvoice("TRE", customer, date);
        records.addJob({customer, invoice, "Audit", amount});
        InvoiceContent shown;
        shown.jobs = {{"Audit", amount.units()}};
        EXPECT_EQ(IssuedInvoices(database(), clerk).issue(customer, invoice, shown, IssueRoute::Printed),
                  IssueOutcome::Issued);
        return invoice;
    }

    // Paid and PaidDate, as "-1 2026-12-05"; "0 NULL" when unpaid.
    QString paidState(int32_t invoice) const
    {
        const auto row = database().firstRow("SELECT Paid || ' ' || coalesce(PaidDate, 'NULL') FROM TblInvoice "
                                             "WHERE CustomerID = ? AND InvoiceID = ?",
                                             {customer, invoice});
        return row ? row->value(0).toString() : QStringLiteral("gone");
    }

    QStringList everything() const
    {
        return program.dump("TblPayment") + program.dump("TblInvoice") + program.dump("TblInvoiceHistory");
    }

    InvoiceRecords records{program.app->state.MainDatabase, clerk};
    Payments payments{program.app->state.MainDatabase, clerk};
    int32_t customer = 0;
};

INSTANTIATE_TEST_SUITE_P(Records, PaymentsTest, testing::bothKinds, testing::kindName);

TEST_P(PaymentsTest, PaymentsNeverExceedWhatIsOwedAndPaidFollowsTheBalance)
{
    // $100.00 with GST 5 % and QST 9.975 %: $114.98.
    const int32_t invoice = issuedInvoice(cents(10'000));
    ASSERT_EQ(payments.balanceOf(customer, invoice).billed, cents(11'498));

    using Reason = PaymentRefused::Reason;
    struct Refusal {
        const char* name;
        int32_t invoice;
        Money amount;
        Reason reason;
    };
    const Refusal refusals[] = {
        {"nothing", invoice, Money(), Reason::NotAnAmount},
        {"a negative amount", invoice, cents(-1), Reason::NotAnAmount},
        {"part of a cent", invoice, Money::fromUnits(50), Reason::NotAnAmount},
        {"a cent more than is owed", invoice, cents(11'499), Reason::MoreThanOwed},
        {"an invoice not stored", 999, cents(1), Reason::InvoiceGone},
    };
    const QStringList before = everything();
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        try {
            payments.record(customer, refusal.invoice, refusal.amount, decemberFirst, PaymentMethod::Cash);
            ADD_FAILURE() << "a payment was recorded";
        } catch (const PaymentRefused& refused) {
            EXPECT_EQ(refused.reason(), refusal.reason) << refused.what();
        }
        EXPECT_EQ(everything(), before);
    }

    const int64_t cheque = payments.record(customer, invoice, cents(10'000), {2026, 12, 2}, PaymentMethod::Cheque);
    EXPECT_EQ(paidState(invoice), "0 NULL");
    EXPECT_EQ(payments.balanceOf(customer, invoice).owed(), cents(1'498));
    const int64_t transfer = payments.record(customer, invoice, cents(1'498), {2026, 12, 5}, PaymentMethod::Transfer);
    EXPECT_EQ(paidState(invoice), "-1 2026-12-05") << "paid on the day of the payment that settled it";
    EXPECT_THROW(payments.record(customer, invoice, cents(1), decemberFirst, PaymentMethod::Cash), PaymentRefused);

    payments.reverse(customer, invoice, transfer);
    EXPECT_EQ(paidState(invoice), "0 NULL");
    EXPECT_EQ(payments.balanceOf(customer, invoice).owed(), cents(1'498));
    const auto refusedReversal = [&](int64_t payment) {
        try {
            payments.reverse(customer, invoice, payment);
        } catch (const PaymentRefused& refused) {
            return refused.reason();
        }
        return Reason::InvoiceGone;
    };
    EXPECT_EQ(refusedReversal(transfer), Reason::AlreadyReversed);
    const std::vector<Payment> lines = payments.paymentsOf(customer, invoice);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].reverses, transfer);
    EXPECT_EQ(lines[2].amount, cents(-1'498));
    EXPECT_TRUE(lines[1].reversed);
    EXPECT_EQ(refusedReversal(lines[2].paymentId), Reason::NoSuchPayment) << "a reversal is not reversed";

    // A credit note of the whole invoice: nothing is owed, and what was paid
    // is due back.
    const CreditNotes notes(database(), clerk);
    const CreditableInvoice creditable = notes.creditable(customer, invoice);
    const int32_t note = notes.make(customer, invoice, {{creditable.jobs[0].job.jobId, creditable.jobs[0].open}}, {},
                                    {}, decemberFirst.addDays(6));
    EXPECT_EQ(payments.balanceOf(customer, invoice).owed(), cents(-10'000));
    EXPECT_EQ(paidState(invoice), "-1 2026-12-02");
    EXPECT_THROW(payments.record(customer, note, cents(1), decemberFirst, PaymentMethod::Cash), PaymentRefused);

    QStringList history;
    for (const HistoryLine& line : InvoiceHistory(database()).linesOf(customer, invoice))
        if (line.event == InvoiceEvent::PaymentRecorded || line.event == InvoiceEvent::PaymentReversed)
            history << QStringLiteral("%1 %2 %3")
                           .arg(line.detail.value("payment").toInteger())
                           .arg(line.detail.value("sums").toString(), line.detail.value("method").toString());
    EXPECT_EQ(
        history,
        (QStringList{QStringLiteral("%1 1000000 cheque").arg(cheque),
                     QStringLiteral("%1 149800 transfer").arg(transfer), QStringLiteral("%1 149800 ").arg(transfer)}));
}

// An invoice ticked paid before payments were kept owes nothing. The tick
// box goes on working: ticking records what is owed as one payment on the
// day given, and unticking reverses it.
TEST_P(PaymentsTest, TheTickBoxRecordsAndTakesBackWhatIsOwed)
{
    const int32_t invoice = issuedInvoice(cents(10'000));
    program.exec("UPDATE TblInvoice SET Paid = -1, PaidDate = '2026-11-20' WHERE InvoiceID = ?", {invoice});
    EXPECT_EQ(payments.balanceOf(customer, invoice).owed(), Money());

    const InvoiceReprint reprint(database(), clerk);
    const auto shown = [&] {
        for (const StoredInvoice& stored : reprint.invoicesOf(customer))
            if (stored.invoiceId == invoice)
                return stored;
        return StoredInvoice{};
    };
    ASSERT_EQ(reprint.recordPayment(customer, shown(), false, {}), SaveOutcome::Saved);
    EXPECT_EQ(paidState(invoice), "0 NULL");
    EXPECT_EQ(payments.balanceOf(customer, invoice).owed(), cents(11'498));

    payments.record(customer, invoice, cents(4'000), {2026, 12, 2}, PaymentMethod::Card);
    ASSERT_EQ(reprint.recordPayment(customer, shown(), true, {2026, 12, 3}), SaveOutcome::Saved);
    EXPECT_EQ(paidState(invoice), "-1 2026-12-03");
    const std::vector<Payment> paid = payments.paymentsOf(customer, invoice);
    ASSERT_EQ(paid.size(), 2u);
    EXPECT_EQ(paid[1].amount, cents(7'498)) << "the rest, as one payment";
    EXPECT_EQ(paid[1].method, PaymentMethod::Other);

    ASSERT_EQ(reprint.recordPayment(customer, shown(), false, {}), SaveOutcome::Saved);
    EXPECT_EQ(paidState(invoice), "0 NULL");
    EXPECT_EQ(payments.balanceOf(customer, invoice).paid, Money()) << "both payments taken back";
    EXPECT_EQ(payments.paymentsOf(customer, invoice).size(), 4u);
}

// A statement: what was owed when the period began, each issued document
// and each payment in it in date order with what is owed after it, and what
// is owed at its end. Drafts and what comes after the period are left out;
// an invoice ticked paid before payments were kept shows its payment.
TEST_P(PaymentsTest, AStatementRunsTheBalanceThroughThePeriod)
{
    program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 0");
    const int32_t before = issuedInvoice(cents(10'000), {2026, 11, 10});
    payments.record(customer, before, cents(5'000), {2026, 11, 20}, PaymentMethod::Cash);
    const int32_t large = issuedInvoice(cents(20'000), {2026, 12, 3});
    const CreditNotes notes(database(), clerk);
    const int32_t note =
        notes.make(customer, large, {{records.jobsOf(customer, large)[0].jobId, cents(4'000)}}, {}, {}, {2026, 12, 5});
    const int64_t bounced = payments.record(customer, large, cents(10'000), {2026, 12, 5}, PaymentMethod::Cheque);
    payments.reverse(customer, large, bounced);
    const int32_t ticked = issuedInvoice(cents(1'000), {2026, 12, 6});
    program.exec("UPDATE TblInvoice SET Paid = -1, PaidDate = '2026-12-08' WHERE InvoiceID = ?", {ticked});
    records.createInvoice("TRE", customer, {2026, 12, 7}); // a draft
    issuedInvoice(cents(50'000), {2027, 1, 3});

    const AccountStatement statement = accountStatement(database(), customer, decemberFirst, {2026, 12, 31});
    EXPECT_EQ(statement.opening, cents(5'500)) << "$105.00 billed, $50.00 paid";
    QStringList lines;
    for (const StatementLine& line : statement.lines)
        lines << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(line.date.toString(Qt::ISODate))
                     .arg(int(line.kind))
                     .arg(line.invoiceId)
                     .arg(line.amount.units() / 100)
                     .arg(line.balance.units() / 100);
    using Kind = StatementLine::Kind;
    const auto expected = [](const char* date, Kind kind, int32_t invoice, int64_t amount, int64_t balance) {
        return QStringLiteral("%1 %2 %3 %4 %5").arg(date).arg(int(kind)).arg(invoice).arg(amount).arg(balance);
    };
    EXPECT_EQ(lines,
              (QStringList{expected("2026-12-03", Kind::Invoice, large, 21'000, 26'500),
                           expected("2026-12-05", Kind::CreditNote, note, -4'200, 22'300),
                           expected("2026-12-05", Kind::Payment, large, -10'000, 12'300),
                           expected("2026-12-05", Kind::Reversal, large, 10'000, 22'300),
                           expected("2026-12-06", Kind::Invoice, ticked, 1'050, 23'350),
                           expected("2026-12-08", Kind::Payment, ticked, -1'050, 22'300)}));
    EXPECT_EQ(statement.closing, cents(22'300));
}

// Aging: what each invoice still owed on the day, in the age of its own
// date, each customer's row and the totals of each age; what was paid or
// credited after the day, and invoices after it, do not count.
TEST_P(PaymentsTest, AgingSplitsWhatIsOwedByDaysPastTheInvoice)
{
    program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 0, PSTRate = 0");
    const QDate asOf(2026, 12, 31);
    // A hundred dollars at each edge of the ages.
    for (const int days : {0, 30, 31, 60, 61, 90, 91})
        issuedInvoice(cents(10'000), asOf.addDays(-days));
    const int32_t partly = issuedInvoice(cents(10'000), asOf.addDays(-10));
    payments.record(customer, partly, cents(2'500), asOf.addDays(-5), PaymentMethod::Cash);
    payments.record(customer, partly, cents(2'500), asOf.addDays(1), PaymentMethod::Cash);
    const int32_t paid = issuedInvoice(cents(10'000), asOf.addDays(-40));
    payments.record(customer, paid, cents(10'000), asOf.addDays(-20), PaymentMethod::Cheque);
    const int32_t credited = issuedInvoice(cents(10'000), asOf.addDays(-100));
    const CreditNotes notes(database(), clerk);
    notes.make(customer, credited, {{records.jobsOf(customer, credited)[0].jobId, cents(4'000)}}, {}, {},
               asOf.addDays(-3));
    issuedInvoice(cents(10'000), asOf.addDays(1));

    const int32_t other =
        CustomerRecords(database()).add({0, "Acme Tools", "1 Main St", "Truro", "NS", "B2N1A1", "", "", "ACM"});
    const int32_t acme = records.createInvoice("ACM", other, asOf.addDays(-45));
    records.addJob({other, acme, "Work", cents(5'000)});
    InvoiceContent shown;
    shown.jobs = {{"Work", cents(5'000).units()}};
    IssuedInvoices(database(), clerk).issue(other, acme, shown, IssueRoute::Printed);

    const AgingReport report = agingReport(database(), asOf);
    const auto dollarsOf = [](const std::array<Money, agingBuckets>& owed) {
        std::vector<int64_t> whole;
        for (const Money amount : owed)
            whole.push_back(amount.units() / 10'000);
        return whole;
    };
    ASSERT_EQ(report.rows.size(), 2u);
    EXPECT_EQ(report.rows[0].company, "Acme Tools");
    EXPECT_EQ(dollarsOf(report.rows[0].owed), (std::vector<int64_t>{0, 0, 50, 0, 0}));
    EXPECT_EQ(report.rows[1].company, "Tremblay Inc");
    // Current: the day's own; 1-30: 30 days and the $75 left of 10 days; 31-60:
    // 31 and 60; 61-90: 61 and 90; over 90: 91 and the $60 not credited of 100.
    EXPECT_EQ(dollarsOf(report.rows[1].owed), (std::vector<int64_t>{100, 175, 200, 200, 160}));
    EXPECT_EQ(report.rows[1].total, cents(83'500));
    EXPECT_EQ(dollarsOf(report.totals), (std::vector<int64_t>{100, 175, 250, 200, 160}));
    EXPECT_EQ(report.total, cents(88'500));
}

// Two programs paying one invoice at once, taking turns at the lock, and
// trying to pay ten dollars more than it bills between them: every payment
// lands until nothing is owed, none after, and the invoice is paid when the
// last dollar came in.
TEST_P(PaymentsTest, TwoProgramsPayingOneInvoiceAtOnceNeverPayTooMuch)
{
    constexpr int each = 60;
    constexpr int dollarsBilled = 2 * each - 10;
    program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 0, PSTRate = 0");
    const int32_t invoice = issuedInvoice(cents(dollarsBilled * 100));
    const QStringList arguments{where(), QString::number(customer), QString::number(invoice), QString::number(each)};
    testing::runChildrenAtOnce(PAYMENT_RECORDING_CHILD, {arguments, arguments});

    EXPECT_EQ(payments.paymentsOf(customer, invoice).size(), size_t{dollarsBilled});
    EXPECT_EQ(payments.balanceOf(customer, invoice).owed(), Money());
    const auto paidOn = database().firstRow("SELECT PaidOn FROM TblPayment ORDER BY PaymentID DESC LIMIT 1");
    EXPECT_EQ(paidState(invoice), "-1 " + paidOn->value(0).toString());
}

} // namespace
} // namespace quillbill
