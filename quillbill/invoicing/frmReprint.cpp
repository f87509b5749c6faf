// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/frmReprint.h"

#include "app/AppContext.h"
#include "app/FailureMessage.h"
#include "common/Controls.h"
#include "common/DateText.h"
#include "common/ProgramInfo.h"
#include "invoicing/CustomerChoice.h"
#include "invoicing/HistoryText.h"
#include "invoicing/JobList.h"
#include "invoicing/PaymentPanel.h"
#include "invoicing/frmCreditNote.h"
#include "records/customers/CustomerRecords.h"
#include "records/invoices/InvoiceRecords.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillbill {

namespace {

enum InvoiceColumn { InvoiceIdColumn, DateColumn, PaidColumn, PaidDateColumn, DiscountColumn, StatusColumn };

QString statusText(InvoiceStatus status)
{
    switch (status) {
    case InvoiceStatus::Draft:
        return frmReprint::tr("Draft");
    case InvoiceStatus::Issued:
        return frmReprint::tr("Issued");
    case InvoiceStatus::Credited:
        return frmReprint::tr("Credited");
    }
    return {};
}

QString shortDate(const QDate& date) { return dateText(date); }

QString statusText(const StoredInvoice& invoice)
{
    return invoice.creditFor ? frmReprint::tr("Credit note for %1").arg(*invoice.creditFor)
                             : statusText(invoice.status);
}

// The Paid column's text, only shown: the database keeps Paid as -1 or 0.
QString paidText(bool paid)
{
    if (paid)
        //: In the Paid column of the invoice list: the invoice is paid.
        return frmReprint::tr("True");
    //: In the Paid column of the invoice list: the invoice is not paid.
    return frmReprint::tr("False");
}

QTreeWidgetItem* invoiceItem(const StoredInvoice& invoice, int index)
{
    auto* item = new QTreeWidgetItem(QStringList{QString::number(invoice.invoiceId), shortDate(invoice.date),
                                                 paidText(invoice.paid), shortDate(invoice.paidDate),
                                                 invoice.discount ? QString::number(*invoice.discount) : QString(),
                                                 statusText(invoice)});
    // The position in the window's copy of the rows, which keeps them as read.
    item->setData(InvoiceIdColumn, Qt::UserRole, index);
    return item;
}

} // namespace

frmReprint::frmReprint(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::Reprint, parent),
      app_(app),
      records_(app.state.MainDatabase, app.state.CurrentUser),
      output_(app),
      cmbCustomerID_(new QComboBox),
      ListView1_(new QTreeWidget),
      ListView2_(makeJobList("ListView2", tr("Jobs of the selected invoice"))),
      lstHistory_(new QListWidget),
      FrameEdit_(new QGroupBox(tr("Update Invoice"))),
      chkPaid_(new QCheckBox(tr("Paid"))),
      txtDatePaid_(makeTextBox("txtDatePaid")),
      calDatePicker_(new QCalendarWidget),
      cmdUpdate_(makeButton("cmdUpdate", tr("Update Invoice"))),
      payments_(new PaymentPanel(app, [this] { return givenDate(); })),
      cmdPrintInvoice_(makeButton("cmdPrintInvoice", tr("Print Invoice"))),
      cmdEmail_(makeButton("cmdEmail", tr("Email This Invoice"))),
      cmdOpenDraft_(makeButton("cmdOpenDraft", tr("Open Draft"))),
      cmdCreditNote_(makeButton("cmdCreditNote", tr("Credit Note..."))),
      cmdClose_(makeButton("cmdClose", tr("Close")))
{
    setObjectName("frmReprint");
    setWindowTitle(tr("Reprint/Update"));

    cmbCustomerID_->setObjectName("cmbCustomerID");
    cmbCustomerID_->setAccessibleName(tr("Customer"));
    cmbCustomerID_->setMinimumContentsLength(30);
    cmbCustomerID_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    ListView1_->setObjectName("ListView1");
    ListView1_->setAccessibleName(tr("Invoices of the customer"));
    ListView1_->setHeaderLabels(
        {tr("Invoice ID"), tr("Date"), tr("Paid"), tr("Date Paid"), tr("Dicount (%)"), tr("Status")});
    ListView1_->setRootIsDecorated(false);
    ListView1_->setUniformRowHeights(true);
    ListView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1_->setEnabled(false);
    // Room for the six columns beside the open calendar.
    ListView1_->setMinimumWidth(ListView1_->fontMetrics().averageCharWidth() * 68);

    lstHistory_->setObjectName("lstHistory");
    lstHistory_->setAccessibleName(tr("History of the selected invoice"));
    lstHistory_->setSelectionMode(QAbstractItemView::NoSelection);
    cmdOpenDraft_->setEnabled(false);
    cmdCreditNote_->setEnabled(false);
    cmdOpenDraft_->setToolTip(tr("Take up the selected draft in the invoice window to add, change or delete its "
                                 "jobs"));

    FrameEdit_->setObjectName("FrameEdit");
    FrameEdit_->setAccessibleName(tr("Update Invoice"));
    FrameEdit_->setEnabled(false);
    chkPaid_->setObjectName("chkPaid");
    chkPaid_->setAccessibleName(tr("Paid"));
    // The box holds a date picked in the calendar or typed in the user's
    // form, or nothing.
    txtDatePaid_->setAccessibleName(tr("Date Paid"));
    txtDatePaid_->setToolTip(
        tr("Type the date as %1, or click to pick it in the calendar").arg(dateText(QDate::currentDate())));
    txtDatePaid_->installEventFilter(this);
    calDatePicker_->setObjectName("calDatePicker");
    calDatePicker_->setAccessibleName(tr("Payment date"));
    calDatePicker_->hide();

    auto* customerRow = new QFormLayout;
    customerRow->addRow(tr("C&ustomer"), cmbCustomerID_);

    auto* dateLabel = new QLabel(tr("&Date Paid"));
    dateLabel->setBuddy(txtDatePaid_);
    auto* paymentLayout = new QGridLayout(FrameEdit_);
    paymentLayout->addWidget(chkPaid_, 0, 0, 1, 2);
    paymentLayout->addWidget(dateLabel, 1, 0);
    paymentLayout->addWidget(txtDatePaid_, 1, 1);
    paymentLayout->addWidget(calDatePicker_, 2, 0, 1, 2);
    paymentLayout->addWidget(cmdUpdate_, 3, 0, 1, 2);
    paymentLayout->addWidget(payments_, 4, 0, 1, 2);
    paymentLayout->setRowStretch(4, 1);

    auto* lists = new QVBoxLayout;
    lists->addWidget(ListView1_, 3);
    lists->addWidget(ListView2_, 2);
    auto* historyLabel = new QLabel(tr("&History"));
    historyLabel->setBuddy(lstHistory_);
    lists->addWidget(historyLabel);
    lists->addWidget(lstHistory_, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(lists, 1);
    middle->addWidget(FrameEdit_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(customerRow);
    layout->addLayout(middle, 1);
    layout->addLayout(makeButtonRow({cmdPrintInvoice_, cmdEmail_, cmdOpenDraft_, cmdCreditNote_, cmdClose_}));

    connect(cmbCustomerID_, &QComboBox::activated, this, &frmReprint::chooseCustomer);
    connect(ListView1_, &QTreeWidget::currentItemChanged, this, &frmReprint::selectInvoice);
    connect(txtDatePaid_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        paidDate_ = readTypedDate(typed);
        if (paidDate_.isValid())
            calDatePicker_->setSelectedDate(paidDate_);
    });
    connect(calDatePicker_, &QCalendarWidget::clicked, this, &frmReprint::pickDate);
    connect(calDatePicker_, &QCalendarWidget::activated, this, &frmReprint::pickDate);
    connect(cmdUpdate_, &QPushButton::clicked, this, &frmReprint::updateInvoice);
    connect(cmdPrintInvoice_, &QPushButton::clicked, this, &frmReprint::printInvoice);
    connect(cmdEmail_, &QPushButton::clicked, this, &frmReprint::emailInvoice);
    connect(cmdOpenDraft_, &QPushButton::clicked, this, &frmReprint::openDraft);
    connect(cmdCreditNote_, &QPushButton::clicked, this, &frmReprint::makeCreditNote);
    connect(cmdClose_, &QPushButton::clicked, this, &ChildWindow::closeChild);

    // A payment recorded or reversed may make the invoice paid, or not.
    connect(payments_, &PaymentPanel::paymentsChanged, this, [this](int32_t customerId, int32_t invoiceId) {
        calDatePicker_->hide();
        if (customerId_ == customerId)
            showInvoices(customerId, invoiceId);
    });

    // An invoice printed, saved or mailed from here shows as issued.
    output_.setOnIssued([this](InvoiceSelection invoice) {
        if (customerId_ == invoice.customerId)
            showInvoices(invoice.customerId, invoice.invoiceId);
    });

    fillCustomers();
}

frmReprint::~frmReprint() = default;

void frmReprint::fillCustomers()
{
    std::vector<Customer> customers;
    if (!runShowingFailure(app_.messages, ProgramInfo::title,
                           [&] { customers = CustomerRecords(app_.state.MainDatabase).all(); }))
        return;
    showCustomers(*cmbCustomerID_, customers);
}

void frmReprint::chooseCustomer(int index)
{
    if (index >= 0)
        showInvoices(cmbCustomerID_->itemData(index).toInt());
}

void frmReprint::showInvoices(int32_t customerId, std::optional<int32_t> select)
{
    std::vector<StoredInvoice> invoices;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] { invoices = records_.invoicesOf(customerId); }))
        return;
    customerId_ = customerId;
    invoices_ = std::move(invoices);

    const QSignalBlocker quiet(ListView1_);
    ListView1_->clear();
    ListView2_->clear();
    lstHistory_->clear();
    payments_->showInvoice(std::nullopt);
    cmdOpenDraft_->setEnabled(false);
    cmdCreditNote_->setEnabled(false);
    if (invoices_.empty()) {
        ListView1_->setEnabled(false);
        return;
    }
    // Handed over at once: a customer may have thousands of invoices.
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(invoices_.size()));
    QTreeWidgetItem* current = nullptr;
    for (size_t i = 0; i < invoices_.size(); ++i) {
        items.append(invoiceItem(invoices_[i], static_cast<int>(i)));
        if (select && invoices_[i].invoiceId == *select)
            current = items.back();
    }
    ListView1_->addTopLevelItems(items);
    // Measured once per fill, on a sample of rows (the header's precision),
    // rather than on every change of every row.
    for (int column = 0; column < ListView1_->columnCount(); ++column)
        ListView1_->resizeColumnToContents(column);
    ListView1_->setEnabled(true);
    ListView1_->setCurrentItem(current ? current : items.front());
    ListView1_->scrollToItem(ListView1_->currentItem());
    selectInvoice();
}

const StoredInvoice* frmReprint::selectedInvoice() const
{
    const QTreeWidgetItem* item = ListView1_->currentItem();
    if (!item || !customerId_)
        return nullptr;
    const auto index = static_cast<size_t>(item->data(InvoiceIdColumn, Qt::UserRole).toInt());
    return index < invoices_.size() ? &invoices_[index] : nullptr;
}

void frmReprint::selectInvoice()
{
    const StoredInvoice* invoice = selectedInvoice();
    if (!invoice)
        return;
    std::vector<StoredJob> jobs;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] {
            jobs = InvoiceRecords(app_.state.MainDatabase).jobsOf(*customerId_, invoice->invoiceId);
        }))
        return;
    ListView2_->clear();
    for (const StoredJob& job : jobs)
        addJobLine(ListView2_, job.description, job.sums);
    showHistory(*invoice);
    cmdOpenDraft_->setEnabled(invoice->status == InvoiceStatus::Draft);
    showCreditable(*invoice);

    FrameEdit_->setTitle(tr("Update Invoice # %1").arg(invoice->invoiceId));
    chkPaid_->setChecked(invoice->paid);
    paidDate_ = invoice->paidDate;
    showFilledIn(txtDatePaid_, shortDate(paidDate_));
    FrameEdit_->setEnabled(paymentLevel <= app_.state.UserLevel);
    // A credit note is settled through the invoice it corrects.
    payments_->setEnabled(!invoice->creditFor);
    payments_->showInvoice(invoice->creditFor ? std::nullopt : customerId_, invoice->invoiceId);
}

bool frmReprint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtDatePaid_) {
        const bool clicked = event->type() == QEvent::MouseButtonPress;
        // The keyboard's way to the calendar.
        // Only into an empty box: a typed date may hold a space.
        const bool keyed = event->type() == QEvent::KeyPress && txtDatePaid_->text().isEmpty()
            && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space
                || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
                || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
        if (clicked || keyed)
            startPickingDate();
    }
    return ChildWindow::eventFilter(watched, event);
}

void frmReprint::startPickingDate()
{
    paidDate_ = QDate();
    txtDatePaid_->clear();
    calDatePicker_->show();
}

void frmReprint::pickDate(const QDate& date)
{
    const QDate today = QDate::currentDate();
    if (date > today) {
        app_.messages.warn(this, tr("Selected date cannot be greater that today."), ProgramInfo::title);
        calDatePicker_->setSelectedDate(today);
        return;
    }
    paidDate_ = date;
    txtDatePaid_->setText(shortDate(date));
}

std::optional<QDate> frmReprint::givenDate()
{
    const QString typed = txtDatePaid_->text().trimmed();
    if (typed.isEmpty())
        return QDate();
    const QDate today = QDate::currentDate();
    if (!paidDate_.isValid()) {
        app_.messages.warn(this,
                           tr("\"%1\" is not a date. Type the date as %2, or click in the box to pick it in the "
                              "calendar.")
                               .arg(typed, dateText(today)),
                           ProgramInfo::title);
        txtDatePaid_->setFocus();
        txtDatePaid_->selectAll();
        return std::nullopt;
    }
    if (paidDate_ > today) {
        app_.messages.warn(this, tr("Selected date cannot be greater that today."), ProgramInfo::title);
        txtDatePaid_->setFocus();
        txtDatePaid_->selectAll();
        return std::nullopt;
    }
    return paidDate_;
}

void frmReprint::updateInvoice()
{
    const StoredInvoice* selected = selectedInvoice();
    if (!selected)
        return;
    if (!givenDate())
        return;
    if (!paidDate_.isValid()
        && !app_.messages.askYesNo(this, tr("You are about to enter a Null date. Are you sure?"),
                                   tr("Verify Information")))
        return;
    // A copy: the list, and the rows behind it, are read again below.
    const StoredInvoice shown = *selected;
    const int32_t customerId = *customerId_;
    SaveOutcome outcome{};
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] {
            outcome = records_.recordPayment(customerId, shown, chkPaid_->isChecked(), paidDate_);
        }))
        return;
    switch (outcome) {
    case SaveOutcome::Saved:
        calDatePicker_->hide();
        showInvoices(customerId);
        return;
    case SaveOutcome::Gone:
        // Nothing was written; the lists stay as they are, so the user
        // sees what they tried to record.
        app_.messages.warn(
            this, tr("Invoice %1 is no longer in the database, so its payment was not recorded.").arg(shown.invoiceId),
            ProgramInfo::title);
        return;
    case SaveOutcome::ChangedMeanwhile:
        app_.messages.warn(this,
                           tr("The payment of invoice %1 was changed elsewhere after it was shown here, so yours "
                              "was not recorded. The invoice now shows as it is stored.")
                               .arg(shown.invoiceId),
                           ProgramInfo::title);
        showInvoices(customerId, shown.invoiceId);
        return;
    }
}

void frmReprint::printInvoice()
{
    if (const StoredInvoice* invoice = selectedInvoice())
        output_.preview(invoice->invoiceId, *customerId_);
}

void frmReprint::emailInvoice()
{
    if (const StoredInvoice* invoice = selectedInvoice())
        output_.email(invoice->invoiceId, *customerId_, this);
}

void frmReprint::openDraft()
{
    if (const StoredInvoice* invoice = selectedInvoice(); invoice && invoice->status == InvoiceStatus::Draft)
        emit openDraftRequested(*customerId_, invoice->invoiceId);
}

void frmReprint::showCreditable(const StoredInvoice& invoice)
{
    QString why;
    if (app_.state.UserLevel < paymentLevel)
        why = tr("Credit notes are made by users of security level %1 and up").arg(paymentLevel);
    else if (invoice.creditFor)
        why = tr("This is a credit note; a credit note is not itself credited");
    else if (invoice.status == InvoiceStatus::Draft)
        why = tr("A draft is corrected by changing its jobs (Open Draft); credit notes are for issued invoices");
    else if (invoice.status == InvoiceStatus::Credited)
        why = tr("Credit notes already take back all this invoice billed");
    cmdCreditNote_->setEnabled(why.isEmpty());
    cmdCreditNote_->setToolTip(why.isEmpty() ? tr("Make a credit note taking back all or part of the selected "
                                                  "invoice")
                                             : why);
}

void frmReprint::makeCreditNote()
{
    const StoredInvoice* invoice = selectedInvoice();
    if (!invoice || !cmdCreditNote_->isEnabled())
        return;
    const int32_t customerId = *customerId_;
    std::optional<CreditNoteMaking> making;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] {
            making.emplace(app_.state.MainDatabase, app_.state.CurrentUser, customerId, invoice->invoiceId);
        }))
        return;
    auto* window = new frmCreditNote(app_, std::move(*making), this);
    connect(window, &frmCreditNote::creditNoteMade, this, [this, customerId](int32_t note) {
        if (customerId_ == customerId)
            showInvoices(customerId, note);
        // The new document, to print, save or send.
        output_.preview(note, customerId);
    });
    window->open();
}

void frmReprint::showHistory(const StoredInvoice& invoice)
{
    lstHistory_->clear();
    std::vector<HistoryLine> lines;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] {
            lines = InvoiceHistory(app_.state.MainDatabase).linesOf(*customerId_, invoice.invoiceId);
        }))
        return;
    const QLocale locale;
    for (const HistoryLine& line : lines)
        lstHistory_->addItem(historyText(line, locale));
    if (lines.empty())
        lstHistory_->addItem(tr("No history is recorded for this invoice (invoices made before the history was "
                                "kept have none)."));
}

} // namespace quillbill
