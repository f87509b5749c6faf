// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Drafts and issued invoices, driven through the reprint window and the
// preview on a copy of the delivered database: when an invoice is issued,
// what its later copies show, a change made by another program in the
// meantime, and the credit notes that correct an issued invoice.

#include "FindControl.h"
#include "PrintedPdf.h"
#include "ProgramControls.h"
#include "TestProgram.h"
#include "invoicing/frmAddInvoice.h"
#include "invoicing/frmCreditNote.h"
#include "invoicing/frmReprint.h"
#include "records/invoices/InvoiceErrors.h"
#include "records/invoices/InvoiceHistory.h"
#include "records/invoices/InvoiceRecords.h"

#include "../quirepress/FileDialogAnswer.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace quillbill {
namespace {

using testing::chooseInList;
using testing::control;
using testing::shownWindow;
using testing::TestProgram;

constexpr int32_t tremblay = 30;
const QString clerk = QStringLiteral("clerk");

class IssuingInvoices : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.installDeliveredReports();
        // The preview's Print button prints on the layout's printer.
        const QString layout = program.app->path("Reports/simple.rdn");
        QFile file(layout);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        text.replace("PrinterName=\r\n", "PrinterName=PDF\r\n").replace("PrinterName=\n", "PrinterName=PDF\n");
        ASSERT_TRUE(text.contains("PrinterName=PDF"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();

        program.app->state.CurrentUser = clerk;
        program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                     "VALUES (?, 'Tremblay Inc', '5 Rue Laval', 'Quebec', 'QC', 'G1R4S9', 'TRE')",
                     {tremblay});
        program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('TRE', 0)");
    }

    void TearDown() override
    {
        if (QWidget* preview = shownWindow("frmDisplay"))
            preview->close();
    }

    const Database& database() const { return program.app->state.MainDatabase; }

    // A new draft of Tremblay Inc with one job of $100.00.
    int32_t newDraft()
    {
        const InvoiceRecords records(database(), clerk);
        const int32_t invoice = records.createInvoice("TRE", tremblay, {2026, 12, 7});
        records.addJob({tremblay, invoice, "Audit", Money::fromUnits(1'000'000)});
        return invoice;
    }

    // Opens the reprint window on Tremblay Inc's invoice `invoice` and its
    // preview.
    QWidget* preview(int32_t invoice)
    {
        window = std::make_unique<frmReprint>(*program.app);
        window->show();
        chooseInList(control<QComboBox>(window.get(), "cmbCustomerID"), "Tremblay Inc");
        QTreeWidget* list = invoices();
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            if (list->topLevelItem(row)->text(0) == QString::number(invoice))
                list->setCurrentItem(list->topLevelItem(row));
        EXPECT_EQ(list->currentItem()->text(0), QString::number(invoice));
        QTest::mouseClick(control<QPushButton>(window.get(), "cmdPrintInvoice"), Qt::LeftButton);
        return shownWindow("frmDisplay");
    }

    // Saves the open preview as `path`, as the user does.
    static void saveAsPdf(QWidget* preview, const QString& path)
    {
        answerFileDialog(path);
        QTest::mouseClick(control<QAbstractButton>(preview, "cmdSavePdf"), Qt::LeftButton);
    }

    QTreeWidget* invoices() const { return control<QTreeWidget>(window.get(), "ListView1"); }
    // The Status column of the selected invoice.
    QString listedStatus() const { return invoices()->currentItem()->text(5); }

    QString stored(int32_t invoice) const
    {
        const auto row = database().firstRow(
            "SELECT Status || ' ' || coalesce(IssuedBy, '-') FROM TblInvoice WHERE CustomerID = ? AND InvoiceID = ?",
            {tremblay, invoice});
        return row ? row->value(0).toString() : QStringLiteral("gone");
    }

    // Each line of the invoice's history as "event user detail".
    QStringList history(int32_t invoice) const
    {
        QStringList lines;
        for (const HistoryLine& line : InvoiceHistory(database()).linesOf(tremblay, invoice))
            lines << QStringLiteral("%1 %2 %3")
                         .arg(int(line.event))
                         .arg(line.user, QString::fromUtf8(QJsonDocument(line.detail).toJson(QJsonDocument::Compact)));
        return lines;
    }

    TestProgram program;
    std::unique_ptr<frmReprint> window;
    QTemporaryDir folder;
};

const QString addedAudit = QStringLiteral("%1 clerk {\"after\":{\"description\":\"Audit\",\"sums\":\"1000000\"}}")
                               .arg(int(InvoiceEvent::JobAdded));
QString issuedBy(const QString& user, const char* how)
{
    return QStringLiteral("%1 %2 {\"how\":\"%3\"}").arg(int(InvoiceEvent::Issued)).arg(user, how);
}

// A preview leaves a draft as it is; the copy that leaves the office, on
// paper or as a PDF file, issues it, by the user logged in.
TEST_F(IssuingInvoices, ADraftIsIssuedWhenItsDocumentLeavesTheOfficeAndNotBefore)
{
    SKIP_WITHOUT_PDF_QUEUE();
    struct Route {
        const char* name;
        const char* how;
        std::function<void(QWidget*)> take;
    };
    const Route routes[] = {
        {"saved as PDF", "pdf", [&](QWidget* shown) { saveAsPdf(shown, folder.filePath("Invoice.pdf")); }},
        {"printed", "printed",
         [](QWidget* shown) { QTest::mouseClick(control<QAbstractButton>(shown, "cmdToolbar4"), Qt::LeftButton); }},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        const int32_t invoice = newDraft();
        QWidget* shown = preview(invoice);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(stored(invoice), "0 -") << "a preview is not a copy sent";
        EXPECT_EQ(listedStatus(), "Draft");

        route.take(shown);
        EXPECT_TRUE(program.messages.empty()) << program.messages.last().text.toStdString();
        EXPECT_EQ(stored(invoice), "1 clerk");
        EXPECT_EQ(listedStatus(), "Issued") << "the list shows it at once";
        EXPECT_EQ(history(invoice), (QStringList{addedAudit, issuedBy(clerk, route.how)}));
        shown->close();
    }
}

// Once issued, an invoice is the document that was sent: its copies show the
// customer's address, the office and the taxes it was sent with, and none
// of its jobs or its discount can be changed.
TEST_F(IssuingInvoices, AnIssuedInvoiceReprintsAsItWasSentAndCannotBeChanged)
{
    program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 9975, GSTName = 'GST', PSTName = 'QST'");
    const int32_t invoice = newDraft();
    const QString sent = folder.filePath("sent.pdf");
    saveAsPdf(preview(invoice), sent);
    ASSERT_EQ(stored(invoice), "1 clerk");
    const QStringList asSent = testing::pageTexts(sent);
    ASSERT_TRUE(asSent.join(u'\n').contains("5 Rue Laval"));

    program.exec("UPDATE TblCustomer SET Address = '900 Grande Allee', City = 'Levis' WHERE CustomerID = ?",
                 {tremblay});
    program.exec("UPDATE TblMyCompanyInfo SET CompanyName = 'Renamed Office', Address = '1 New Road', "
                 "GSTRate = 13000, PSTRate = 0, GSTName = 'HST', PSTName = ''");
    shownWindow("frmDisplay")->close();
    const QString again = folder.filePath("again.pdf");
    saveAsPdf(preview(invoice), again);
    EXPECT_EQ(testing::pageTexts(again), asSent) << "the copy is the invoice as it was sent";
    EXPECT_EQ(history(invoice).size(), 2) << "a copy of an issued invoice is not issued again";

    const InvoiceRecords records(database(), clerk);
    const StoredJob audit = records.jobsOf(tremblay, invoice).front();
    auto asRead = records.readInvoice(tremblay, invoice).value();
    EXPECT_THROW(records.addJob({tremblay, invoice, "More", Money::fromUnits(10'000)}), InvoiceIssued);
    EXPECT_THROW(records.changeJob(tremblay, invoice, audit, "Changed", audit.sums), InvoiceIssued);
    EXPECT_THROW(records.deleteJob(tremblay, invoice, audit), InvoiceIssued);
    EXPECT_THROW(records.saveDiscount(tremblay, invoice, 10, asRead), InvoiceIssued);
    ASSERT_EQ(records.jobsOf(tremblay, invoice).size(), 1u);
    EXPECT_EQ(records.jobsOf(tremblay, invoice).front().description, "Audit");
    EXPECT_EQ(records.readInvoice(tremblay, invoice)->row.value("Discount").toInt(), 0);
}

// Another program changes a job after this one made its copy: the copy that
// leaves is not the invoice, so the invoice stays a draft and the user is
// told. Once issued, the other program's change is refused.
TEST_F(IssuingInvoices, AJobChangedByAnotherProgramAfterTheCopyWasMadeKeepsTheInvoiceADraft)
{
    const int32_t invoice = newDraft();
    const auto otherProgram = [&](const QString& description) {
        QProcess child;
        child.start(QStringLiteral(JOB_CHANGING_CHILD),
                    {program.databasePath(), QString::number(tremblay), QString::number(invoice), description});
        EXPECT_TRUE(child.waitForFinished(60000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
        return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    };

    QWidget* shown = preview(invoice);
    ASSERT_EQ(otherProgram("Audit and review"), "saved");
    saveAsPdf(shown, folder.filePath("stale.pdf"));
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("changed at another desk"))
        << program.messages.last().text.toStdString();
    EXPECT_EQ(stored(invoice), "0 -");
    EXPECT_EQ(listedStatus(), "Draft");

    program.messages.clear();
    shown->close();
    const QString sent = folder.filePath("sent.pdf");
    saveAsPdf(preview(invoice), sent);
    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(stored(invoice), "1 clerk");
    EXPECT_TRUE(testing::pageTexts(sent).join(u'\n').contains("Audit and review"));
    EXPECT_EQ(otherProgram("Too late"), "issued");
    EXPECT_EQ(InvoiceRecords(database()).jobsOf(tremblay, invoice).front().description, "Audit and review");
    EXPECT_EQ(history(invoice).size(), 3) << "added, changed by the other desk, issued";
}

// The reprint window lists what happened to the selected invoice, and takes
// a draft, but not an issued invoice, back to the invoice window, where its
// jobs can be added to.
TEST_F(IssuingInvoices, TheHistoryIsListedAndOnlyADraftIsTakenUpAgain)
{
    const int32_t invoice = newDraft();
    QWidget* shown = preview(invoice);
    auto* openDraft = control<QPushButton>(window.get(), "cmdOpenDraft");
    const auto history = [this] {
        QStringList lines;
        auto* list = control<QListWidget>(window.get(), "lstHistory");
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines;
    };
    ASSERT_EQ(history().size(), 1);
    EXPECT_TRUE(history()[0].endsWith("  clerk  Job added: \"Audit\" $100.00")) << history()[0].toStdString();
    EXPECT_TRUE(openDraft->isEnabled());
    QSignalSpy asked(window.get(), &frmReprint::openDraftRequested);
    QTest::mouseClick(openDraft, Qt::LeftButton);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0], (QVariantList{tremblay, invoice}));

    frmAddInvoice invoiceWindow(*program.app);
    invoiceWindow.openDraft(tremblay, invoice);
    EXPECT_EQ(control<QLineEdit>(&invoiceWindow, "txtInvoiceID")->text(), QString::number(invoice));
    auto* jobs = control<QTreeWidget>(&invoiceWindow, "ListView1");
    ASSERT_EQ(jobs->topLevelItemCount(), 1);
    EXPECT_EQ(jobs->topLevelItem(0)->text(0), "Audit");
    control<QLineEdit>(&invoiceWindow, "txtJobDescription")->setText("Review");
    control<QLineEdit>(&invoiceWindow, "txtSums")->setText("20.00");
    QTest::mouseClick(control<QPushButton>(&invoiceWindow, "cmdAddJob"), Qt::LeftButton);
    EXPECT_EQ(InvoiceRecords(database()).jobsOf(tremblay, invoice).size(), 2u) << "the draft is not lost to its number";

    // The copy shown before the new job is not the invoice; a new one is.
    shown->close();
    saveAsPdf(preview(invoice), folder.filePath("sent.pdf"));
    EXPECT_TRUE(program.messages.empty()) << program.messages.last().text.toStdString();
    EXPECT_TRUE(history().last().endsWith("  clerk  Issued (saved as PDF)")) << history().last().toStdString();
    EXPECT_FALSE(control<QPushButton>(window.get(), "cmdOpenDraft")->isEnabled());
    invoiceWindow.openDraft(tremblay, invoice);
    ASSERT_FALSE(program.messages.empty());
    EXPECT_TRUE(program.messages.last().text.contains("has been issued")) << program.messages.last().text.toStdString();
}

// A credit note from the reprint window: numbered next in the billing
// code's sequence, its document titled and naming the invoice, its amounts
// and taxes negative; never more than is left; and once all is taken back
// the invoice is Credited and can be credited no more.
TEST_F(IssuingInvoices, ACreditNoteTakesBackPartOrAllOfAnIssuedInvoice)
{
    program.exec("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 9975, GSTName = 'GST', PSTName = 'QST'");
    const int32_t invoice = newDraft();
    InvoiceRecords(database(), clerk).addJob({tremblay, invoice, "Review", Money::fromUnits(500'000)});
    saveAsPdf(preview(invoice), folder.filePath("sent.pdf"));
    shownWindow("frmDisplay")->close();
    ASSERT_EQ(listedStatus(), "Issued");

    // Looked up each time: preview() opens a new reprint window.
    const auto creditNoteButton = [&] { return control<QPushButton>(window.get(), "cmdCreditNote"); };
    const auto openCreditNote = [&] {
        QPushButton* creditNote = creditNoteButton();
        EXPECT_TRUE(creditNote->isEnabled()) << creditNote->toolTip().toStdString();
        QTest::mouseClick(creditNote, Qt::LeftButton);
        return shownWindow("frmCreditNote");
    };
    // Types `amount` into the Credit cell of job `row`, as the user does.
    const auto typeCredit = [](QWidget* dialog, int row, const QString& amount) {
        auto* grid = control<QTableWidget>(dialog, "grdCreditJobs");
        grid->setCurrentCell(row, 3);
        grid->editItem(grid->item(row, 3));
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, amount);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits a finished edit by a queued call.
        QCoreApplication::processEvents();
        EXPECT_EQ(grid->item(row, 3)->text(), amount);
    };
    const auto make = [](QWidget* dialog) {
        QTest::mouseClick(control<QPushButton>(dialog, "cmdMakeCreditNote"), Qt::LeftButton);
    };

    QWidget* dialog = openCreditNote();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(control<QTableWidget>(dialog, "grdCreditJobs")->item(1, 2)->text(), "$50.00");
    typeCredit(dialog, 1, "20.00");
    control<QLineEdit>(dialog, "txtReason")->setText("Review billed twice");
    make(dialog);
    ASSERT_FALSE(program.messages.empty());
    EXPECT_TRUE(program.messages.last().text.contains("$20.00")) << program.messages.last().text.toStdString();
    const int32_t partial = invoice + 1;
    EXPECT_EQ(stored(partial), "1 clerk") << "issued when made";

    // Its document is shown at once, and is the credit note's.
    QWidget* shown = shownWindow("frmDisplay");
    ASSERT_NE(shown, nullptr);
    const QString notePdf = folder.filePath("note.pdf");
    saveAsPdf(shown, notePdf);
    const QString text = testing::pageTexts(notePdf).join(u'\n');
    for (const char* expected : {"CREDIT NOTE", "Credit Note No.", "Invoice 1 of Dec 7, 2026", "Review", "-$20.00",
                                 "GST (5%)", "-$1.00", "QST (9.975%)", "-$2.00", "-$23.00"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains("Audit")) << "only the job credited";
    shown->close();
    EXPECT_EQ(listedStatus(), QStringLiteral("Credit note for %1").arg(invoice));
    // Mailed, its file is named as what it is.
    QTest::mouseClick(control<QPushButton>(window.get(), "cmdEmail"), Qt::LeftButton);
    EXPECT_EQ(QFileInfo(program.app->state.AttachmentPath).completeBaseName(),
              QStringLiteral("Credit-Note-%1").arg(partial));
    EXPECT_TRUE(QFileInfo::exists(program.app->state.AttachmentPath));
    if (QWidget* email = shownWindow("frmEmail"))
        email->close();

    // The invoice's history names the note, and it is not yet all credited.
    preview(invoice)->close();
    EXPECT_EQ(listedStatus(), "Issued");
    auto* historyList = control<QListWidget>(window.get(), "lstHistory");
    EXPECT_TRUE(
        historyList->item(historyList->count() - 1)
            ->text()
            .endsWith(QStringLiteral("Credit note %1 made, taking back $20.00: Review billed twice").arg(partial)))
        << historyList->item(historyList->count() - 1)->text().toStdString();

    // More than is left is refused, and nothing is made.
    dialog = openCreditNote();
    typeCredit(dialog, 1, "30.01");
    program.messages.clear();
    make(dialog);
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("$30.00 left to credit"))
        << program.messages.last().text.toStdString();
    EXPECT_EQ(stored(partial + 1), "gone");

    // Everything left: a void of the rest.
    QTest::mouseClick(control<QPushButton>(dialog, "cmdCreditAll"), Qt::LeftButton);
    make(dialog);
    const int32_t rest = partial + 1;
    EXPECT_EQ(stored(rest), "1 clerk");
    shownWindow("frmDisplay")->close();
    const QStringList restJobs{"Audit -1000000", "Review -300000"};
    QStringList jobs;
    for (const StoredJob& job : InvoiceRecords(database()).jobsOf(tremblay, rest))
        jobs << QStringLiteral("%1 %2").arg(job.description).arg(job.sums.units());
    EXPECT_EQ(jobs, restJobs);

    preview(invoice)->close();
    EXPECT_EQ(listedStatus(), "Credited");
    EXPECT_FALSE(creditNoteButton()->isEnabled());
    EXPECT_TRUE(creditNoteButton()->toolTip().contains("already take back all"))
        << creditNoteButton()->toolTip().toStdString();
}

} // namespace
} // namespace quillbill
