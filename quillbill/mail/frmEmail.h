// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "mail/EmailMode.h"

#include <QDialog>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTemporaryDir;

namespace quillbill {

struct AppContext;
class SendMail;
struct MailSettings;

// The e-mail window. AppState::AttachmentPath, as it is when the window is
// made, decides what it sends: with a path, an invoice with that file
// attached to a recipient the user types; without one, comments to the
// program's makers. The file is read only when Send is pressed, so it must
// be one that nothing else writes meanwhile: the folder of the run that
// made it, which the window holds until it closes. A successful send empties AttachmentPath and closes the
// window (accepted); a failed one leaves everything typed in place.
//
// The options window's mail settings give the server, the sign-in, the
// comments address and the sender; without a sender there, the sender and
// recipient of the last successful send come back the next time the window
// opens.
class frmEmail : public QDialog {
    Q_OBJECT
public:
    explicit frmEmail(AppContext& app, QWidget* parent = nullptr);
    ~frmEmail() override;

    bool isInvoiceMode() const { return mode_.isInvoice(); }

    // Keeps the folder that holds the attachment until the window goes; the
    // folder and its files are removed then.
    void holdAttachmentFolder(std::unique_ptr<QTemporaryDir> folder);

    // While a send runs, the window stays open: the send holds on to it.
    void done(int result) override;

signals:
    // The invoice's file has been handed to the mail server.
    void invoiceSent();

private:
    enum class Outcome { None, Failed, Succeeded };

    void send();
    // The password of the settings' user: from the keyring, else asked for.
    // An empty one without a user name; nothing when the user cancelled.
    std::optional<QString> passwordFor(const MailSettings& settings);
    void reset();
    void showProgress(int percent);
    void showStatus(const QString& text);
    void sendFailed(const QString& explanation);
    void sendSucceeded();

    AppContext& app_;
    const EmailMode mode_;
    SendMail* mail_;
    bool sending_ = false;
    Outcome outcome_ = Outcome::None;
    QString failure_;
    QString commentsAddress_;
    std::unique_ptr<QTemporaryDir> attachmentFolder_;

    QLineEdit* txtFrom_;
    QLineEdit* txtTo_;
    QPlainTextEdit* txtMsg_;
    QLabel* lblAttachment_;
    QLabel* lblStatus_;
    QListWidget* lstStatus_;
    QLabel* lblProgress_;
    QProgressBar* Animation1_;
    QPushButton* cmdSend_;
    QPushButton* cmdReset_;
};

} // namespace quillbill
