// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The mail component's encryption, sign-in and certificates against a real
// SMTP server on 127.0.0.1 (aiosmtpd, run by recording_smtp_server.py) with
// certificates made by openssl for each test: what arrives, what was said
// before the connection was encrypted, the sentences a user reads, and the
// connection check.

#include "MailSignalLog.h"
#include "RecordingSmtpServer.h"
#include "common/OptionsStore.h"
#include "mail/MailSettings.h"
#include "mail/SendMail.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

using quillbill::MailEncryption;
using quillbill::MailSettings;
using quillbill::OptionsStore;
using quillbill::SendMail;

namespace {

const QString userName = QStringLiteral("bob");
const QString password = QStringLiteral("s3cret");

// An authority of the test's own, which stands for those the computer
// trusts (SSL_CERT_FILE), and the certificates the servers show: signed by
// it for 127.0.0.1 ("local") and for another host ("other"), and two
// self-signed ones for "localhost" that no authority vouches for. The
// self-signed ones do not name 127.0.0.1, which the tests connect to: an
// accepted certificate passes whatever name it carries.
class TestCertificates {
public:
    bool make()
    {
        const QStringList newKey{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2"};
        const QStringList leaf{"-addext", "basicConstraints=critical,CA:FALSE"};
        const QStringList signedByAuthority{"-CA", path("authority"), "-CAkey", key("authority")};
        return openssl(QStringList{"-subj", "/CN=Quillbill Test Authority"} + output("authority") + newKey)
            && openssl(QStringList{"-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1"}
                       + output("local") + newKey + leaf + signedByAuthority)
            && openssl(QStringList{"-subj", "/CN=mail.example.com", "-addext", "subjectAltName=DNS:mail.example.com"}
                       + output("other") + newKey + leaf + signedByAuthority)
            && openssl(QStringList{"-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost"} + output("self")
                       + newKey + leaf)
            && openssl(QStringList{"-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost"}
                       + output("self2") + newKey + leaf);
    }

    QString path(const QString& name) const { return folder_.filePath(name + QStringLiteral(".pem")); }
    QString key(const QString& name) const { return folder_.filePath(name + QStringLiteral(".key")); }

    // The server options that make it show certificate `name`.
    QStringList serverOptions(const QString& name) const { return {"--cert", path(name), "--key", key(name)}; }

    QByteArray der(const QString& name) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QByteArray base64;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.startsWith("-----"))
                base64 += line.trimmed();
        }
        return QByteArray::fromBase64(base64);
    }

    // As openssl shows it: "AB:CD:...".
    QString fingerprint(const QString& name) const
    {
        QProcess process;
        process.start(QStringLiteral("openssl"), {"x509", "-in", path(name), "-noout", "-fingerprint", "-sha256"});
        process.waitForFinished(20000);
        return QString::fromLatin1(process.readAllStandardOutput()).section(QLatin1Char('='), 1).trimmed();
    }

private:
    QStringList output(const QString& name) const { return {"-out", path(name), "-keyout", key(name)}; }

    static bool openssl(const QStringList& arguments)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("openssl"), QStringList{"req", "-x509"} + arguments);
        const bool done = process.waitForFinished(30000) && process.exitCode() == 0;
        if (!done)
            ADD_FAILURE() << "openssl failed: " << process.readAll().toStdString();
        return done;
    }

    QTemporaryDir folder_;
};

// The order `expected` lines come in `lines`, others in between allowed.
::testing::AssertionResult inOrder(const QStringList& lines, const QStringList& expected)
{
    qsizetype at = 0;
    for (const QString& line : lines) {
        if (at < expected.size() && line == expected[at])
            ++at;
    }
    if (at == expected.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << expected[at].toStdString() << "\" is missing or out of order in:\n"
                                         << lines.join(QLatin1Char('\n')).toStdString();
}

class SecureMailTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        options.clear();
        ASSERT_TRUE(certificates.make());
        // The authorities this computer trusts, for libcurl as for OpenSSL.
        qputenv("SSL_CERT_FILE", certificates.path(QStringLiteral("authority")).toLocal8Bit());
    }
    void TearDown() override { qunsetenv("SSL_CERT_FILE"); }

    // What the e-mail page would hold for `server`.
    static MailSettings settingsFor(quint16 port, MailEncryption encryption)
    {
        MailSettings settings;
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = port;
        settings.encryption = encryption;
        settings.userName = userName;
        return settings;
    }

    void accept(MailSettings& settings, const QString& certificate) const
    {
        settings.acceptedCertificate = {settings.host, settings.port, certificates.fingerprint(certificate),
                                        certificates.der(certificate)};
    }

    static void address(SendMail& mail)
    {
        mail.setSenderAddress(QStringLiteral("buero@example.com"));
        mail.setRecipientAddress(QStringLiteral("kunde@example.org"));
        mail.setSubject(QStringLiteral("Rechnung"));
        mail.setMessage(QStringLiteral("Guten Tag.\n"));
    }

    // The credentials in every form they could leak in: as typed, and as
    // AUTH PLAIN and AUTH LOGIN encode them.
    static void expectNoCredentials(const QStringList& lines)
    {
        const QString all = lines.join(QLatin1Char('\n'));
        for (const QByteArray& secret :
             {password.toUtf8(), QByteArray('\0' + userName.toUtf8() + '\0' + password.toUtf8()).toBase64(),
              password.toUtf8().toBase64()})
            EXPECT_FALSE(mentions(all, QString::fromLatin1(secret))) << "a status line shows the password";
    }

    OptionsStore options;
    TestCertificates certificates;
    QTemporaryDir files;
};

const QStringList startTls{"--tls", "starttls"};
const QStringList implicitTls{"--tls", "implicit"};
const QStringList signIn{"--user", userName, "--password", password};

TEST_F(SecureMailTest, EncryptedSendsDeliverAndSayEachStep)
{
    struct Case {
        const char* what;
        QStringList tls;
        QString certificate;
        MailEncryption encryption;
        bool accepted;
    };
    const QList<Case> cases{
        {"STARTTLS", startTls, "local", MailEncryption::StartTls, false},
        {"SSL/TLS", implicitTls, "local", MailEncryption::Tls, false},
        {"accepted self-signed certificate", startTls, "self", MailEncryption::StartTls, true},
    };
    QByteArray attachment(48 * 1024, Qt::Uninitialized);
    QRandomGenerator(17).fillRange(reinterpret_cast<quint32*>(attachment.data()), attachment.size() / 4);
    const QString attachmentPath = QDir(files.path()).filePath(QStringLiteral("Invoice.pdf"));
    QFile file(attachmentPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(attachment) == attachment.size());
    file.close();

    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        RecordingSmtpServer server;
        ASSERT_TRUE(server.start(test.tls + certificates.serverOptions(test.certificate) + signIn))
            << server.output().toStdString();
        MailSettings settings = settingsFor(server.port(), test.encryption);
        if (test.accepted)
            accept(settings, test.certificate);
        SendMail mail(options);
        mail.useSettings(settings, password);
        address(mail);
        mail.setAttachment(attachmentPath);
        SignalLog log(mail);

        mail.Send();

        ASSERT_EQ(log.failures, QStringList()) << server.output().toStdString();
        const QList<QJsonObject> messages = server.messages();
        ASSERT_EQ(messages.size(), 1);
        const QJsonArray parts = messages.first()["attachments"].toArray();
        ASSERT_EQ(parts.size(), 1);
        EXPECT_EQ(QByteArray::fromBase64(parts.first().toObject()["data"].toString().toLatin1()), attachment);
        EXPECT_EQ(server.count(QStringLiteral("AUTH")), 1);
        EXPECT_EQ(server.inClear(QStringLiteral("AUTH")) + server.inClear(QStringLiteral("MAIL")), 0);

        const QRegularExpression sizeLine(QStringLiteral("^Sending message \\((\\d+) KB\\)\\.\\.\\.$"));
        const QStringList sizeLines = log.statuses.filter(sizeLine);
        ASSERT_EQ(sizeLines.size(), 1) << log.statuses.join(QLatin1Char('\n')).toStdString();
        // The message as sent, in whole KB rounded up; base64 makes the
        // attachment a third larger.
        const int kilobytes = sizeLine.match(sizeLines.first()).captured(1).toInt();
        EXPECT_GE(kilobytes, 64);
        EXPECT_LE(kilobytes, 68);
        EXPECT_TRUE(inOrder(log.statuses,
                            {QStringLiteral("Connecting to 127.0.0.1:%1...").arg(server.port()),
                             QStringLiteral("Starting encryption..."), QStringLiteral("Signing in as bob..."),
                             sizeLines.first(), QStringLiteral("Message sent.")}));
        expectNoCredentials(log.statuses);
    }
}

TEST_F(SecureMailTest, RefusedConnectionsSayWhyAndSendNothingInClear)
{
    struct Case {
        const char* what;
        QStringList tls;
        QString certificate;
        QString password;
        // Empty for none.
        QString accepted;
        QString explanation;
    };
    const QList<Case> cases{
        {"wrong password",
         startTls,
         "local",
         QStringLiteral("wrong"),
         {},
         QStringLiteral("The server refused the user name or password.")},
        {"no STARTTLS", {}, {}, password, {}, QStringLiteral("offers no encryption")},
        {"certificate for another host",
         startTls,
         "other",
         password,
         {},
         QStringLiteral("The server's certificate is not valid for 127.0.0.1.")},
        {"self-signed certificate",
         startTls,
         "self",
         password,
         {},
         QStringLiteral("No authority this computer trusts vouches for the certificate of 127.0.0.1")},
        {"another self-signed certificate than the accepted", startTls, "self2", password, "self",
         QStringLiteral("not the one accepted")},
        {"valid certificate, but another was accepted", startTls, "local", password, "self",
         QStringLiteral("not the one accepted")},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        RecordingSmtpServer server;
        const QStringList serverOptions =
            test.certificate.isEmpty() ? signIn : test.tls + certificates.serverOptions(test.certificate) + signIn;
        ASSERT_TRUE(server.start(serverOptions)) << server.output().toStdString();
        MailSettings settings = settingsFor(server.port(), MailEncryption::StartTls);
        if (!test.accepted.isEmpty())
            accept(settings, test.accepted);
        SendMail mail(options);
        mail.useSettings(settings, test.password);
        address(mail);
        SignalLog log(mail);

        mail.Send();

        EXPECT_EQ(log.successes, 0);
        ASSERT_EQ(log.failures.size(), 1);
        EXPECT_TRUE(mentions(log.failures.first(), test.explanation));
        EXPECT_TRUE(server.messages().isEmpty());
        EXPECT_EQ(server.count(QStringLiteral("MAIL")), 0);
        EXPECT_EQ(server.inClear(QStringLiteral("AUTH")), 0);
    }
}

TEST_F(SecureMailTest, PlainSignInOnlyWithConsent)
{
    RecordingSmtpServer server;
    ASSERT_TRUE(server.start(signIn)) << server.output().toStdString();
    for (const bool consent : {false, true}) {
        SCOPED_TRACE(consent ? "confirmed" : "not confirmed");
        MailSettings settings = settingsFor(server.port(), MailEncryption::None);
        settings.plainSignInConfirmed = consent;
        SendMail mail(options);
        mail.useSettings(settings, password);
        address(mail);
        SignalLog log(mail);

        mail.Send();

        EXPECT_EQ(log.successes, consent ? 1 : 0);
        EXPECT_EQ(log.hasStatusStartingWith(QStringLiteral("Connecting")), consent);
        EXPECT_EQ(server.inClear(QStringLiteral("AUTH")), consent ? 1 : 0);
        if (!consent) {
            EXPECT_TRUE(mentions(log.failures.value(0), QStringLiteral("unencrypted")));
        }
    }
}

TEST_F(SecureMailTest, WithoutEncryptionABrokenStartTlsOfferIsLeftAlone)
{
    // A local relay that offers STARTTLS with a certificate nobody vouches
    // for; the user chose no encryption for it.
    RecordingSmtpServer relay;
    ASSERT_TRUE(relay.start(QStringList{"--tls", "offered"} + certificates.serverOptions(QStringLiteral("self"))))
        << relay.output().toStdString();
    MailSettings settings = settingsFor(relay.port(), MailEncryption::None);
    settings.userName.clear();
    SendMail mail(options);
    mail.useSettings(settings, {});
    address(mail);
    SignalLog log(mail);

    mail.Send();

    EXPECT_EQ(log.failures, QStringList());
    EXPECT_EQ(relay.messages().size(), 1);
    EXPECT_EQ(relay.count(QStringLiteral("STARTTLS")), 0);
}

TEST_F(SecureMailTest, ConnectionTestSaysWhatWorkedAndSendsNothing)
{
    RecordingSmtpServer server;
    ASSERT_TRUE(server.start(startTls + certificates.serverOptions(QStringLiteral("local")) + signIn))
        << server.output().toStdString();
    const QString connected = QStringLiteral("Connected to 127.0.0.1 on port %1.").arg(server.port());
    const QString encrypted = QStringLiteral("Encryption started (TLSv1.3).");
    for (const bool withUser : {true, false}) {
        SCOPED_TRACE(withUser ? "with a user name" : "without");
        MailSettings settings = settingsFor(server.port(), MailEncryption::StartTls);
        if (!withUser)
            settings.userName.clear();
        SendMail mail(options);
        mail.useSettings(settings, password);
        SignalLog log(mail);

        const quillbill::mail::ConnectionCheck check = mail.TestConnection();

        EXPECT_TRUE(check.succeeded);
        EXPECT_EQ(check.failure, QString());
        const QStringList steps{connected, encrypted,
                                withUser ? QStringLiteral("Signed in as bob.")
                                         : QStringLiteral("No sign-in: no user name is set.")};
        EXPECT_EQ(check.steps, steps);
        EXPECT_TRUE(inOrder(log.statuses, steps)) << "the steps were not reported as they went";
        EXPECT_EQ(log.offThread, 0);
        expectNoCredentials(log.statuses);
    }
    // The sign-in of the first test, encrypted, and no mail at all.
    EXPECT_EQ(server.count(QStringLiteral("AUTH")), 1);
    EXPECT_EQ(server.inClear(QStringLiteral("AUTH")), 0);
    EXPECT_EQ(server.count(QStringLiteral("MAIL")), 0);
}

TEST_F(SecureMailTest, ConnectionTestOffersAnUnknownCertificateThatOnceAcceptedWorks)
{
    RecordingSmtpServer server;
    ASSERT_TRUE(server.start(startTls + certificates.serverOptions(QStringLiteral("self")) + signIn))
        << server.output().toStdString();
    MailSettings settings = settingsFor(server.port(), MailEncryption::StartTls);
    SendMail mail(options);
    mail.useSettings(settings, password);

    const quillbill::mail::ConnectionCheck refused = mail.TestConnection();

    EXPECT_FALSE(refused.succeeded);
    EXPECT_TRUE(mentions(refused.failure, QStringLiteral("No authority this computer trusts vouches")));
    ASSERT_TRUE(refused.untrustedCertificate.has_value());
    const quillbill::mail::PresentedCertificate& shown = *refused.untrustedCertificate;
    EXPECT_EQ(shown.der, certificates.der(QStringLiteral("self")));
    EXPECT_EQ(shown.fingerprint, certificates.fingerprint(QStringLiteral("self")));
    EXPECT_TRUE(mentions(shown.subject, QStringLiteral("localhost")));
    EXPECT_FALSE(shown.validUntil.isEmpty());
    EXPECT_EQ(server.count(QStringLiteral("AUTH")), 0) << "credentials went to a server not yet trusted";

    accept(settings, QStringLiteral("self"));
    mail.useSettings(settings, password);
    const quillbill::mail::ConnectionCheck accepted = mail.TestConnection();

    EXPECT_TRUE(accepted.succeeded) << accepted.failure.toStdString();
    EXPECT_TRUE(accepted.steps.contains(QStringLiteral("Signed in as bob.")));
}

TEST_F(SecureMailTest, ConnectionTestOfASilentServerEndsWithNoAnswer)
{
    // Takes the connection (the system does, on listen) and never says a word.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    SendMail mail(options);
    mail.useSettings(settingsFor(silent.serverPort(), MailEncryption::StartTls), password);
    mail.setTimeouts(2, 4);
    SignalLog log(mail);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);

    const quillbill::mail::ConnectionCheck check = mail.TestConnection();

    EXPECT_FALSE(check.succeeded);
    EXPECT_EQ(check.failure,
              QStringLiteral("No answer from 127.0.0.1 on port %1 within 2 seconds.").arg(silent.serverPort()));
    EXPECT_TRUE(log.statuses.contains(check.failure));
    EXPECT_GT(ticks, 0) << "the caller's events were not handled during the test";
}

} // namespace
