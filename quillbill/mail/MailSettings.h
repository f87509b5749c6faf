// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QByteArray>
#include <QString>

namespace quillbill {

class OptionsStore;

// How the connection to the mail server is protected.
enum class MailEncryption {
    None, // plain SMTP; a sign-in only when the user confirmed it
    StartTls, // plain connection upgraded with STARTTLS, which is required
    Tls, // TLS from the first byte ("SMTPS")
};

// What "Email This Invoice" attaches.
enum class InvoiceAttachment { HtmlPage, PdfDocument };

// A certificate the user accepted for one server although no known
// authority vouches for it (a self-signed one), recorded by its SHA-256
// fingerprint so that any other certificate is still refused.
struct AcceptedCertificate {
    QString host;
    int port = 0;
    // "AB:CD:..." over the DER bytes, as `openssl x509 -fingerprint -sha256` shows it.
    QString fingerprint;
    QByteArray der;

    bool isFor(const QString& serverHost, int serverPort) const;
};

// The e-mail settings of the options window's "E-mail" page, kept under
// "Options". The password is not among them: it lives in the desktop's
// keyring (MailPassword).
struct MailSettings {
    QString host = QStringLiteral("localhost");
    int port = 25;
    MailEncryption encryption = MailEncryption::None;
    // Empty when the server takes mail without a sign-in.
    QString userName;
    // The sender's name and address that the e-mail window starts with.
    QString senderName;
    QString senderAddress;
    // Where "Email Comments" sends to.
    QString commentsAddress;
    InvoiceAttachment invoicesAs = InvoiceAttachment::HtmlPage;
    // The user agreed to send the user name and password unencrypted; only
    // meaningful with MailEncryption::None and a user name.
    bool plainSignInConfirmed = false;
    // Empty host when none was accepted.
    AcceptedCertificate acceptedCertificate;

    // The port an encryption is normally served on: 25, 587 or 465.
    static int usualPort(MailEncryption encryption);

    // Reads the settings. Without the page's keys, "SMTP Server" (as
    // "smtp://host:port" or "smtps://host:port") still gives the server, so
    // settings written before the page existed keep working.
    static MailSettings load(const OptionsStore& store);
    // Writes every key of the page, and "SMTP Server" as the URL of the
    // server without any user name or password.
    void save(OptionsStore& store) const;

    // "smtp://host:port", or "smtps://host:port" for MailEncryption::Tls.
    QString serverUrl() const;
    // "host:port", as messages name the server.
    QString serverName() const;
    // The From line the e-mail window starts with: "Name <address>", or the
    // bare address without a name, or empty without an address.
    QString sender() const;
    // Whether a sign-in would have to go over an unencrypted connection.
    bool signsInWithoutEncryption() const { return !userName.isEmpty() && encryption == MailEncryption::None; }
    // The accepted certificate when it is for this server, else nothing.
    QByteArray trustedCertificate() const;
};

// The names under which the encryption is stored and shown.
QString encryptionName(MailEncryption encryption);

} // namespace quillbill
