// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/options/ServerFields.h"

#include "common/Controls.h"
#include "common/MessageBoxes.h"
#include "common/WaitCursor.h"

#include <QComboBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>

#include <memory>
#include <utility>

namespace quillbill {

namespace {

template <typename Box>
Box* named(Box* box, const QString& name, const QString& accessibleName)
{
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    return box;
}

} // namespace

ServerFields::ServerFields(QWidget* parent)
    : QWidget(parent),
      hostBox_(named(new QLineEdit, "txtDbHost", tr("Server"))),
      portBox_(named(new QSpinBox, "txtDbPort", tr("Port"))),
      databaseBox_(named(new QLineEdit, "txtDbName", tr("Database"))),
      userBox_(named(new QLineEdit, "txtDbUser", tr("User name"))),
      passwordBox_(named(new QLineEdit, "txtDbPassword", tr("Password"))),
      keyringLabel_(makeLabel("lblDbKeyring", QString())),
      encryptionBox_(named(new QComboBox, "cboDbEncryption", tr("Encryption"))),
      certificateBox_(named(new QLineEdit, "txtDbCertificate", tr("Certificate authority file"))),
      certificateButton_(makeButton("cmdDbCertificate", tr("Browse...")))
{
    portBox_->setRange(1, 65535);
    passwordBox_->setEchoMode(QLineEdit::Password);
    keyringLabel_->setWordWrap(true);
    encryptionBox_->addItem(tr("When the server offers it"), QStringLiteral("prefer"));
    encryptionBox_->addItem(tr("Always"), QStringLiteral("require"));
    encryptionBox_->addItem(tr("Always, with the server's certificate checked"), QStringLiteral("verify-full"));
    certificateButton_->setAutoDefault(false);
    const int boxWidth = fontMetrics().averageCharWidth() * 36;
    for (QLineEdit* box : {hostBox_, databaseBox_, userBox_, passwordBox_, certificateBox_})
        box->setMinimumWidth(boxWidth);

    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(tr("&Server:"), hostBox_);
    layout->addRow(tr("&Port:"), portBox_);
    layout->addRow(tr("&Database:"), databaseBox_);
    layout->addRow(tr("&User name:"), userBox_);
    layout->addRow(tr("Pass&word:"), passwordBox_);
    layout->addRow(QString(), keyringLabel_);
    layout->addRow(tr("&Encryption:"), encryptionBox_);
    auto* certificateRow = new QHBoxLayout;
    certificateRow->addWidget(certificateBox_);
    certificateRow->addWidget(certificateButton_);
    auto* certificateLabel = new QLabel(tr("&Certificate authority:"));
    certificateLabel->setBuddy(certificateBox_);
    layout->addRow(certificateLabel, certificateRow);
    // Room for the keyring's word from the start: it comes once the window
    // is shown, when the window's size is already made.
    keyringLabel_->setText(tr("A password typed here is kept in the desktop's keyring."));

    for (QLineEdit* box : {hostBox_, databaseBox_, userBox_, passwordBox_, certificateBox_})
        connect(box, &QLineEdit::textEdited, this, &ServerFields::edited);
    connect(portBox_, &QSpinBox::valueChanged, this, &ServerFields::edited);
    connect(encryptionBox_, &QComboBox::currentIndexChanged, this, [this] {
        showCertificateState();
        emit edited();
    });
    connect(certificateButton_, &QPushButton::clicked, this, &ServerFields::chooseCertificateAuthority);
}

void ServerFields::showServer(const ServerAddress& server)
{
    const QSignalBlocker quiet(this);
    hostBox_->setText(server.host);
    {
        const QSignalBlocker quietPort(portBox_);
        portBox_->setValue(server.port);
    }
    databaseBox_->setText(server.database);
    userBox_->setText(server.user);
    const int encryption = encryptionBox_->findData(server.encryption);
    encryptionBox_->setCurrentIndex(encryption < 0 ? 0 : encryption);
    certificateBox_->setText(server.certificateAuthority);
    showCertificateState();
}

ServerAddress ServerFields::shownServer() const
{
    ServerAddress server;
    server.host = hostBox_->text().trimmed();
    server.port = portBox_->value();
    server.database = databaseBox_->text().trimmed();
    server.user = userBox_->text().trimmed();
    server.password = passwordBox_->text();
    server.encryption = encryptionBox_->currentData().toString();
    server.certificateAuthority = certificateBox_->text().trimmed();
    return server;
}

void ServerFields::clearPassword() { passwordBox_->clear(); }

void ServerFields::showKeyring(const Keyring::Reading& reading)
{
    passwordBox_->setPlaceholderText(QString());
    if (reading.locked) {
        keyringLabel_->setText(tr("The saved password could not be read: %1.").arg(reading.problem));
    } else if (!reading.keyringAnswered) {
        keyringLabel_->setText(tr("No keyring answered, so a password typed here is not kept."));
    } else if (reading.password) {
        passwordBox_->setPlaceholderText(tr("(kept in the keyring)"));
        keyringLabel_->setText(tr("The password is kept in the desktop's keyring."));
    } else {
        keyringLabel_->setText(tr("A password typed here is kept in the desktop's keyring."));
    }
}

void ServerFields::setFieldsEnabled(bool enabled)
{
    fieldsEnabled_ = enabled;
    for (QWidget* field :
         std::initializer_list<QWidget*>{hostBox_, portBox_, databaseBox_, userBox_, passwordBox_, encryptionBox_})
        field->setEnabled(enabled);
    showCertificateState();
}

void ServerFields::showCertificateState()
{
    // Only a check of the server's certificate needs its authority.
    const bool needed = fieldsEnabled_ && encryptionBox_->currentData().toString() == QLatin1String("verify-full");
    certificateBox_->setEnabled(needed);
    certificateButton_->setEnabled(needed);
}

void ServerFields::chooseCertificateAuthority()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Certificate Authority"), certificateBox_->text(),
                                                      tr("Certificates (*.crt *.pem);;All files (*)"));
    if (file.isEmpty())
        return;
    certificateBox_->setText(file);
    emit edited();
}

void ServerFields::focus(DatabasePage::Refusal::Field field)
{
    using Field = DatabasePage::Refusal::Field;
    QLineEdit* box = field == Field::Host ? hostBox_
        : field == Field::Database        ? databaseBox_
        : field == Field::User            ? userBox_
                                          : certificateBox_;
    box->setFocus();
    box->selectAll();
}

bool refuseServer(QWidget* window, MessageBoxes& messages, ServerFields* fields, const ServerAddress& server)
{
    const auto refusal = DatabasePage::firstRefusal(server);
    if (!refusal)
        return false;
    messages.warn(window, refusal->message, window->windowTitle());
    fields->focus(refusal->field);
    return true;
}

std::optional<DatabasePage::Check> checkOffThread(QWidget* page, const DatabasePage& keyring, ServerAddress typed)
{
    const ServerAddress server = keyring.withPassword(std::move(typed));
    // A server out of reach takes libpq's connect_timeout to say so; the
    // window goes on drawing meanwhile, with the page disabled.
    DatabasePage::Check result;
    const std::unique_ptr<QThread> worker(QThread::create([&result, server] { result = DatabasePage::check(server); }));
    QEventLoop waiting;
    QObject::connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    const QPointer<QWidget> alive(page);
    page->setEnabled(false);
    {
        const WaitCursor wait;
        worker->start();
        waiting.exec(QEventLoop::ExcludeUserInputEvents);
    }
    worker->wait();
    if (!alive)
        return std::nullopt;
    page->setEnabled(true);
    return result;
}

} // namespace quillbill
