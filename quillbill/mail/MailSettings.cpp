// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "mail/MailSettings.h"

#include "common/OptionsStore.h"
#include "mail/EmailMode.h"

#include <QUrl>

namespace quillbill {

namespace {

namespace Key {
const QString host = QStringLiteral("Mail Host");
const QString port = QStringLiteral("Mail Port");
const QString encryption = QStringLiteral("Mail Encryption");
const QString userName = QStringLiteral("Mail User");
const QString senderName = QStringLiteral("Mail Sender Name");
const QString senderAddress = QStringLiteral("Mail Sender Address");
const QString commentsAddress = QStringLiteral("Comments Address");
const QString invoicesAs = QStringLiteral("Send Invoices As");
const QString plainSignIn = QStringLiteral("Mail Plain Sign-in Confirmed");
const QString acceptedHost = QStringLiteral("Mail Accepted Certificate Server");
const QString acceptedFingerprint = QStringLiteral("Mail Accepted Certificate Fingerprint");
const QString acceptedCertificate = QStringLiteral("Mail Accepted Certificate");
} // namespace Key

const QString pdfName = QStringLiteral("PDF");
const QString htmlName = QStringLiteral("HTML");

MailEncryption encryptionNamed(const QString& name)
{
    for (const MailEncryption encryption : {MailEncryption::None, MailEncryption::StartTls, MailEncryption::Tls}) {
        if (name.compare(encryptionName(encryption), Qt::CaseInsensitive) == 0)
            return encryption;
    }
    // A damaged value errs on the side of encryption.
    return MailEncryption::StartTls;
}

bool isPort(int port) { return port > 0 && port <= 65535; }

// The server of an "SMTP Server" value written before the page existed.
void readServerUrl(const QString& text, MailSettings& settings)
{
    const QString trimmed = text.trimmed();
    const QUrl url(trimmed.contains(QLatin1String("://")) ? trimmed : QStringLiteral("smtp://") + trimmed);
    if (!url.isValid() || url.host().isEmpty())
        return;
    const bool tls = url.scheme().compare(QLatin1String("smtps"), Qt::CaseInsensitive) == 0;
    settings.host = url.host();
    settings.userName = url.userName();
    // A user name in the old URL meant a sign-in, which now needs encryption.
    settings.encryption = tls         ? MailEncryption::Tls
        : settings.userName.isEmpty() ? MailEncryption::None
                                      : MailEncryption::StartTls;
    settings.port = url.port(tls ? 465 : 25);
}

} // namespace

bool AcceptedCertificate::isFor(const QString& serverHost, int serverPort) const
{
    return !host.isEmpty() && host.compare(serverHost, Qt::CaseInsensitive) == 0 && port == serverPort;
}

QString encryptionName(MailEncryption encryption)
{
    switch (encryption) {
    case MailEncryption::None:
        return QStringLiteral("None");
    case MailEncryption::StartTls:
        return QStringLiteral("STARTTLS");
    case MailEncryption::Tls:
        return QStringLiteral("SSL/TLS");
    }
    return {};
}

int MailSettings::usualPort(MailEncryption encryption)
{
    switch (encryption) {
    case MailEncryption::None:
        return 25;
    case MailEncryption::StartTls:
        return 587;
    case MailEncryption::Tls:
        return 465;
    }
    return 25;
}

MailSettings MailSettings::load(const OptionsStore& store)
{
    MailSettings settings;
    if (const auto host = store.text(Key::host); host && !host->trimmed().isEmpty()) {
        settings.host = host->trimmed();
        settings.encryption = encryptionNamed(store.text(Key::encryption, QString()));
        const int port = store.number(Key::port, usualPort(settings.encryption));
        settings.port = isPort(port) ? port : usualPort(settings.encryption);
        settings.userName = store.text(Key::userName, QString());
    } else if (const auto server = store.text(OptionKey::smtpServer)) {
        readServerUrl(*server, settings);
    }
    settings.senderName = store.text(Key::senderName, QString());
    settings.senderAddress = store.text(Key::senderAddress, QString());
    // An address emptied in the settings file leaves the program's own:
    // comments always go somewhere.
    const QString comments = store.text(Key::commentsAddress, QString()).trimmed();
    settings.commentsAddress = comments.isEmpty() ? quillbill::commentsAddress : comments;
    settings.invoicesAs = store.text(Key::invoicesAs, htmlName).compare(pdfName, Qt::CaseInsensitive) == 0
        ? InvoiceAttachment::PdfDocument
        : InvoiceAttachment::HtmlPage;
    settings.plainSignInConfirmed = store.number(Key::plainSignIn, 0) == 1;

    const QString acceptedServer = store.text(Key::acceptedHost, QString());
    const qsizetype colon = acceptedServer.lastIndexOf(u':');
    if (colon > 0) {
        AcceptedCertificate& accepted = settings.acceptedCertificate;
        accepted.host = acceptedServer.left(colon);
        accepted.port = acceptedServer.mid(colon + 1).toInt();
        accepted.fingerprint = store.text(Key::acceptedFingerprint, QString());
        accepted.der = QByteArray::fromBase64(store.text(Key::acceptedCertificate, QString()).toLatin1());
    }
    return settings;
}

void MailSettings::save(OptionsStore& store) const
{
    store.setText(Key::host, host.trimmed());
    store.setNumber(Key::port, port);
    store.setText(Key::encryption, encryptionName(encryption));
    store.setText(Key::userName, userName.trimmed());
    store.setText(Key::senderName, senderName.trimmed());
    store.setText(Key::senderAddress, senderAddress.trimmed());
    store.setText(Key::commentsAddress, commentsAddress.trimmed());
    store.setText(Key::invoicesAs, invoicesAs == InvoiceAttachment::PdfDocument ? pdfName : htmlName);
    store.setNumber(Key::plainSignIn, plainSignInConfirmed ? 1 : 0);
    const AcceptedCertificate& accepted = acceptedCertificate;
    store.setText(Key::acceptedHost,
                  accepted.host.isEmpty() ? QString() : accepted.host + u':' + QString::number(accepted.port));
    store.setText(Key::acceptedFingerprint, accepted.host.isEmpty() ? QString() : accepted.fingerprint);
    store.setText(Key::acceptedCertificate,
                  accepted.host.isEmpty() ? QString() : QString::fromLatin1(accepted.der.toBase64()));
    store.setText(OptionKey::smtpServer, serverUrl());
}

QString MailSettings::serverUrl() const
{
    QUrl url;
    url.setScheme(encryption == MailEncryption::Tls ? QStringLiteral("smtps") : QStringLiteral("smtp"));
    url.setHost(host.trimmed());
    url.setPort(port);
    return url.toString();
}

QString MailSettings::serverName() const { return host.trimmed() + u':' + QString::number(port); }

QString MailSettings::sender() const
{
    const QString address = senderAddress.trimmed();
    const QString name = senderName.trimmed();
    if (address.isEmpty() || name.isEmpty())
        return address;
    return name + QStringLiteral(" <") + address + u'>';
}

QByteArray MailSettings::trustedCertificate() const
{
    return acceptedCertificate.isFor(host.trimmed(), port) ? acceptedCertificate.der : QByteArray();
}

} // namespace quillbill
