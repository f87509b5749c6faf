// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Credit notes on a copy of the delivered database, read back with plain
// SQL: what is left to credit of each job, the refusals that write nothing,
// and the note's own row, jobs and history.

#include "records/invoices/CreditNotes.h"
#include "EitherKind.h"
#include "TestProgram.h"
#include "records/Database.h"
#include "records/customers/CustomerRecords.h"
#include "records/invoices/InvoiceHistory.h"
#include "records/invoices/InvoiceRecords.h"
#include "records/invoices/IssuedInvoices.h"

#include <gtest/gtest.h>

namespace quillbill {
namespace {

using testing::TestProgram;

const QDate decemberFirst(2026, 12, 1);
const QString clerk = QStringLiteral("clerk");

Money dollars(int64_t whole) { return Money::fromUnits(whole * 10'000); }

class CreditNotesTest : public testing::OnEitherKind {
protected:
    void SetUp() override
    {
        program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 9975, GSTName = 'GST', PSTName = 'QST'");
        customer = CustomerRecords(database())
                       .add({0, "Tremblay Inc", "5 Rue Laval", "Quebec", "QC", "G1R4S9", "", "", "TRE"});
        invoice = records.createInvoice("TRE", customer, decemberFirst, 10);
        for (const auto& [description, amount] : {std::pair{"Audit", 100}, {"Review", 50}, {"Audit", 20}}) {
            records.addJob({customer, invoice, description, dollars(amount)});
            shown.jobs.push_back({description, dollars(amount).units()});
        }
        shown.discountPercent = 10;
        ASSERT_EQ(IssuedInvoices(database(), clerk).issue(customer, invoice, shown, IssueRoute::Printed),
                  IssueOutcome::Issued);
        jobs = records.jobsOf(customer, invoice);
    }

    std::vector<int64_t> openOfEachJob() const
    {
        std::vector<int64_t> open;
        for (const CreditableJob& job : notes.creditable(customer, invoice).jobs)
            open.push_back(job.open.units() / 10'000);
        return open;
    }

    // Every row of the tables a credit note writes, as text.
    QStringList everything() const
    {
        QStringList lines;
        for (const char* table : {"TblInvoice", "TblJobs", "TblInvoiceHistory", "TblIssuedCompany", "TblBillingCodes"})
            lines << program.dump(QLatin1String(table));
        return lines;
    }

    InvoiceRecords records{program.app->state.MainDatabase, clerk};
    CreditNotes notes{program.app->state.MainDatabase, clerk};
    int32_t customer = 0;
    int32_t invoice = 0;
    InvoiceContent shown;
    std::vector<StoredJob> jobs;
};

INSTANTIATE_TEST_SUITE_P(Records, CreditNotesTest, testing::bothKinds, testing::kindName);

// A partial note takes back part of a job; jobs of one description share
// what was taken back of it, the first first. The rest can be credited, and
// nothing beyond it; the note keeps the invoice's discount and taxes
// whatever the office charges now.
TEST_P(CreditNotesTest, NotesTakeBackWhatIsLeftOfEachJobAndNeverMore)
{
    const KeptHeader header{{}, "Tremblay Inc", "5 Rue Laval", "Quebec, QC G1R4S9"};
    const int32_t partial =
        notes.make(customer, invoice, {{jobs[0].jobId, dollars(30)}}, "Billed twice", header, decemberFirst.addDays(1));
    EXPECT_EQ(partial, invoice + 1) << "numbered in the billing code's sequence";
    EXPECT_EQ(openOfEachJob(), (std::vector<int64_t>{70, 50, 20}));
    EXPECT_EQ(notes.creditable(customer, invoice).open, dollars(140));

    program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 13000, PSTRate = 0, GSTName = 'HST', PSTName = ''");
    const auto draft = records.createInvoice("TRE", customer, decemberFirst);
    const int64_t draftJob = records.addJob({customer, draft, "Draft work", dollars(5)});
    using Reason = CreditRefused::Reason;
    struct Refusal {
        const char* name;
        int32_t invoice;
        std::vector<CreditLine> lines;
        Reason reason;
    };
    const Refusal refusals[] = {
        {"more than is left of the job", invoice, {{jobs[0].jobId, dollars(71)}}, Reason::MoreThanOpen},
        {"a negative amount", invoice, {{jobs[1].jobId, dollars(-5)}}, Reason::MoreThanOpen},
        {"a job of another invoice", invoice, {{draftJob, dollars(5)}}, Reason::NotOnInvoice},
        {"one job twice", invoice, {{jobs[1].jobId, dollars(5)}, {jobs[1].jobId, dollars(5)}}, Reason::NotOnInvoice},
        {"nothing", invoice, {{jobs[1].jobId, Money()}}, Reason::NothingCredited},
        {"a draft", draft, {{draftJob, dollars(5)}}, Reason::NotIssued},
        {"a credit note", partial, {}, Reason::IsCreditNote},
        {"an invoice not stored", 999, {}, Reason::InvoiceGone},
    };
    const QStringList before = everything();
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        try {
            notes.make(customer, refusal.invoice, refusal.lines, {}, header, decemberFirst);
            ADD_FAILURE() << "a credit note was made";
        } catch (const CreditRefused& refused) {
            EXPECT_EQ(refused.reason(), refusal.reason) << refused.what();
        }
        EXPECT_EQ(everything(), before) << "nothing is written, not even a number";
    }

    const int32_t rest = notes.make(
        customer, invoice, {{jobs[0].jobId, dollars(70)}, {jobs[1].jobId, dollars(50)}, {jobs[2].jobId, dollars(20)}},
        {}, header, decemberFirst.addDays(2));
    EXPECT_EQ(rest, draft + 1);
    EXPECT_EQ(notes.creditable(customer, invoice).open, Money());
    EXPECT_EQ(notes.creditable(customer, invoice).creditNotes, (std::vector<int32_t>{partial, rest}));
    EXPECT_THROW(notes.make(customer, invoice, {{jobs[2].jobId, dollars(1)}}, {}, header, decemberFirst),
                 CreditRefused);

    const auto row = database().firstRow("SELECT CreditFor, Status, IssuedBy, Discount, GSTRate, PSTRate, GSTName, "
                                         "PSTName, BillAddress, Date FROM TblInvoice WHERE CustomerID = ? AND "
                                         "InvoiceID = ?",
                                         {customer, rest});
    QStringList stored;
    for (int i = 0; i < row->count(); ++i)
        stored << row->value(i).toString();
    EXPECT_EQ(stored.join('|'), QStringLiteral("%1|1|clerk|10|5000|9975|GST|QST|5 Rue Laval|2026-12-03").arg(invoice));
    QStringList noteJobs;
    for (const StoredJob& job : records.jobsOf(customer, rest))
        noteJobs << QStringLiteral("%1 %2").arg(job.description).arg(job.sums.units() / 10'000);
    EXPECT_EQ(noteJobs, (QStringList{"Audit -70", "Review -50", "Audit -20"}));

    const auto events = [&](int32_t of) {
        QStringList lines;
        for (const HistoryLine& line : InvoiceHistory(database()).linesOf(customer, of))
            if (line.event == InvoiceEvent::CreditNoteMade || line.event == InvoiceEvent::CreditNoteIssued)
                lines << QStringLiteral("%1 %2 %3 %4")
                             .arg(line.detail.value("creditNote").toInt() + line.detail.value("invoice").toInt())
                             .arg(line.detail.value("sums").toString(), line.detail.value("reason").toString(),
                                  line.user);
        return lines;
    };
    EXPECT_EQ(events(invoice),
              (QStringList{QStringLiteral("%1 300000 Billed twice clerk").arg(partial),
                           QStringLiteral("%1 1400000  clerk").arg(rest)}));
    EXPECT_EQ(events(partial), (QStringList{QStringLiteral("%1 300000 Billed twice clerk").arg(invoice)}));
}

// An invoice from before jobs were checked may hold a negative line; a void
// takes it back too, so that the note comes to the invoice's total.
TEST_P(CreditNotesTest, AVoidOfAnInvoiceWithANegativeLineComesToItsTotal)
{
    program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (?, ?, 'Refund', ?)",
                 {customer, invoice, qlonglong{-dollars(30).units()}});
    const CreditableInvoice creditable = notes.creditable(customer, invoice);
    ASSERT_EQ(creditable.open, dollars(140));
    std::vector<CreditLine> all;
    for (const CreditableJob& job : creditable.jobs)
        all.push_back({job.job.jobId, job.open});
    notes.make(customer, invoice, all, {}, {}, decemberFirst);
    EXPECT_EQ(notes.creditable(customer, invoice).open, Money());
    EXPECT_EQ(openOfEachJob(), (std::vector<int64_t>{0, 0, 0, 0}));
}

} // namespace
} // namespace quillbill
