// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/frmStatement.h"

#include "app/AppContext.h"
#include "app/FailureMessage.h"
#include "common/Controls.h"
#include "common/ProgramInfo.h"
#include "invoicing/CustomerChoice.h"
#include "invoicing/clsStatement.h"
#include "records/customers/CustomerRecords.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

namespace {

QCalendarWidget* makeCalendar(const char* name, const QString& accessibleName, const QDate& date)
{
    auto* calendar = new QCalendarWidget;
    calendar->setObjectName(QLatin1String(name));
    calendar->setAccessibleName(accessibleName);
    calendar->setGridVisible(true);
    calendar->setSelectedDate(date);
    return calendar;
}

} // namespace

frmStatement::frmStatement(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::Statement, parent),
      app_(app),
      cmbCustomerID_(new QComboBox),
      // The month so far, the period most statements cover.
      calFrom_(makeCalendar("calFrom", tr("From date"),
                            QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1))),
      calTo_(makeCalendar("calTo", tr("To date"), QDate::currentDate())),
      cmdPreview_(makeButton("cmdPreview", tr("&Preview"))),
      cmdOutput_(makeButton("cmdOutput", tr("Print or &Save..."))),
      cmdClose_(makeButton("cmdClose", tr("Close")))
{
    setObjectName("frmStatement");
    setWindowTitle(tr("Statement of Account"));
    cmbCustomerID_->setObjectName("cmbCustomerID");
    cmbCustomerID_->setAccessibleName(tr("Customer"));
    cmbCustomerID_->setMinimumContentsLength(30);
    cmbCustomerID_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmdOutput_->setToolTip(tr("Print the statement, or save it as PDF, HTML (to mail it) or CSV"));

    auto* customerRow = new QFormLayout;
    customerRow->addRow(tr("C&ustomer"), cmbCustomerID_);
    auto* dates = new QGridLayout;
    auto* fromLabel = new QLabel(tr("&From"));
    fromLabel->setBuddy(calFrom_);
    auto* toLabel = new QLabel(tr("&To"));
    toLabel->setBuddy(calTo_);
    dates->addWidget(fromLabel, 0, 0);
    dates->addWidget(toLabel, 0, 1);
    dates->addWidget(calFrom_, 1, 0);
    dates->addWidget(calTo_, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(customerRow);
    layout->addLayout(dates);
    layout->addStretch();
    layout->addLayout(makeButtonRow({cmdPreview_, cmdOutput_, cmdClose_}));

    connect(cmdPreview_, &QPushButton::clicked, this, [this] { makeStatement(quirepress::cOutputToScreen); });
    connect(cmdOutput_, &QPushButton::clicked, this, [this] { makeStatement(quirepress::cOutputToUnknown); });
    connect(cmdClose_, &QPushButton::clicked, this, &ChildWindow::closeChild);

    fillCustomers();
}

frmStatement::~frmStatement() = default;

void frmStatement::fillCustomers()
{
    std::vector<Customer> customers;
    if (!runShowingFailure(app_.messages, ProgramInfo::title,
                           [&] { customers = CustomerRecords(app_.state.MainDatabase).all(); }))
        return;
    showCustomers(*cmbCustomerID_, customers);
}

void frmStatement::makeStatement(quirepress::OutputOptions target)
{
    if (cmbCustomerID_->currentIndex() < 0) {
        app_.messages.warn(this, tr("Please choose the customer."), ProgramInfo::title);
        return;
    }
    if (calFrom_->selectedDate() > calTo_->selectedDate()) {
        app_.messages.warn(this, tr("The period ends before it begins. Please choose the dates again."),
                           ProgramInfo::title);
        return;
    }
    statement_ = std::make_unique<clsStatement>(app_, cmbCustomerID_->currentData().toInt(), calFrom_->selectedDate(),
                                                calTo_->selectedDate());
    statement_->setOutput(target);
    statement_->PrintReport();
}

} // namespace quillbill
