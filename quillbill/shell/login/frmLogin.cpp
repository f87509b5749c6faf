#include "shell/login/frmLogin.h"

#include "common/AppContext.h"
#include "records/DatabaseError.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

namespace {
const QString loginTitle = QStringLiteral("Login");
} // namespace

frmLogin::frmLogin(AppContext& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      txtUserName_(new QLineEdit),
      txtPassword_(new QLineEdit),
      cmdOK_(new QPushButton(tr("OK"))),
      cmdCancel_(new QPushButton(tr("Cancel")))
{
    setObjectName("frmLogin");
    setWindowTitle(loginTitle);
    txtUserName_->setObjectName("txtUserName");
    txtPassword_->setObjectName("txtPassword");
    txtPassword_->setEchoMode(QLineEdit::Password);
    cmdOK_->setObjectName("cmdOK");
    cmdCancel_->setObjectName("cmdCancel");
    cmdOK_->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&User Name:"), txtUserName_);
    form->addRow(tr("&Password:"), txtPassword_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(cmdOK_, &QPushButton::clicked, this, &frmLogin::logIn);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(320);
}

void frmLogin::logIn()
{
    std::optional<UserAccount> account;
    try {
        const UserAccounts users(app_.state.MainDatabase);
        if (users.isEmpty()) {
            refuse(tr("No users are set up in this database, so nobody can log in.\n"
                      "Ask whoever looks after Quillbill to add a user or to restore a backup."));
            return;
        }
        account = users.matching(txtUserName_->text(), txtPassword_->text());
    } catch (const DatabaseError& error) {
        refuse(error.message());
        return;
    }
    if (!account) {
        refuse(tr("Invalid Username or Password, try again!"));
        return;
    }
    emit loggedIn(*account);
}

void frmLogin::refuse(const QString& message)
{
    app_.messages.warn(this, message, loginTitle);
    txtPassword_->setFocus(Qt::OtherFocusReason);
    txtPassword_->selectAll();
}

} // namespace quillbill
