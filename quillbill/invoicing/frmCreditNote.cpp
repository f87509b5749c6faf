// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/frmCreditNote.h"

#include "app/AppContext.h"
#include "app/FailureMessage.h"
#include "common/Controls.h"
#include "common/ProgramInfo.h"
#include "invoicing/InvoiceForms.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillbill {

namespace {

enum JobColumn { DescriptionColumn, BilledColumn, OpenColumn, CreditColumn };

QString shownAmount(Money amount) { return dollars(fromTenThousandths(amount.units()), QLocale()); }

QTableWidgetItem* readOnlyItem(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    item->setTextAlignment(alignment);
    return item;
}

} // namespace

frmCreditNote::frmCreditNote(AppContext& app, CreditNoteMaking making, QWidget* parent)
    : QDialog(parent),
      app_(app),
      making_(std::move(making)),
      lblCreditInvoice_(makeLabel("lblCreditInvoice", {})),
      grdCreditJobs_(new QTableWidget(0, 4)),
      lblCreditTotal_(makeLabel("lblCreditTotal", {})),
      txtReason_(makeTextBox("txtReason")),
      cmdCreditAll_(makeButton("cmdCreditAll", tr("Credit &Everything Left"))),
      cmdMakeCreditNote_(makeButton("cmdMakeCreditNote", tr("&Make Credit Note"))),
      cmdCancel_(makeButton("cmdCancel", tr("Cancel")))
{
    setObjectName("frmCreditNote");
    setWindowTitle(tr("Credit Note for Invoice %1").arg(making_.invoiceId()));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);

    lblCreditInvoice_->setWordWrap(true);
    grdCreditJobs_->setObjectName("grdCreditJobs");
    grdCreditJobs_->setAccessibleName(tr("Jobs of the invoice and what the credit note takes back of each"));
    grdCreditJobs_->setHorizontalHeaderLabels({tr("Job"), tr("Billed"), tr("Left to Credit"),
                                               //: Column heading: the amount the credit note takes back of the job.
                                               tr("Credit")});
    grdCreditJobs_->horizontalHeader()->setSectionResizeMode(DescriptionColumn, QHeaderView::Stretch);
    grdCreditJobs_->verticalHeader()->hide();
    grdCreditJobs_->setMinimumWidth(grdCreditJobs_->fontMetrics().averageCharWidth() * 80);
    txtReason_->setAccessibleName(tr("Reason"));
    txtReason_->setMaxLength(200);
    txtReason_->setPlaceholderText(tr("Why the invoice is corrected (kept in its history)"));
    cmdMakeCreditNote_->setDefault(true);

    auto* reasonRow = new QFormLayout;
    auto* reasonLabel = new QLabel(tr("&Reason"));
    reasonLabel->setBuddy(txtReason_);
    reasonRow->addRow(reasonLabel, txtReason_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblCreditInvoice_);
    layout->addWidget(grdCreditJobs_, 1);
    layout->addWidget(lblCreditTotal_);
    layout->addLayout(reasonRow);
    layout->addLayout(makeButtonRow({cmdCreditAll_, cmdMakeCreditNote_, cmdCancel_}));

    connect(grdCreditJobs_, &QTableWidget::itemChanged, this, &frmCreditNote::showTotal);
    connect(cmdCreditAll_, &QPushButton::clicked, this, &frmCreditNote::creditEverything);
    connect(cmdMakeCreditNote_, &QPushButton::clicked, this, &frmCreditNote::makeCreditNote);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    fillJobs();
}

void frmCreditNote::fillJobs()
{
    const CreditableInvoice& invoice = making_.invoice();
    lblCreditInvoice_->setText(tr("Invoice %1 billed %2 before taxes; %3 of it is left to credit. Enter what the "
                                  "credit note takes back of each job, before taxes: the invoice's discount and "
                                  "taxes apply to it as they did to the invoice.")
                                   .arg(making_.invoiceId())
                                   .arg(shownAmount(invoice.billed), shownAmount(invoice.open)));
    const QSignalBlocker quiet(grdCreditJobs_);
    grdCreditJobs_->setRowCount(static_cast<int>(invoice.jobs.size()));
    for (int row = 0; row < grdCreditJobs_->rowCount(); ++row) {
        const CreditableJob& job = invoice.jobs[static_cast<size_t>(row)];
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        grdCreditJobs_->setItem(row, DescriptionColumn, readOnlyItem(job.job.description));
        grdCreditJobs_->setItem(row, BilledColumn, readOnlyItem(shownAmount(job.job.sums), right));
        grdCreditJobs_->setItem(row, OpenColumn, readOnlyItem(shownAmount(job.open), right));
        auto* credit = new QTableWidgetItem;
        credit->setTextAlignment(right);
        // Nothing is left of the job to take back.
        if (job.open.units() == 0)
            credit->setFlags(credit->flags() & ~Qt::ItemIsEditable);
        grdCreditJobs_->setItem(row, CreditColumn, credit);
    }
    grdCreditJobs_->resizeColumnsToContents();
    showTotal();
}

std::vector<QString> frmCreditNote::typedAmounts() const
{
    std::vector<QString> typed;
    for (int row = 0; row < grdCreditJobs_->rowCount(); ++row)
        typed.push_back(grdCreditJobs_->item(row, CreditColumn)->text());
    return typed;
}

void frmCreditNote::showTotal()
{
    const CreditNoteMaking::Judged judged = making_.judge(typedAmounts(), QLocale());
    lblCreditTotal_->setText(judged.problem.isEmpty()
                                 ? tr("The credit note takes back %1 before taxes.").arg(shownAmount(judged.total))
                                 : judged.problem);
}

void frmCreditNote::creditEverything()
{
    const CreditableInvoice& invoice = making_.invoice();
    const QSignalBlocker quiet(grdCreditJobs_);
    for (int row = 0; row < grdCreditJobs_->rowCount(); ++row) {
        const Money open = invoice.jobs[static_cast<size_t>(row)].open;
        grdCreditJobs_->item(row, CreditColumn)
            ->setText(open.units() == 0 ? QString() : Money::typedText(open, QLocale()));
    }
    showTotal();
}

void frmCreditNote::makeCreditNote()
{
    const CreditNoteMaking::Judged judged = making_.judge(typedAmounts(), QLocale());
    if (!judged.problem.isEmpty()) {
        app_.messages.warn(this, judged.problem, ProgramInfo::title);
        return;
    }
    const bool whole = judged.total == making_.invoice().open;
    const QString question = (whole ? tr("Make a credit note taking back all that is left of invoice %1, %2 before "
                                         "taxes?")
                                    : tr("Make a credit note taking back %2 before taxes of invoice %1?"))
                                 .arg(making_.invoiceId())
                                 .arg(shownAmount(judged.total))
        + u' ' + tr("It is issued at once, and cannot be changed or deleted afterwards.");
    if (!app_.messages.askYesNoDefaultNo(this, question, tr("Verify Information")))
        return;
    int32_t note = 0;
    if (!runShowingFailure(app_.messages, ProgramInfo::title,
                           [&] { note = making_.make(judged.lines, txtReason_->text()); })) {
        // What another desk credited meanwhile shows at once.
        runShowingFailure(app_.messages, ProgramInfo::title, [&] { making_.reread(); });
        fillJobs();
        return;
    }
    // Closed first: the note's preview is not shown over a modal window.
    accept();
    emit creditNoteMade(note);
}

} // namespace quillbill
