// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/Keyring.h"
#include "records/ServerAddress.h"
#include "shell/options/DatabasePage.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quillbill {

class MessageBoxes;

// The boxes that say where a PostgreSQL server is and how the program signs
// in to it (server, port, database, user, password, encryption and the
// certificate authority), for the Database page and the move to a server.
class ServerFields : public QWidget {
    Q_OBJECT
public:
    explicit ServerFields(QWidget* parent = nullptr);

    void showServer(const ServerAddress& server);
    // The server shown, with the password typed (empty when none was).
    ServerAddress shownServer() const;
    void clearPassword();
    // What the keyring holds for the server shown.
    void showKeyring(const Keyring::Reading& reading);
    void setFieldsEnabled(bool enabled);
    // Puts the cursor in the box a refusal names.
    void focus(DatabasePage::Refusal::Field field);

signals:
    void edited();

private:
    void showCertificateState();
    void chooseCertificateAuthority();

    bool fieldsEnabled_ = true;
    QLineEdit* hostBox_;
    QSpinBox* portBox_;
    QLineEdit* databaseBox_;
    QLineEdit* userBox_;
    QLineEdit* passwordBox_;
    QLabel* keyringLabel_;
    QComboBox* encryptionBox_;
    QLineEdit* certificateBox_;
    QPushButton* certificateButton_;
};

// Whether `server` can be saved; when not, tells the user why (in
// `window`) and puts the cursor in the box to mend.
bool refuseServer(QWidget* window, MessageBoxes& messages, ServerFields* fields, const ServerAddress& server);

// The check of `server` (DatabasePage::check) with its password, or the one
// `keyring` keeps when none was typed, run off the window's thread: `page`
// is disabled meanwhile and the window goes on drawing. Nothing when `page`
// went while it waited.
std::optional<DatabasePage::Check> checkOffThread(QWidget* page, const DatabasePage& keyring, ServerAddress server);

} // namespace quillbill
