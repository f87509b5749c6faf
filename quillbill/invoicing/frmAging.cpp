// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/frmAging.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "invoicing/clsAging.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

frmAging::frmAging(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::Aging, parent),
      app_(app),
      calAsOf_(new QCalendarWidget),
      cmdPreview_(makeButton("cmdPreview", tr("&Preview"))),
      cmdOutput_(makeButton("cmdOutput", tr("Print or &Save..."))),
      cmdClose_(makeButton("cmdClose", tr("Close")))
{
    setObjectName("frmAging");
    setWindowTitle(tr("Aging Report"));
    calAsOf_->setObjectName("calAsOf");
    calAsOf_->setAccessibleName(tr("As of"));
    calAsOf_->setGridVisible(true);
    calAsOf_->setSelectedDate(QDate::currentDate());
    cmdOutput_->setToolTip(tr("Print the report, or save it as PDF, HTML or CSV"));

    auto* label = new QLabel(tr("What each customer owes, by days past the invoice date, &as of:"));
    label->setBuddy(calAsOf_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(calAsOf_);
    layout->addStretch();
    layout->addLayout(makeButtonRow({cmdPreview_, cmdOutput_, cmdClose_}));

    connect(cmdPreview_, &QPushButton::clicked, this, [this] { makeReport(quirepress::cOutputToScreen); });
    connect(cmdOutput_, &QPushButton::clicked, this, [this] { makeReport(quirepress::cOutputToUnknown); });
    connect(cmdClose_, &QPushButton::clicked, this, &ChildWindow::closeChild);
}

frmAging::~frmAging() = default;

void frmAging::makeReport(quirepress::OutputOptions target)
{
    report_ = std::make_unique<clsAging>(app_, calAsOf_->selectedDate());
    report_->setOutput(target);
    report_->PrintReport();
}

} // namespace quillbill
