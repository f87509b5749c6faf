#include "users/frmUsers.h"

#include "app/AppContext.h"
#include "common/Controls.h"
#include "common/ProgramInfo.h"
#include "records/DatabaseError.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

namespace {

const QString addNewEntry = QStringLiteral("Add New...");
const QString verifyTitle = QStringLiteral("Verify Information");

} // namespace

frmUsers::frmUsers(AppContext& app, QWidget* parent)
    : ChildWindow(ChildKind::Users, parent),
      app_(app),
      cmbUsers_(new QComboBox),
      txtFirst_(makeTextBox("txtFirst")),
      txtLast_(makeTextBox("txtLast")),
      txtUser_(makeTextBox("txtUser")),
      txtPW_(makeTextBox("txtPW")),
      cmdSave_(makeButton("cmdSave", tr("Save Changes"))),
      cmdDelete_(makeButton("cmdDelete", tr("Delete"))),
      cmdCancel_(makeButton("cmdCancel", tr("Close")))
{
    setObjectName("frmUsers");
    setWindowTitle(tr("System Users"));
    cmbUsers_->setObjectName("cmbUsers");
    cmbUsers_->setAccessibleName(tr("Users"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Users"), cmbUsers_);
    form->addRow(tr("&First Name"), txtFirst_);
    form->addRow(tr("&Last Name"), txtLast_);
    form->addRow(tr("User&Name"), txtUser_);
    form->addRow(tr("Pass&word"), txtPW_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(makeButtonRow({cmdSave_, cmdDelete_, cmdCancel_}));
    layout->addStretch();

    connect(cmbUsers_, &QComboBox::activated, this, &frmUsers::choose);
    connect(cmdSave_, &QPushButton::clicked, this, &frmUsers::saveChanges);
    connect(cmdDelete_, &QPushButton::clicked, this, &frmUsers::deleteUser);
    connect(cmdCancel_, &QPushButton::clicked, this, &ChildWindow::closeChild);

    cmdDelete_->setEnabled(false);
    reloadList();
    if (cmbUsers_->count() == 1)
        app_.messages.inform(this,
                             tr("There are no users in the database. Fill in the boxes and choose "
                                "\"Save Changes\" to add one."),
                             ProgramInfo::title);
}

UserAccounts frmUsers::accounts() const { return UserAccounts(app_.state.MainDatabase); }

void frmUsers::reloadList()
{
    cmbUsers_->clear();
    cmbUsers_->addItem(addNewEntry);
    try {
        for (const UserAccount& user : accounts().all())
            cmbUsers_->addItem(user.displayName(), user.rowId);
    } catch (const DatabaseError& error) {
        report(error.message());
    }
    cmbUsers_->setCurrentIndex(-1);
}

void frmUsers::choose(int index)
{
    if (index < 0)
        return;
    if (index == 0) {
        choice_ = Choice::AddNew;
        current_.reset();
        cmdDelete_->setEnabled(false);
        clearBoxes();
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
    txtPW_->setText(current_->password);
    cmdDelete_->setEnabled(current_->displayName() != systemAdministrator);
}

void frmUsers::saveChanges()
{
    switch (choice_) {
    case Choice::None:
        if (app_.messages.askYesNo(this, tr("Would you like to add this name as a new user?"), verifyTitle))
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
    edited.password = txtPW_->text();
    SaveOutcome outcome = SaveOutcome::Saved;
    try {
        outcome = accounts().update(edited);
    } catch (const DatabaseError& error) {
        report(saveFailureMessage(error, error.message()));
        return;
    }
    if (outcome == SaveOutcome::Gone) {
        report(tr("This user is no longer in the database; the changes were not saved."));
        return;
    }
    if (outcome == SaveOutcome::ChangedMeanwhile) {
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
    // The list is not reloaded; only the entry of the edited user shows its new name.
    const int index = cmbUsers_->findData(edited.rowId);
    if (index > 0)
        cmbUsers_->setItemText(index, edited.displayName());
}

void frmUsers::AddNewUser()
{
    qint64 rowId = 0;
    try {
        rowId = accounts().add(txtFirst_->text(), txtLast_->text(), txtUser_->text(), txtPW_->text());
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
    if (choice_ != Choice::Existing || current_->displayName() == systemAdministrator)
        return;
    try {
        const UserAccounts users = accounts();
        if (users.count() <= 1) {
            report(tr("The last user cannot be deleted: nobody could log in."));
            return;
        }
        users.remove(current_->rowId);
    } catch (const DatabaseError& error) {
        report(saveFailureMessage(error, error.message()));
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
}

void frmUsers::report(const QString& message) { app_.messages.warn(this, message, ProgramInfo::title); }

} // namespace quillbill
