// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/frmInvoiceReports.h"

#include "app/AppContext.h"
#include "app/FailureMessage.h"
#include "common/Controls.h"
#include "common/ProgramInfo.h"
#include "invoicing/CustomerChoice.h"
#include "invoicing/clsGroup.h"
#include "records/customers/CustomerRecords.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillbill {

namespace {

QCalendarWidget* makeCalendar(const char* name, const QString& accessibleName)
{
    auto* calendar = new QCalendarWidget;
    calendar->setObjectName(QLatin1String(name));
    calendar->setAccessibleName(accessibleName);
    calendar->setGridVisible(true);
    calendar->setSelectedDate(QDate::currentDate());
    return calendar;
}

QRadioButton* makeOption(const char* name, const QString& caption)
{
    auto* option = new QRadioButton(caption);
    option->setObjectName(QLatin1String(name));
    option->setAccessibleName(QString(caption).remove(u'&'));
    return option;
}

QLabel* makeBuddyLabel(const char* name, const QString& text, QWidget* buddy)
{
    QLabel* label = makeLabel(QLatin1String(name), text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

frmInvoiceReports::frmInvoiceReports(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::InvoiceReports, parent),
      app_(app),
      calFrom_(makeCalendar("calFrom", tr("From date"))),
      calTo_(makeCalendar("calTo", tr("To date"))),
      cmbCustomerID_(new QComboBox),
      cmdAllCompanies_(makeButton("cmdAllCompanies", tr("All Companies"))),
      //: Choice of the invoices the report lists: the paid ones.
      optPaid_(makeOption("optPaid", tr("Paid"))),
      //: Choice of the invoices the report lists: the unpaid ones.
      optNotPaid_(makeOption("optNotPaid", tr("Not Paid"))),
      //: Choice of the invoices the report lists: paid and unpaid ones.
      optBoth_(makeOption("optBoth", tr("Both"))),
      cmdCreateRpt_(makeButton("cmdCreateRpt", tr("Create Report"))),
      cmdClose_(makeButton("cmdClose", tr("Close")))
{
    setObjectName("frmInvoiceReports");
    setWindowTitle(tr("Print Invoice Reports"));

    cmbCustomerID_->setObjectName("cmbCustomerID");
    cmbCustomerID_->setAccessibleName(tr("Company"));
    cmbCustomerID_->setMinimumContentsLength(30);
    cmbCustomerID_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (QPushButton* button : {cmdAllCompanies_, cmdCreateRpt_, cmdClose_})
        button->setAccessibleName(button->text());
    optBoth_->setChecked(true);

    auto* dates = new QGridLayout;
    dates->addWidget(makeBuddyLabel("lblFrom", tr("FROM:"), calFrom_), 0, 0);
    dates->addWidget(makeBuddyLabel("lblTo", tr("TO:"), calTo_), 0, 1);
    dates->addWidget(calFrom_, 1, 0);
    dates->addWidget(calTo_, 1, 1);

    auto* companyRow = new QHBoxLayout;
    auto* companyLabel = makeBuddyLabel("lblCompany", tr("&Company:"), cmbCustomerID_);
    companyRow->addWidget(companyLabel);
    companyRow->addWidget(cmbCustomerID_, 1);
    companyRow->addWidget(cmdAllCompanies_);

    auto* paidBox = new QGroupBox(tr("Invoices"));
    paidBox->setObjectName("fraPaid");
    auto* paidLayout = new QHBoxLayout(paidBox);
    for (QRadioButton* option : {optPaid_, optNotPaid_, optBoth_})
        paidLayout->addWidget(option);
    paidLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addLayout(companyRow);
    layout->addWidget(paidBox);
    layout->addStretch();
    layout->addLayout(makeButtonRow({cmdCreateRpt_, cmdClose_}));

    connect(calFrom_, &QCalendarWidget::selectionChanged, this, [this] { refuseFutureDate(calFrom_); });
    connect(calTo_, &QCalendarWidget::selectionChanged, this, [this] { refuseFutureDate(calTo_); });
    connect(cmdAllCompanies_, &QPushButton::clicked, this, &frmInvoiceReports::allCompanies);
    connect(cmdCreateRpt_, &QPushButton::clicked, this, &frmInvoiceReports::createReport);
    connect(cmdClose_, &QPushButton::clicked, this, &ChildWindow::closeChild);

    fillCompanies();
}

frmInvoiceReports::~frmInvoiceReports() = default;

void frmInvoiceReports::fillCompanies()
{
    std::vector<Customer> customers;
    if (!runShowingFailure(app_.messages, ProgramInfo::title,
                           [&] { customers = CustomerRecords(app_.state.MainDatabase).all(); }))
        return;
    showCustomers(*cmbCustomerID_, customers);
}

void frmInvoiceReports::refuseFutureDate(QCalendarWidget* calendar)
{
    const QDate today = QDate::currentDate();
    if (calendar->selectedDate() <= today)
        return;
    app_.messages.warn(this, tr("Selected date cannot be greater that today."), ProgramInfo::title);
    calendar->setSelectedDate(today);
}

void frmInvoiceReports::allCompanies() { fillCompanies(); }

InvoiceReportChoices frmInvoiceReports::choices() const
{
    InvoiceReportChoices chosen{calFrom_->selectedDate(), calTo_->selectedDate(), std::nullopt, PaidFilter::Both};
    if (cmbCustomerID_->currentIndex() >= 0)
        chosen.customerId = cmbCustomerID_->currentData().toInt();
    if (optPaid_->isChecked())
        chosen.paid = PaidFilter::Paid;
    else if (optNotPaid_->isChecked())
        chosen.paid = PaidFilter::NotPaid;
    return chosen;
}

void frmInvoiceReports::createReport()
{
    const InvoiceReportChoices chosen = choices();
    app_.state.ReportSql = invoiceReportStatement(chosen);
    // The previous report, and its preview, go first.
    report_.reset();
    report_ = std::make_unique<clsGroup>(app_);
    report_->setChoices(chosen, cmbCustomerID_->currentText());
    report_->setOutput(quirepress::cOutputToScreen);
    report_->PrintReport();
}

} // namespace quillbill
