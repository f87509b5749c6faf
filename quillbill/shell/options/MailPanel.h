// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "mail/MailSettings.h"
#include "shell/options/MailPage.h"

#include <QFrame>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace quillbill {

struct AppContext;

// The options window's "E-mail" page: the mail server, the sign-in, the
// sender, where comments go, how invoices are attached, and a check of the
// connection. What it does with the values lives in MailPage.
class MailPanel : public QFrame {
    Q_OBJECT
public:
    MailPanel(AppContext& app, MailPassword keyring, QWidget* parent = nullptr);

    // Whether the values may be saved: refuses bad values and asks before a
    // sign-in without encryption. False leaves everything unsaved, with the
    // user told why.
    bool readyToSave();
    // Writes the values, and a typed password to the keyring.
    void save();

signals:
    void changed();
    // The page has something to show the user (a refusal, a question).
    void showMe();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void showSettings(const MailSettings& settings);
    MailSettings shownSettings() const;
    void showKeyringState();
    void hostEdited();
    void encryptionChosen(int index);
    void testConnection();
    void trustCertificate();
    void showUntrustedCertificate(bool shown);
    void refuse(const MailPage::Refusal& refusal);

    AppContext& app_;
    MailPage page_;
    // As loaded or last saved: saving compares the keyring entry with it.
    MailSettings saved_;
    // The certificate accepted on the page, saved with the rest.
    AcceptedCertificate accepted_;
    // A certificate the last check met that no authority vouches for.
    AcceptedCertificate presented_;
    bool keyringChecked_ = false;
    // Whether the user set the encryption or port on this page.
    bool serverTouched_ = false;
    MailEncryption shownEncryption_ = MailEncryption::None;

    QLineEdit* txtMailHost_;
    QSpinBox* txtMailPort_;
    QComboBox* cboMailEncryption_;
    QLineEdit* txtMailUser_;
    QLineEdit* txtMailPassword_;
    QLabel* lblKeyring_;
    QLineEdit* txtSenderName_;
    QLineEdit* txtSenderAddress_;
    QLineEdit* txtCommentsAddress_;
    QComboBox* cboInvoicesAs_;
    QPushButton* cmdTestConnection_;
    QListWidget* lstTestResult_;
    QLabel* lblCertificate_;
    QPushButton* cmdTrustCertificate_;
};

} // namespace quillbill
