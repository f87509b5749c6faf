// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "users/frmUsers.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "common/EnterKey.h"
#include "common/ProgramInfo.h"
#include "records/DatabaseError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace quillbill {

namespace {

// Built before any translator is installed: translated where they are shown.
// The entry is known by its place at the top of the list, never by its text.
const char* const addNewEntry = QT_TRANSLATE_NOOP("quillbill::frmUsers", "Add New...");
const char* const verifyTitle = QT_TRANSLATE_NOOP("quillbill::frmUsers", "Verify Information");
// What a new user starts at, as the column's default gives it.
constexpr int newUserLevel = 1;

} // namespace

frmUsers::frmUsers(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::Users, parent),
      app_(app),
      administers_(app.state.UserLevel >= securityAdministratorLevel),
      cmbUsers_(new QComboBox),
      txtFirst_(makeTextBox("txtFirst")),
      txtLast_(makeTextBox("txtLast")),
      txtUser_(makeTextBox("txtUser")),
      txtPW_(makeTextBox("txtPW")),
      chkShowPassword_(new QCheckBox(tr("&Show"))),
      txtLevel_(new QSpinBox),
      cmdSave_(makeButton("cmdSave", tr("Save Changes"))),
      cmdDelete_(makeButton("cmdDelete", tr("Delete"))),
      cmdCancel_(makeButton("cmdCancel", tr("Close")))
{
    setObjectName("frmUsers");
    setWindowTitle(tr("System Users"));
    cmbUsers_->setObjectName("cmbUsers");
    cmbUsers_->setAccessibleName(tr("Users"));
    txtPW_->setEchoMode(QLineEdit::Password);
    chkShowPassword_->setObjectName("chkShowPassword");
    chkShowPassword_->setAccessibleName(tr("Show password"));
    txtLevel_->setObjectName("txtLevel");
    txtLevel_->setAccessibleName(tr("Level"));
    txtLevel_->setRange(0, securityAdministratorLevel);
    txtLevel_->setValue(newUserLevel);
    cmdSave_->setDefault(true);
    pressOnEnter(this, cmdSave_);

    auto* password = new QHBoxLayout;
    password->addWidget(txtPW_);
    password->addWidget(chkShowPassword_);

    auto* form = new QFormLayout;
    form->addRow(tr("&Users"), cmbUsers_);
    form->addRow(tr("&First Name"), txtFirst_);
    form->addRow(tr("&Last Name"), txtLast_);
    form->addRow(tr("User&Name"), txtUser_);
    // The box sits in a row of its own, so its label is tied to it by hand.
    auto* passwordLabel = new QLabel(tr("Pass&word"));
    passwordLabel->setBuddy(txtPW_);
    form->addRow(passwordLabel, password);
    form->addRow(tr("Le&vel"), txtLevel_);
    // Hidden rather than disabled: below the top level a user has no say in
    // levels, and a box that never works only raises questions.
    form->setRowVisible(txtLevel_, administers_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(makeButtonRow({cmdSave_, cmdDelete_, cmdCancel_}));
    layout->addStretch();

    connect(cmbUsers_, &QComboBox::activated, this, &frmUsers::choose);
    connect(cmdSave_, &QPushButton::clicked, this, &frmUsers::saveChanges);
    connect(cmdDelete_, &QPushButton::clicked, this, &frmUsers::deleteUser);
    connect(cmdCancel_, &QPushButton::clicked, this, &ChildWindow::closeChild);
    connect(chkShowPassword_, &QCheckBox::toggled, this,
            [this](bool shown) { txtPW_->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password); });

    cmdDelete_->setEnabled(false);
    reloadList();
    if (!administers_) {
        // The one account there is to choose.
        if (cmbUsers_->count() > 0) {
            selectRow(cmbUsers_->itemData(0).toLongLong());
        } else {
            cmdSave_->setEnabled(false);
            app_.messages.inform(this,
                                 tr("Your account is no longer in the database as you logged in with it. Log "
                                    "in again, or ask whoever looks after Quillbill."),
                                 ProgramInfo::title);
        }
    } else if (cmbUsers_->count() == 1) {
        app_.messages.inform(this,
                             tr("There are no users in the database. Fill in the boxes and choose "
                                "\"Save Changes\" to add one."),
                             ProgramInfo::title);
    }
}

UserAccounts frmUsers::accounts() const { return UserAccounts(app_.state.MainDatabase); }

void frmUsers::reloadList()
{
    cmbUsers_->clear();
    if (administers_)
        cmbUsers_->addItem(tr(addNewEntry));
    try {
        if (administers_) {
            for (const UserAccount& user : accounts().all())
                cmbUsers_->addItem(user.displayName(), user.rowId);
        } else if (const auto own = accounts().loggedInAs(app_.state.CurrentUser, app_.state.UserLevel)) {
            cmbUsers_->addItem(own->displayName(), own->rowId);
        }
    } catch (const DatabaseError& error) {
        report(error.message());
    }
    cmbUsers_->setCurrentIndex(-1);
}

void frmUsers::choose(int index)
{
    if (index < 0)
        return;
    if (isAddNew(index)) {
        choice_ = Choice::AddNew;
        current_.reset();
        cmdDelete_->setEnabled(false);
        clearBoxes();
        txtPW_->setPlaceholderText(QString());
        txtPW_->setToolTip(QString());
        return;
    }
    try {
        current_ = accounts().find(cmbUsers_->itemData(index).toLongLong());
    } catch (const DatabaseError& error) {
        report(error.message());
        return;
    }
    if (!current_) {
        report(tr("This user is no longer in the database."));
        reloadList();
        choice_ = Choice::None;
        return;
    }
    choice_ = Choice::Existing;
    txtFirst_->setText(current_->firstName);
    txtLast_->setText(current_->lastName);
    txtUser_->setText(current_->userName);
    txtPW_->clear();
    // Short enough for the box; its tip says it whole.
    txtPW_->setPlaceholderText(tr("(unchanged)"));
    txtPW_->setToolTip(tr("Left empty, the password stays as it is; type a new one to change it."));
    shownLevel_ = std::clamp<int>(current_->level, 0, securityAdministratorLevel);
    txtLevel_->setValue(shownLevel_);
    cmdDelete_->setEnabled(administers_ && current_->displayName() != systemAdministrator);
}

bool frmUsers::hasUserNameAndPassword()
{
    // An existing user keeps the stored password when the box is left empty.
    const bool needsPassword = choice_ != Choice::Existing;
    QLineEdit* empty = txtUser_->text().isEmpty()   ? txtUser_
        : needsPassword && txtPW_->text().isEmpty() ? txtPW_
                                                    : nullptr;
    if (!empty)
        return true;
    report(empty == txtUser_ ? tr("Every user needs a user name. Nothing was saved.")
                             : tr("Every user needs a password. Nothing was saved."));
    empty->setFocus(Qt::OtherFocusReason);
    return false;
}

void frmUsers::saveChanges()
{
    // Below the top level there is only the own account to save.
    if (!administers_ && choice_ != Choice::Existing)
        return;
    if (!hasUserNameAndPassword())
        return;
    switch (choice_) {
    case Choice::None:
        if (app_.messages.askYesNo(this, tr("Would you like to add this name as a new user?"), tr(verifyTitle)))
            AddNewUser();
        return;
    case Choice::AddNew:
        AddNewUser();
        return;
    case Choice::Existing:
        break;
    }
    UserAccount edited = *current_;
    edited.firstName = txtFirst_->text();
    edited.lastName = txtLast_->text();
    edited.userName = txtUser_->text();
    const QString newPassword = txtPW_->text();
    // An untouched level box writes nothing, so a stored level beyond the
    // box's range is kept.
    const bool levelChanged = administers_ && txtLevel_->value() != shownLevel_;
    UserChange outcome = UserChange::Done;
    try {
        if (levelChanged) {
            edited.level = static_cast<int16_t>(txtLevel_->value());
            outcome = accounts().updateWithLevel(edited, newPassword);
        } else {
            const SaveOutcome saved = accounts().update(edited, newPassword);
            outcome = saved == SaveOutcome::Gone         ? UserChange::Gone
                : saved == SaveOutcome::ChangedMeanwhile ? UserChange::ChangedMeanwhile
                                                         : UserChange::Done;
        }
    } catch (const DatabaseError& error) {
        report(saveFailureMessage(error, error.message()));
        return;
    }
    if (outcome == UserChange::LastAdministrator) {
        report(tr("%1 is the last user who can change security settings, so their level cannot be lowered. Nothing "
                  "was saved.")
                   .arg(current_->displayName()));
        return;
    }
    if (outcome == UserChange::Gone) {
        report(tr("This user is no longer in the database; the changes were not saved."));
        return;
    }
    if (outcome == UserChange::ChangedMeanwhile) {
        report(tr("Another user changed this user after you opened it. Nothing was saved; the user is shown as "
                  "it is now."));
        // The list entry may show an old name too.
        const qint64 rowId = edited.rowId;
        reloadList();
        selectRow(rowId);
        return;
    }
    // The next save is checked against what this one wrote.
    current_ = edited;
    txtPW_->clear();
    if (levelChanged)
        shownLevel_ = txtLevel_->value();
    // The own account is found by the user name it logged in with.
    if (!administers_)
        app_.state.CurrentUser = edited.userName;
    // The list is not reloaded; only the entry of the edited user shows its new name.
    const int index = cmbUsers_->findData(edited.rowId);
    if (index >= 0)
        cmbUsers_->setItemText(index, edited.displayName());
}

void frmUsers::AddNewUser()
{
    qint64 rowId = 0;
    try {
        // Only a user who sees the level box adds users.
        rowId = accounts().add(txtFirst_->text(), txtLast_->text(), txtUser_->text(), txtPW_->text(),
                               static_cast<int16_t>(txtLevel_->value()));
    } catch (const DatabaseError& error) {
        report(saveFailureMessage(error, error.message()));
        return;
    }
    reloadList();
    // The new user becomes the one shown, so a second Save edits it rather
    // than adding it twice.
    selectRow(rowId);
}

void frmUsers::deleteUser()
{
    if (!administers_ || choice_ != Choice::Existing || current_->displayName() == systemAdministrator)
        return;
    if (!app_.messages.askYesNoDefaultNo(this, tr("Delete the user %1?").arg(current_->displayName()),
                                         ProgramInfo::title))
        return;
    UserChange outcome = UserChange::Done;
    try {
        outcome = accounts().remove(current_->rowId);
    } catch (const DatabaseError& error) {
        report(saveFailureMessage(error, error.message()));
        return;
    }
    if (outcome == UserChange::LastUser) {
        report(tr("The last user cannot be deleted: nobody could log in."));
        return;
    }
    if (outcome == UserChange::LastAdministrator) {
        report(tr("%1 is the last user who can change security settings, so they cannot be deleted.")
                   .arg(current_->displayName()));
        return;
    }
    // Nothing is chosen now: Save Changes asks before adding and never writes
    // to the deleted row.
    choice_ = Choice::None;
    current_.reset();
    clearBoxes();
    cmdDelete_->setEnabled(false);
    reloadList();
}

void frmUsers::selectRow(qint64 rowId)
{
    const int index = cmbUsers_->findData(rowId);
    cmbUsers_->setCurrentIndex(index);
    choose(index);
}

void frmUsers::clearBoxes()
{
    for (QLineEdit* box : {txtFirst_, txtLast_, txtUser_, txtPW_})
        box->clear();
    txtLevel_->setValue(newUserLevel);
}

void frmUsers::report(const QString& message) { app_.messages.warn(this, message, ProgramInfo::title); }

} // namespace quillbill
