// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/frmAddInvoice.h"

#include "app/AppContext.h"
#include "app/FailureMessage.h"
#include "common/Controls.h"
#include "common/DateText.h"
#include "common/KeyFilter.h"
#include "common/Money.h"
#include "common/ProgramInfo.h"
#include "common/SelectAllOnFocus.h"
#include "invoicing/CustomerChoice.h"
#include "invoicing/JobList.h"
#include "records/customers/CustomerRecords.h"
#include "records/invoices/InvoiceRecords.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace quillbill {

namespace {

// A box the program fills and the user only reads: read-only rather than
// disabled, so its text stays as legible as the rest.
QLineEdit* makeDisplayBox(const QString& name, const QString& accessibleName)
{
    QLineEdit* box = makeTextBox(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAccessibleName(accessibleName);
    return box;
}

} // namespace

frmAddInvoice::frmAddInvoice(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::AddInvoice, parent),
      app_(app),
      invoice_(app.state.MainDatabase, app.state.CurrentUser),
      output_(app),
      customerChanges_(app.state.MainDatabase),
      customers_(new CustomerListModel(this)),
      cmbCustomerID_(new QComboBox),
      lblCompany_(makeLabel("lblCompany", QString())),
      lblAddress_(makeLabel("lblAddress", QString())),
      lblCity_(makeLabel("lblCity", QString())),
      lblProv_(makeLabel("lblProv", QString())),
      lblPostal_(makeLabel("lblPostal", QString())),
      txtInvoiceID_(makeDisplayBox("txtInvoiceID", tr("Invoice number"))),
      txtDate_(makeDisplayBox("txtDate", tr("Invoice date"))),
      txtDiscount_(makeTextBox("txtDiscount")),
      cmdMakeInvoiceID_(makeButton("cmdMakeInvoiceID", tr("Generate Invoice ID"))),
      txtJobDescription_(makeTextBox("txtJobDescription")),
      txtSums_(makeTextBox("txtSums")),
      cmdAddJob_(makeButton("cmdAddJob", tr("Add Job"))),
      ListView1_(makeJobList("ListView1", tr("Jobs of this invoice"))),
      cmdEditJob_(makeButton("cmdEditJob", tr("Change Job"))),
      cmdDeleteJob_(makeButton("cmdDeleteJob", tr("Delete Job"))),
      cmdPrintInvoice_(makeButton("cmdPrintInvoice", tr("Print Invoice"))),
      cmdEmail_(makeButton("cmdEmail", tr("Email This Invoice"))),
      cmdClose_(makeButton("cmdClose", tr("Close"))),
      Timer1_(new QTimer(this))
{
    setObjectName("frmAddInvoice");
    setWindowTitle(tr("Add New Invoice"));

    cmbCustomerID_->setObjectName("cmbCustomerID");
    cmbCustomerID_->setAccessibleName(tr("Customer"));
    cmbCustomerID_->setMinimumContentsLength(30);
    cmbCustomerID_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbCustomerID_->setModel(customers_);

    txtDiscount_->setText("0");
    txtDiscount_->setAccessibleName(tr("Discount in per cent"));
    KeyFilter::install(txtDiscount_, KeyFilter::isDigit);
    SelectAllOnFocus::install(txtDiscount_);
    txtJobDescription_->setAccessibleName(tr("Job Description"));
    txtSums_->setAccessibleName(tr("Sum"));
    txtSums_->setAlignment(Qt::AlignRight);
    KeyFilter::install(txtSums_, [](QChar c) { return Money::isTypedCharacter(c, QLocale()); });
    SelectAllOnFocus::install(txtSums_);

    auto* customerRow = new QFormLayout;
    customerRow->addRow(tr("C&ustomer"), cmbCustomerID_);

    auto* billTo = new QGroupBox(tr("Bill To"));
    auto* billToLayout = new QFormLayout(billTo);
    billToLayout->addRow(tr("Company:"), lblCompany_);
    billToLayout->addRow(tr("Address:"), lblAddress_);
    billToLayout->addRow(tr("City:"), lblCity_);
    billToLayout->addRow(tr("Province:"), lblProv_);
    billToLayout->addRow(tr("Postal Code:"), lblPostal_);

    auto* invoiceBox = new QGroupBox(tr("Invoice"));
    auto* invoiceLayout = new QGridLayout(invoiceBox);
    invoiceLayout->addWidget(new QLabel(tr("Invoice #:")), 0, 0);
    invoiceLayout->addWidget(txtInvoiceID_, 0, 1);
    invoiceLayout->addWidget(new QLabel(tr("Date:")), 1, 0);
    invoiceLayout->addWidget(txtDate_, 1, 1);
    auto* discountLabel = new QLabel(tr("&Discount:"));
    discountLabel->setBuddy(txtDiscount_);
    invoiceLayout->addWidget(discountLabel, 2, 0);
    auto* discountRow = new QHBoxLayout;
    discountRow->addWidget(txtDiscount_);
    discountRow->addWidget(new QLabel(tr("%")));
    invoiceLayout->addLayout(discountRow, 2, 1);
    invoiceLayout->addWidget(cmdMakeInvoiceID_, 3, 0, 1, 2);

    auto* top = new QHBoxLayout;
    top->addWidget(billTo, 1);
    top->addWidget(invoiceBox);

    auto* jobsBox = new QGroupBox(tr("Jobs"));
    auto* jobsLayout = new QGridLayout(jobsBox);
    auto* descriptionLabel = new QLabel(tr("Job &Description"));
    descriptionLabel->setBuddy(txtJobDescription_);
    auto* sumLabel = new QLabel(tr("&Sum"));
    sumLabel->setBuddy(txtSums_);
    jobsLayout->addWidget(descriptionLabel, 0, 0);
    jobsLayout->addWidget(sumLabel, 0, 1);
    jobsLayout->addWidget(txtJobDescription_, 1, 0);
    jobsLayout->addWidget(txtSums_, 1, 1);
    jobsLayout->addWidget(cmdAddJob_, 1, 2);
    jobsLayout->addWidget(ListView1_, 2, 0, 1, 3);
    auto* jobButtons = new QHBoxLayout;
    jobButtons->addWidget(cmdEditJob_);
    jobButtons->addWidget(cmdDeleteJob_);
    jobButtons->addStretch(1);
    jobsLayout->addLayout(jobButtons, 3, 0, 1, 3);
    jobsLayout->setColumnStretch(0, 1);
    // One job at a time is changed or deleted.
    ListView1_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(customerRow);
    layout->addLayout(top);
    layout->addWidget(jobsBox, 1);
    layout->addLayout(makeButtonRow({cmdPrintInvoice_, cmdEmail_, cmdClose_}));

    connect(cmbCustomerID_, &QComboBox::activated, this, &frmAddInvoice::chooseCustomer);
    // A discount changed on an issued invoice is stored at once, like its
    // jobs; before that, issuing the number stores it.
    connect(txtDiscount_, &QLineEdit::editingFinished, this, [this] {
        if (invoice_.invoiceNumber())
            storeDiscount();
    });
    connect(cmdMakeInvoiceID_, &QPushButton::clicked, this, &frmAddInvoice::generateInvoiceId);
    connect(cmdAddJob_, &QPushButton::clicked, this, &frmAddInvoice::addJob);
    connect(txtSums_, &QLineEdit::returnPressed, this, &frmAddInvoice::addJob);
    connect(cmdEditJob_, &QPushButton::clicked, this, &frmAddInvoice::editJob);
    connect(cmdDeleteJob_, &QPushButton::clicked, this, &frmAddInvoice::deleteJob);
    connect(ListView1_, &QTreeWidget::currentItemChanged, this, &frmAddInvoice::enableJobButtons);
    connect(ListView1_, &QTreeWidget::itemDoubleClicked, this, &frmAddInvoice::editJob);
    connect(cmdPrintInvoice_, &QPushButton::clicked, this, &frmAddInvoice::printInvoice);
    connect(cmdEmail_, &QPushButton::clicked, this, &frmAddInvoice::emailInvoice);
    connect(cmdClose_, &QPushButton::clicked, this, &ChildWindow::closeChild);

    Timer1_->setObjectName("Timer1");
    Timer1_->setInterval(customerRefreshMs);
    connect(Timer1_, &QTimer::timeout, this, &frmAddInvoice::refreshCustomers);

    // Printed, saved or mailed from here, the invoice is issued: its jobs
    // stay as they were sent.
    output_.setOnIssued([this](InvoiceSelection) {
        invoice_.markIssued();
        endEditing();
        enableJobButtons();
    });

    cmdMakeInvoiceID_->setEnabled(false);
    resetJobEntry();
    // The window opens with the list filled, waiting for another program's
    // save as any read does.
    fillCustomers(true);
    Timer1_->start();
}

frmAddInvoice::~frmAddInvoice() = default;

void frmAddInvoice::refreshCustomers() { fillCustomers(false); }

void frmAddInvoice::fillCustomers(bool waitForOthers)
{
    // A list the user has open is left alone until it closes.
    if (cmbCustomerID_->view()->isVisible())
        return;
    Database& database = app_.state.MainDatabase;
    std::optional<std::vector<CustomerName>> customers;
    const auto read = [&] {
        if (customerChanges_.changed())
            customers = CustomerRecords(database).names();
    };
    try {
        if (waitForOthers)
            read();
        else
            database.withoutWaiting(read);
    } catch (const std::exception&) {
        // The list stays as it was; the next tick looks again, and a choice
        // made from it reports what is wrong.
        return;
    }
    if (!customers)
        return;
    customerChanges_.markSeen();
    // The customer being worked on stays shown.
    refillCustomers(*cmbCustomerID_, *customers_, std::move(*customers));
}

void frmAddInvoice::chooseCustomer(int index)
{
    // Customers are told apart by number, so two of one name are two choices.
    const int32_t id = cmbCustomerID_->itemData(index).toInt();
    std::optional<Customer> customer;
    if (!runShowingFailure(app_.messages, ProgramInfo::title,
                           [&] { customer = CustomerRecords(app_.state.MainDatabase).find(id); }))
        return;
    if (!customer) {
        app_.messages.warn(this, tr("This customer is no longer in the database."), ProgramInfo::title);
        refreshCustomers();
        return;
    }
    invoice_.choose(*customer);
    showCustomer(&*customer);
    invoiceDate_ = QDate::currentDate();
    showFilledIn(txtDate_, dateText(invoiceDate_));
    txtInvoiceID_->clear();
    // The discount of the previous invoice is not this one's.
    txtDiscount_->setText(QStringLiteral("0"));
    cmdMakeInvoiceID_->setEnabled(true);
    resetJobEntry();
}

void frmAddInvoice::showCustomer(const Customer* customer)
{
    lblCompany_->setText(customer ? customer->company : QString());
    lblAddress_->setText(customer ? customer->address : QString());
    lblCity_->setText(customer ? customer->city : QString());
    lblProv_->setText(customer ? customer->prov : QString());
    lblPostal_->setText(customer ? customer->postal : QString());
}

void frmAddInvoice::resetJobEntry()
{
    // What was typed for the previous invoice must not end up in the next.
    endEditing();
    txtJobDescription_->setEnabled(false);
    txtSums_->setEnabled(false);
    cmdAddJob_->setEnabled(false);
    // Both wait for the invoice's first job: an invoice without one bills nothing.
    cmdPrintInvoice_->setEnabled(false);
    cmdEmail_->setEnabled(false);
    ListView1_->clear();
    enableJobButtons();
}

void frmAddInvoice::openJobEntry()
{
    txtJobDescription_->setEnabled(true);
    txtSums_->setEnabled(true);
    cmdAddJob_->setEnabled(true);
    cmdMakeInvoiceID_->setEnabled(false);
    txtJobDescription_->setFocus();
}

void frmAddInvoice::endEditing()
{
    editing_.reset();
    cmdAddJob_->setText(tr("Add Job"));
    txtJobDescription_->clear();
    txtSums_->setText(Money::typedZero(QLocale()));
}

void frmAddInvoice::showJobs()
{
    const QSignalBlocker quiet(ListView1_);
    ListView1_->clear();
    for (const StoredJob& job : invoice_.jobs())
        addJobLine(ListView1_, job.description, job.sums);
    const bool any = !invoice_.jobs().empty();
    cmdPrintInvoice_->setEnabled(any);
    cmdEmail_->setEnabled(any);
    enableJobButtons();
}

void frmAddInvoice::enableJobButtons()
{
    const bool draft = invoice_.invoiceNumber() && !invoice_.issued();
    const bool selected = ListView1_->currentItem() != nullptr;
    cmdEditJob_->setEnabled(draft && selected);
    cmdDeleteJob_->setEnabled(draft && selected);
    // Said where the buttons are, so that nobody wonders why they are off.
    const QString why = invoice_.issued()
        ? tr("Invoice %1 has been issued, so its jobs stay as they were sent. To correct it, make a credit note "
             "for it in the Reprint/Update window.")
              .arg(*invoice_.invoiceNumber())
        : QString();
    cmdEditJob_->setToolTip(why.isEmpty() ? tr("Put the selected job into the boxes to change it") : why);
    cmdDeleteJob_->setToolTip(why.isEmpty() ? tr("Delete the selected job from the invoice") : why);
    if (invoice_.issued()) {
        txtJobDescription_->setEnabled(false);
        txtSums_->setEnabled(false);
        cmdAddJob_->setEnabled(false);
        cmdAddJob_->setToolTip(why);
        txtDiscount_->setEnabled(false);
        txtDiscount_->setToolTip(why);
    } else {
        cmdAddJob_->setToolTip(QString());
        txtDiscount_->setEnabled(true);
        txtDiscount_->setToolTip(QString());
    }
}

void frmAddInvoice::refuseIssued()
{
    invoice_.markIssued();
    endEditing();
    enableJobButtons();
}

void frmAddInvoice::openDraft(int32_t customerId, int32_t invoiceId)
{
    // What this window holds is stored first, as closing it would.
    if (invoice_.invoiceNumber() && !invoice_.issued() && !storeDiscount())
        return;
    std::optional<Customer> customer;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] {
            customer = CustomerRecords(app_.state.MainDatabase).find(customerId);
            if (!customer)
                throw std::runtime_error(tr("This customer is no longer in the database.").toStdString());
            invoice_.reopen(*customer, invoiceId);
        }))
        return;
    showCustomer(&*customer);
    cmbCustomerID_->setCurrentIndex(cmbCustomerID_->findData(customerId));
    const auto stored = InvoiceRecords(app_.state.MainDatabase).readInvoice(customerId, invoiceId);
    invoiceDate_ =
        stored ? QDate::fromString(stored->row.value(QStringLiteral("Date")).toString(), Qt::ISODate) : QDate();
    showFilledIn(txtDate_, dateText(invoiceDate_));
    showFilledIn(txtInvoiceID_, QString::number(invoiceId));
    txtDiscount_->setText(QString::number(invoice_.discount()));
    endEditing();
    openJobEntry();
    showJobs();
}

bool frmAddInvoice::jobTypedButNotAdded() const
{
    if (!txtJobDescription_->isEnabled())
        return false;
    const QString sum = txtSums_->text().trimmed();
    return !txtJobDescription_->text().trimmed().isEmpty() || (!sum.isEmpty() && sum != Money::typedZero(QLocale()));
}

void frmAddInvoice::closeEvent(QCloseEvent* event)
{
    if (jobTypedButNotAdded()
        && !app_.messages.askYesNo(this, tr("The job you typed has not been added to the invoice. Close anyway?"),
                                   tr("Verify Information"))) {
        event->ignore();
        return;
    }
    // A discount typed but not yet stored goes onto the invoice first.
    if (invoice_.invoiceNumber() && !storeDiscount()) {
        event->ignore();
        return;
    }
    ChildWindow::closeEvent(event);
}

void frmAddInvoice::startOver()
{
    txtInvoiceID_->clear();
    resetJobEntry();
    cmdMakeInvoiceID_->setEnabled(invoice_.customer().has_value());
    cmdMakeInvoiceID_->setFocus();
}

std::optional<int> frmAddInvoice::typedDiscount()
{
    const std::optional<int> percent = NewInvoice::readDiscount(txtDiscount_->text());
    if (!percent) {
        app_.messages.warn(this, tr("The discount is a whole number of per cent from 0 to 100. Please fix."),
                           ProgramInfo::title);
        txtDiscount_->setFocus();
        txtDiscount_->selectAll();
    }
    return percent;
}

bool frmAddInvoice::storeDiscount()
{
    if (storingDiscount_)
        return false;
    const QScopedValueRollback storing(storingDiscount_, true);
    const std::optional<int> percent = typedDiscount();
    if (!percent)
        return false;
    // Before a number is issued the box is all there is; issuing stores it.
    if (!invoice_.invoiceNumber() || *percent == invoice_.discount())
        return true;
    const int32_t number = *invoice_.invoiceNumber();
    SaveOutcome outcome = SaveOutcome::Saved;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] { outcome = invoice_.setDiscount(*percent); }))
        return false;
    switch (outcome) {
    case SaveOutcome::Saved:
        return true;
    case SaveOutcome::ChangedMeanwhile:
        app_.messages.warn(this,
                           tr("Invoice %1 was changed elsewhere after it was shown here, so your discount was not "
                              "saved. The box now shows the discount as it is stored.")
                               .arg(number),
                           ProgramInfo::title);
        txtDiscount_->setText(QString::number(invoice_.discount()));
        return false;
    case SaveOutcome::Gone:
        app_.messages.warn(this,
                           tr("Invoice %1 is no longer in the database (a backup may have been restored since it was "
                              "issued), so the discount was not saved.\nPlease issue a new invoice number and enter "
                              "its jobs again.")
                               .arg(number),
                           ProgramInfo::title);
        startOver();
        return false;
    }
    return false;
}

void frmAddInvoice::generateInvoiceId()
{
    const std::optional<int> discount = typedDiscount();
    if (!discount)
        return;
    int32_t number = 0;
    if (!runShowingFailure(app_.messages, ProgramInfo::title,
                           [&] { number = invoice_.issueNumber(invoiceDate_, *discount); }))
        return;
    showFilledIn(txtInvoiceID_, QString::number(number));
    openJobEntry();
    enableJobButtons();
}

void frmAddInvoice::addJob()
{
    if (!invoice_.invoiceNumber())
        return;
    const QString description = txtJobDescription_->text();
    const std::optional<Money> sum = Money::readTyped(txtSums_->text(), QLocale());
    if (editing_) {
        storeJobChange(*editing_, description, sum);
        return;
    }
    NewInvoice::JobOutcome outcome{};
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] { outcome = invoice_.addJob(description, sum); })) {
        // What was typed stays for another try; but an invoice that is gone
        // takes no more jobs, so the window starts over for its customer,
        // and one issued elsewhere takes none either.
        if (!invoice_.invoiceNumber())
            startOver();
        else if (invoice_.issued())
            refuseIssued();
        return;
    }
    if (!showRefusal(outcome))
        return;
    addJobLine(ListView1_, description, *sum);
    endEditing();
    txtJobDescription_->setFocus();
    cmdPrintInvoice_->setEnabled(true);
    cmdEmail_->setEnabled(true);
}

void frmAddInvoice::storeJobChange(size_t index, const QString& description, const std::optional<Money>& sum)
{
    NewInvoice::ChangeOutcome outcome;
    if (!runShowingFailure(app_.messages, ProgramInfo::title,
                           [&] { outcome = invoice_.changeJob(index, description, sum); })) {
        if (!invoice_.invoiceNumber())
            startOver();
        else if (invoice_.issued())
            refuseIssued();
        return;
    }
    if (!showRefusal(outcome.typed))
        return;
    if (outcome.saved != SaveOutcome::Saved)
        app_.messages.warn(this,
                           tr("The job was changed or deleted elsewhere after it was shown here, so your change was "
                              "not saved. The list now shows the jobs as they are stored."),
                           ProgramInfo::title);
    endEditing();
    showJobs();
    txtJobDescription_->setFocus();
}

void frmAddInvoice::editJob()
{
    QTreeWidgetItem* item = ListView1_->currentItem();
    if (!item || !cmdEditJob_->isEnabled())
        return;
    const auto index = static_cast<size_t>(ListView1_->indexOfTopLevelItem(item));
    if (index >= invoice_.jobs().size())
        return;
    const StoredJob& job = invoice_.jobs()[index];
    editing_ = index;
    txtJobDescription_->setText(job.description);
    txtSums_->setText(Money::typedText(job.sums, QLocale()));
    cmdAddJob_->setText(tr("Save Change"));
    txtJobDescription_->setFocus();
}

void frmAddInvoice::deleteJob()
{
    QTreeWidgetItem* item = ListView1_->currentItem();
    if (!item || !cmdDeleteJob_->isEnabled())
        return;
    const auto index = static_cast<size_t>(ListView1_->indexOfTopLevelItem(item));
    if (index >= invoice_.jobs().size())
        return;
    const StoredJob job = invoice_.jobs()[index];
    if (!app_.messages.askYesNoDefaultNo(this,
                                         tr("Delete the job \"%1\" of %2 from invoice %3?")
                                             .arg(job.description, item->text(1))
                                             .arg(*invoice_.invoiceNumber()),
                                         tr("Verify Information")))
        return;
    SaveOutcome outcome = SaveOutcome::Saved;
    if (!runShowingFailure(app_.messages, ProgramInfo::title, [&] { outcome = invoice_.deleteJob(index); })) {
        if (!invoice_.invoiceNumber())
            startOver();
        else if (invoice_.issued())
            refuseIssued();
        return;
    }
    if (outcome != SaveOutcome::Saved)
        app_.messages.warn(this,
                           tr("The job was changed or deleted elsewhere after it was shown here, so it was not "
                              "deleted. The list now shows the jobs as they are stored."),
                           ProgramInfo::title);
    endEditing();
    showJobs();
}

bool frmAddInvoice::showRefusal(NewInvoice::JobOutcome outcome)
{
    switch (outcome) {
    case NewInvoice::JobOutcome::SumNotANumber:
        app_.messages.warn(this, tr("Sum Field not entered correctly. Please fix."), ProgramInfo::title);
        txtSums_->setFocus();
        return false;
    case NewInvoice::JobOutcome::SumNegative:
        app_.messages.warn(this,
                           tr("A job cannot have a negative amount. To take money off an invoice, type the sum of "
                              "the job already reduced; to pay money back on an invoice already sent, ask whoever "
                              "keeps your books how to record the refund."),
                           ProgramInfo::title);
        txtSums_->setFocus();
        return false;
    case NewInvoice::JobOutcome::DescriptionBlank:
        app_.messages.warn(this, tr("Job Description cannnot be blank."), ProgramInfo::title);
        txtJobDescription_->setFocus();
        return false;
    case NewInvoice::JobOutcome::Added:
        break;
    }
    return true;
}

void frmAddInvoice::printInvoice()
{
    // The invoice is printed with the discount the box shows, or not at all.
    if (invoice_.invoiceNumber() && storeDiscount())
        output_.preview(*invoice_.invoiceNumber(), invoice_.customer()->id);
}

void frmAddInvoice::emailInvoice()
{
    if (invoice_.invoiceNumber() && storeDiscount())
        output_.email(*invoice_.invoiceNumber(), invoice_.customer()->id, this);
}

} // namespace quillbill
