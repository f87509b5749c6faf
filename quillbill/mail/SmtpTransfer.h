// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "mail/MailSettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

namespace quillbill::mail {

struct SmtpRequest {
    // "smtp://host:port" or "smtps://host:port", without user name or
    // password (those go in `userName` and `password`). With
    // MailEncryption::Tls the scheme is taken as smtps.
    QString url;
    // Host and port as the user reads them in messages.
    QString serverName;
    // With StartTls or Tls the connection is refused unless it is encrypted
    // and the server's certificate is valid for the host (or is
    // `trustedCertificate`).
    MailEncryption encryption = MailEncryption::None;
    // Empty for no sign-in.
    QString userName;
    QString password;
    // Whether a sign-in may go over an unencrypted connection (the user chose
    // "None" and confirmed it).
    bool plainSignInAllowed = false;
    // DER bytes of a certificate the user accepted for this server; empty
    // when only certificates vouched for by a known authority are good.
    QByteArray trustedCertificate;
    QString sender;
    QString recipient;
    QByteArray message;
    int connectSeconds = 20;
    int transferSeconds = 60;
};

// Called on the transferring thread.
struct SmtpReporter {
    // A line of the conversation or of the send's progress.
    std::function<void(const QString& line)> status;
    // Whole percent of the message uploaded, 0..99 (100 is the caller's, once
    // the server has taken the message), each value once.
    std::function<void(int percent)> progress;
};

struct SmtpOutcome {
    bool sent = false;
    // Empty when sent, else the cause in the user's words.
    QString explanation;
};

// The certificate a server showed when no known authority vouched for it,
// for the user to judge and perhaps accept.
struct PresentedCertificate {
    QByteArray der;
    // SHA-256 over `der`, "AB:CD:...".
    QString fingerprint;
    // As OpenSSL writes them: "O = Example Ltd, CN = mail.example.com".
    QString subject;
    QString issuer;
    // As OpenSSL writes them: "Jan 2 10:00:00 2025 GMT".
    QString validFrom;
    QString validUntil;
};

struct ConnectionCheck {
    bool succeeded = false;
    // What worked, in plain sentences and in order ("Connected to ...",
    // "Encryption started ...", "Signed in as ...").
    QStringList steps;
    // What failed, in a plain sentence; empty when it succeeded.
    QString failure;
    // Set when the failure was a certificate no known authority vouches for.
    std::optional<PresentedCertificate> untrustedCertificate;
};

// Connects to the server of `request`, says hello, starts the encryption it
// asks for and signs in when it has a user name, then leaves without sending
// anything. Blocks, like transferMessage(); `request.message`, `sender` and
// `recipient` are not used.
ConnectionCheck checkConnection(const SmtpRequest& request, const SmtpReporter& reporter,
                                const std::atomic<bool>& cancel);

// Sends `request` with one libcurl easy handle and returns when the server has
// accepted the message or the send has failed. Blocks: the caller runs it on
// a thread of its own. The send ends early, as a failure, once `cancel`
// turns true.
SmtpOutcome transferMessage(const SmtpRequest& request, const SmtpReporter& reporter, const std::atomic<bool>& cancel);

} // namespace quillbill::mail
