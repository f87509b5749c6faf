// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "customers/frmReviewCompany.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "common/EnterKey.h"
#include "common/ProgramInfo.h"
#include "common/WindowSize.h"
#include "customers/CustomerForm.h"
#include "records/DatabaseError.h"
#include "records/customers/CustomerRecords.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace quillbill {

namespace {

QPushButton* makePictureButton(QWidget* window, const char* name, QStyle::StandardPixmap picture,
                               const QString& caption)
{
    QPushButton* button = makeButton(name, QString());
    button->setIcon(window->style()->standardIcon(picture));
    button->setToolTip(caption);
    button->setAccessibleName(caption);
    return button;
}

} // namespace

frmReviewCompany::frmReviewCompany(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::ReviewCustomers, parent),
      app_(app),
      form_(new CustomerForm(false)),
      cmdFirst_(makePictureButton(this, "cmdFirst", QStyle::SP_MediaSkipBackward, tr("First"))),
      cmdPrevious_(makePictureButton(this, "cmdPrevious", QStyle::SP_MediaSeekBackward, tr("Previous"))),
      cmdNext_(makePictureButton(this, "cmdNext", QStyle::SP_MediaSeekForward, tr("Next"))),
      cmdLast_(makePictureButton(this, "cmdLast", QStyle::SP_MediaSkipForward, tr("Last"))),
      cmdSave_(makeButton("cmdSave", tr("Save"))),
      cmdCancel_(makeButton("cmdCancel", tr("Close")))
{
    setObjectName("frmReviewCompany");
    setWindowTitle(tr("Review/Edit Company"));

    auto* navigation = new QHBoxLayout;
    for (QPushButton* button : {cmdFirst_, cmdPrevious_, cmdNext_, cmdLast_})
        navigation->addWidget(button);
    navigation->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form_);
    layout->addLayout(navigation);
    layout->addLayout(makeButtonRow({cmdSave_, cmdCancel_}));
    layout->addStretch();
    pressOnEnter(this, cmdSave_);
    WindowSize::remember(this, app_.options, WindowSize::widened(this));

    connect(cmdFirst_, &QPushButton::clicked, this, &frmReviewCompany::first);
    connect(cmdPrevious_, &QPushButton::clicked, this, &frmReviewCompany::previous);
    connect(cmdNext_, &QPushButton::clicked, this, &frmReviewCompany::next);
    connect(cmdLast_, &QPushButton::clicked, this, &frmReviewCompany::last);
    connect(cmdSave_, &QPushButton::clicked, this, &frmReviewCompany::save);
    connect(cmdCancel_, &QPushButton::clicked, this, &ChildWindow::closeChild);

    reload();
    if (!browse_.empty())
        goTo(0);
}

void frmReviewCompany::reload()
{
    try {
        browse_ = CustomerRecords(app_.state.MainDatabase).all();
    } catch (const DatabaseError& error) {
        browse_.clear();
        app_.messages.warn(this, error.message(), ProgramInfo::title);
    }
    position_ = 0;
}

void frmReviewCompany::goTo(std::size_t position)
{
    if (position >= browse_.size()) {
        cannotGo();
        return;
    }
    position_ = position;
    current_ = browse_[position];
    form_->display(current_);
}

void frmReviewCompany::first() { goTo(0); }

void frmReviewCompany::previous()
{
    if (position_ == 0) {
        cannotGo();
        return;
    }
    goTo(position_ - 1);
}

void frmReviewCompany::next() { goTo(position_ + 1); }

void frmReviewCompany::last()
{
    if (browse_.empty()) {
        cannotGo();
        return;
    }
    goTo(browse_.size() - 1);
}

void frmReviewCompany::save()
{
    Customer edited = form_->entered();
    // Stored as a new customer's are, so that every number reads alike.
    edited.phone = formatPhoneNumber(edited.phone);
    edited.fax = formatPhoneNumber(edited.fax);
    edited.id = current_.id;
    edited.asRead = current_.asRead;
    SaveOutcome outcome = SaveOutcome::Gone;
    bool refused = edited.id == 0; // no customer shown: nothing to save into
    QString problem = tr("Please check entered data.");
    try {
        if (!refused)
            outcome = CustomerRecords(app_.state.MainDatabase).update(edited);
    } catch (const DatabaseError& error) {
        refused = true;
        problem = saveFailureMessage(error, problem);
    }
    if (refused) {
        app_.messages.warn(this, problem, ProgramInfo::title);
        return;
    }
    if (outcome != SaveOutcome::Saved) {
        showAfterRefusedSave(outcome);
        return;
    }
    // The next save is checked against what this one wrote, not against the
    // row as first read.
    current_ = edited;
    form_->display(current_);
    reload();
}

void frmReviewCompany::showAfterRefusedSave(SaveOutcome outcome)
{
    std::optional<Customer> now;
    try {
        if (outcome == SaveOutcome::ChangedMeanwhile)
            now = CustomerRecords(app_.state.MainDatabase).find(current_.id);
    } catch (const DatabaseError& error) {
        app_.messages.warn(this, error.message(), ProgramInfo::title);
        return;
    }
    reload();
    if (now) {
        app_.messages.warn(this,
                           tr("Another user changed this customer after you opened it. Nothing was saved; the "
                              "customer is shown as it is now."),
                           ProgramInfo::title);
        current_ = *now;
        form_->display(current_);
        return;
    }
    app_.messages.warn(this, tr("Another user deleted this customer after you opened it. Nothing was saved."),
                       ProgramInfo::title);
    if (!browse_.empty()) {
        goTo(0);
    } else {
        current_ = Customer();
        form_->display(current_);
    }
}

void frmReviewCompany::cannotGo() { app_.messages.warn(this, tr("Cannot goto that record"), ProgramInfo::title); }

} // namespace quillbill
