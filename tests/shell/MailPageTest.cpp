// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The options window's "E-mail" page: what it saves and shows again, how the
// port follows the host and the encryption, who may change it, the values
// and the plain sign-in it will not save unasked, what happens to the
// password where no keyring answers (the tests' default: no session bus),
// and "Test Connection" against a real local SMTP server (aiosmtpd).

#include "shell/options/MailPage.h"
#include "QStringPrinting.h"
#include "RecordingSmtpServer.h"
#include "TestProgram.h"
#include "common/OptionsStore.h"
#include "mail/MailSettings.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <ostream>

using namespace quillbill;
using quillbill::testing::RecordingMessageBoxes;
using quillbill::testing::TestProgram;

namespace {

// A self-signed certificate for 127.0.0.1 made with openssl, and what
// openssl says of it: its SHA-256 fingerprint and its dates.
struct SelfSignedCertificate {
    QTemporaryDir folder;
    QString certificate = folder.filePath("server.pem");
    QString key = folder.filePath("server.key");
    // "Jan  2 10:00:00 2025 GMT", as openssl writes them.
    QString validFrom;
    QString validUntil;

    // The fingerprint, "AB:CD:..."; empty when openssl failed.
    QString make()
    {
        QProcess openssl;
        openssl.start("openssl",
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                       "/O=Quillbill Test Office/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                       key, "-out", certificate});
        if (!openssl.waitForFinished(60'000) || openssl.exitCode() != 0)
            return {};
        openssl.start("openssl",
                      {"x509", "-noout", "-startdate", "-enddate", "-fingerprint", "-sha256", "-in", certificate});
        if (!openssl.waitForFinished(60'000) || openssl.exitCode() != 0)
            return {};
        // "notBefore=...", "notAfter=...", "sha256 Fingerprint=AB:CD:..."
        const QStringList lines = QString::fromLatin1(openssl.readAllStandardOutput()).split(u'\n');
        validFrom = lines.value(0).section(u'=', 1).trimmed();
        validUntil = lines.value(1).section(u'=', 1).trimmed();
        return lines.value(2).section(u'=', 1).trimmed();
    }
};

// Whether all of `label`'s text can be read where it is: inside its window,
// tall enough for its lines, and no line (or, wrapped, no word) wider than
// the label.
bool showsAllOf(const QLabel* label)
{
    const QRect inWindow(label->mapTo(label->window(), QPoint(0, 0)), label->size());
    if (!label->isVisible() || !label->window()->rect().contains(inWindow))
        return false;
    const bool wrapped = label->wordWrap();
    if ((wrapped ? label->heightForWidth(label->width()) : label->sizeHint().height()) > label->height())
        return false;
    const QFontMetrics metrics = label->fontMetrics();
    const QRegularExpression breaks(wrapped ? QStringLiteral("\\s+") : QStringLiteral("\\n"));
    for (const QString& piece : label->text().split(breaks, Qt::SkipEmptyParts))
        if (metrics.horizontalAdvance(piece) > label->contentsRect().width())
            return false;
    return true;
}

class MailPageTest : public ::testing::Test {
protected:
    // Opens the options window for a user of `userLevel` and turns to the
    // E-mail page.
    void open(int16_t userLevel = 3)
    {
        window.reset();
        program.app->state.UserLevel = userLevel;
        window = std::make_unique<frmOptions>(*program.app, mainWindow.securedMenuItems(), nullptr,
                                              MailPassword(QStringLiteral("Quillbill tests")));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        control<QAction>("mnuEmail")->trigger();
    }

    template <typename T>
    T* control(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            ADD_FAILURE() << "no control " << name.toStdString();
        return found;
    }
    QLineEdit* box(const QString& name) const { return control<QLineEdit>(name); }
    QSpinBox* port() const { return control<QSpinBox>("txtMailPort"); }
    QComboBox* encryption() const { return control<QComboBox>("cboMailEncryption"); }
    bool pageShown() const { return control<QFrame>("optEmail")->isVisible(); }

    // Replaces a box's text by typing, as the user does.
    void type(const QString& name, const QString& text) const
    {
        QLineEdit* target = box(name);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Backspace);
        QTest::keyClicks(target, text);
    }
    // Chooses an entry of a list box as the user does, by its text.
    void choose(const QString& name, const QString& text) const
    {
        QComboBox* combo = control<QComboBox>(name);
        const int row = combo->findText(text);
        ASSERT_GE(row, 0) << text.toStdString();
        combo->setFocus();
        while (combo->currentIndex() != row)
            QTest::keyClick(combo, combo->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
    }
    void click(const QString& name) const { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

    // Points the page at 127.0.0.1:`serverPort` with `encryptionShown`.
    void showServer(quint16 serverPort, const QString& encryptionShown) const
    {
        type("txtMailHost", "127.0.0.1");
        choose("cboMailEncryption", encryptionShown);
        port()->setFocus();
        port()->selectAll();
        QTest::keyClicks(port(), QString::number(serverPort));
        ASSERT_EQ(port()->value(), serverPort);
    }
    QStringList testResult() const
    {
        QStringList lines;
        const QListWidget* list = control<QListWidget>("lstTestResult");
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines;
    }

    std::optional<QString> stored(const QString& key) const { return program.app->options.text(key); }
    MailSettings storedSettings() const { return MailSettings::load(program.app->options); }

    TestProgram program;
    frmMain mainWindow{*program.app};
    std::unique_ptr<frmOptions> window;
};

TEST(MailPageRules, APortFollowsTheHostAndTheEncryptionOnlyFromItsUsualValue)
{
    using Server = MailPage::Server;
    const struct {
        Server shown;
        bool touched;
        Server expected;
    } afterHost[] = {
        {{MailEncryption::None, 25}, false, {MailEncryption::StartTls, 587}},
        {{MailEncryption::None, 25}, true, {MailEncryption::None, 25}},
        {{MailEncryption::None, 2525}, false, {MailEncryption::None, 2525}},
        {{MailEncryption::Tls, 465}, false, {MailEncryption::Tls, 465}},
    };
    for (const auto& row : afterHost)
        EXPECT_EQ(MailPage::afterHostEdited(row.shown, row.touched), row.expected) << row.shown.port << row.touched;

    const struct {
        MailEncryption from, to;
        int port, expected;
    } afterEncryption[] = {
        {MailEncryption::None, MailEncryption::StartTls, 25, 587},
        {MailEncryption::StartTls, MailEncryption::Tls, 587, 465},
        {MailEncryption::Tls, MailEncryption::None, 465, 25},
        {MailEncryption::None, MailEncryption::Tls, 2525, 2525},
        {MailEncryption::StartTls, MailEncryption::Tls, 25, 25},
    };
    for (const auto& row : afterEncryption)
        EXPECT_EQ(MailPage::portAfterEncryptionChosen(row.from, row.to, row.port), row.expected) << row.port;
}

TEST_F(MailPageTest, SavesWhatWasTypedAndShowsItAgain)
{
    open();
    ASSERT_TRUE(pageShown());
    EXPECT_EQ(box("txtMailHost")->text(), "localhost");
    EXPECT_EQ(port()->value(), 25);
    EXPECT_EQ(encryption()->currentText(), "None");
    EXPECT_EQ(box("txtMailPassword")->echoMode(), QLineEdit::Password);

    // A provider's host brings STARTTLS on 587; SSL/TLS then moves it to 465.
    type("txtMailHost", "mail.example.com");
    EXPECT_EQ(encryption()->currentText(), "STARTTLS");
    EXPECT_EQ(port()->value(), 587);
    EXPECT_TRUE(control<QPushButton>("cmdApply")->isEnabled());
    choose("cboMailEncryption", "SSL/TLS");
    EXPECT_EQ(port()->value(), 465);
    type("txtMailUser", "office@example.com");
    type("txtSenderName", "Tidy Windows Ltd.");
    type("txtSenderAddress", "office@example.com");
    type("txtCommentsAddress", "feedback@example.org");
    choose("cboInvoicesAs", "PDF document");
    click("cmdOK");

    EXPECT_TRUE(program.messages.empty());
    EXPECT_FALSE(window->isVisible());
    const MailSettings saved = storedSettings();
    EXPECT_EQ(saved.host, "mail.example.com");
    EXPECT_EQ(saved.port, 465);
    EXPECT_EQ(saved.encryption, MailEncryption::Tls);
    EXPECT_EQ(saved.userName, "office@example.com");
    EXPECT_EQ(saved.sender(), "Tidy Windows Ltd. <office@example.com>");
    EXPECT_EQ(saved.commentsAddress, "feedback@example.org");
    EXPECT_EQ(saved.invoicesAs, InvoiceAttachment::PdfDocument);
    // The URL the e-mail window used so far follows, without the user name.
    EXPECT_EQ(stored("SMTP Server"), "smtps://mail.example.com:465");

    open();
    EXPECT_EQ(box("txtMailHost")->text(), "mail.example.com");
    EXPECT_EQ(port()->value(), 465);
    EXPECT_EQ(encryption()->currentText(), "SSL/TLS");
    EXPECT_EQ(box("txtMailUser")->text(), "office@example.com");
    EXPECT_EQ(box("txtSenderName")->text(), "Tidy Windows Ltd.");
    EXPECT_EQ(box("txtSenderAddress")->text(), "office@example.com");
    EXPECT_EQ(box("txtCommentsAddress")->text(), "feedback@example.org");
    EXPECT_EQ(control<QComboBox>("cboInvoicesAs")->currentText(), "PDF document");
    EXPECT_FALSE(control<QPushButton>("cmdApply")->isEnabled());
}

TEST_F(MailPageTest, ShowsTheServerOfTheOlderSmtpServerSetting)
{
    program.app->options.setText("SMTP Server", "smtps://relay.example.org:2465");
    open();
    EXPECT_EQ(box("txtMailHost")->text(), "relay.example.org");
    EXPECT_EQ(port()->value(), 2465);
    EXPECT_EQ(encryption()->currentText(), "SSL/TLS");
}

// Below the Security page's level the page is out of reach and OK writes no
// mail setting, not even the ones it shows unchanged.
TEST_F(MailPageTest, OnlyLevelThreeReachesAndWritesThePage)
{
    for (const int16_t userLevel : {int16_t{1}, int16_t{2}, int16_t{3}}) {
        SCOPED_TRACE(userLevel);
        program.app->options.clear();
        program.app->options.setText("SMTP Server", "smtp://relay.example.org:2525");
        const bool allowed = userLevel == 3;
        open(userLevel);
        EXPECT_EQ(control<QAction>("mnuEmail")->isEnabled(), allowed);
        EXPECT_EQ(pageShown(), allowed);
        if (allowed)
            type("txtMailHost", "mail.example.com");
        click("cmdOK");
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(stored("Mail Host"), allowed ? std::optional<QString>("mail.example.com") : std::nullopt);
        EXPECT_EQ(stored("SMTP Server"), allowed ? "smtp://mail.example.com:2525" : "smtp://relay.example.org:2525");
    }
}

TEST_F(MailPageTest, AsksBeforeASignInWithoutEncryptionAndNoSavesNothing)
{
    open();
    type("txtMailUser", "clerk");
    control<QAction>("mnuGeneral")->trigger();
    program.messages.answerNext(false);
    click("cmdOK");

    ASSERT_EQ(program.messages.messages.size(), 1u);
    const RecordingMessageBoxes::Message& question = program.messages.last();
    EXPECT_EQ(question.kind, RecordingMessageBoxes::Kind::Question);
    EXPECT_TRUE(question.noIsDefault);
    EXPECT_TRUE(question.text.contains("unencrypted")) << question.text.toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(pageShown());
    EXPECT_EQ(stored("Mail User"), std::nullopt);
    EXPECT_EQ(stored("Show Tips at Startup"), std::nullopt) << "no page is saved";

    program.messages.answerNext(true);
    click("cmdOK");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(storedSettings().userName, "clerk");
    EXPECT_TRUE(storedSettings().plainSignInConfirmed);

    // Asked once; choosing encryption drops the consent, so "None" asks again.
    program.messages.clear();
    open();
    click("cmdApply");
    click("cmdOK");
    EXPECT_TRUE(program.messages.empty());
    open();
    choose("cboMailEncryption", "STARTTLS");
    click("cmdApply");
    EXPECT_FALSE(storedSettings().plainSignInConfirmed);
    choose("cboMailEncryption", "None");
    program.messages.answerNext(false);
    click("cmdOK");
    EXPECT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MailPageTest, RefusesWhatIsNotAServerOrAnAddress)
{
    const struct {
        const char* box;
        const char* typed;
        const char* refusal;
    } rows[] = {
        {"txtMailHost", "", "Enter the name of the mail server."},
        {"txtMailHost", "smtp://mail.example.com", "is not a server name"},
        {"txtSenderAddress", "Tidy Windows", "\"Tidy Windows\" is not an e-mail address."},
        {"txtCommentsAddress", "", "is not an e-mail address"},
        {"txtCommentsAddress", "a@b@c", "is not an e-mail address"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.box) + " \"" + row.typed + "\"");
        program.messages.clear();
        open();
        type(row.box, row.typed);
        control<QAction>("mnuGeneral")->trigger();
        click("cmdOK");

        ASSERT_EQ(program.messages.messages.size(), 1u);
        EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
        EXPECT_TRUE(program.messages.last().text.contains(row.refusal)) << program.messages.last().text.toStdString();
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(pageShown());
        EXPECT_TRUE(box(row.box)->hasFocus());
        EXPECT_EQ(stored("Mail Host"), std::nullopt);
    }
}

// No session bus, as in every test program: the page says so at once, and a
// typed password is neither kept nor written anywhere else.
TEST_F(MailPageTest, WithoutAKeyringThePasswordIsKeptNowhere)
{
    const QString password = QStringLiteral("Cr1mson-Lantern-77");
    open();
    QLabel* keyring = control<QLabel>("lblKeyring");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !keyring->text().isEmpty(); }, 10'000));
    EXPECT_EQ(keyring->text(), "No keyring answered: the password will be asked for each time mail is sent.");

    type("txtMailHost", "mail.example.com");
    type("txtMailUser", "office@example.com");
    type("txtMailPassword", password);
    click("cmdOK");

    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_TRUE(program.messages.last().text.contains("no keyring took the password"))
        << program.messages.last().text.toStdString();
    EXPECT_EQ(storedSettings().userName, "office@example.com") << "the other settings are saved";
    EXPECT_FALSE(MailPassword(QStringLiteral("Quillbill tests")).read(storedSettings()).keyringAnswered);

    // The settings file and everything beside it (QtKeychain's own fallback
    // file would be there).
    QSettings settings;
    settings.sync();
    const QString settingsRoot = QFileInfo(QFileInfo(settings.fileName()).absolutePath()).absolutePath();
    int files = 0;
    for (QDirIterator it(settingsRoot, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        ++files;
        EXPECT_FALSE(file.readAll().contains(password.toUtf8())) << file.fileName().toStdString();
    }
    EXPECT_GE(files, 1);
}

TEST_F(MailPageTest, TestConnectionSaysWhatWorkedAndWhatFailed)
{
    RecordingSmtpServer server;
    ASSERT_TRUE(server.start()) << server.output().toStdString();
    open();
    showServer(server.port(), "None");
    click("cmdTestConnection");
    QStringList lines = testResult();
    ASSERT_GE(lines.size(), 2) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.first(), "Connection works.");
    EXPECT_TRUE(lines.join('\n').contains("127.0.0.1")) << lines.join('\n').toStdString();

    // Nobody on the next free port.
    type("txtMailHost", "127.0.0.1");
    const quint16 closed = freePort();
    port()->setValue(closed);
    click("cmdTestConnection");
    lines = testResult();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.first().startsWith("Connection failed: ")) << lines.first().toStdString();
    EXPECT_FALSE(control<QPushButton>("cmdTrustCertificate")->isVisible());
    EXPECT_TRUE(program.messages.empty());
    EXPECT_EQ(stored("Mail Host"), std::nullopt) << "testing saves nothing";
}

TEST_F(MailPageTest, TrustingACertificateRecordsItsFingerprintForThatServer)
{
    SelfSignedCertificate certificate;
    const QString fingerprint = certificate.make();
    ASSERT_FALSE(certificate.validUntil.isEmpty());
    ASSERT_FALSE(fingerprint.isEmpty());
    RecordingSmtpServer server;
    ASSERT_TRUE(server.start({"--tls", "implicit", "--cert", certificate.certificate, "--key", certificate.key}))
        << server.output().toStdString();
    open();
    showServer(server.port(), "SSL/TLS");
    click("cmdTestConnection");
    const QStringList lines = testResult();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.first().startsWith("Connection failed: ")) << lines.first().toStdString();
    ASSERT_TRUE(control<QPushButton>("cmdTrustCertificate")->isVisible());
    // Everything the user needs to judge it, in full, before trusting it.
    const QLabel* details = control<QLabel>("lblCertificate");
    QString shown = details->text().simplified();
    for (const QString& part : {QStringLiteral("Quillbill Test Office"), QStringLiteral("CN = 127.0.0.1"),
                                certificate.validFrom.simplified(), certificate.validUntil.simplified()})
        EXPECT_TRUE(shown.contains(part)) << part.toStdString() << " not in: " << shown.toStdString();
    EXPECT_TRUE(shown.remove(u' ').contains(fingerprint)) << shown.toStdString();
    EXPECT_TRUE(showsAllOf(details)) << details->text().toStdString();

    click("cmdTrustCertificate");
    EXPECT_FALSE(control<QPushButton>("cmdTrustCertificate")->isVisible());
    EXPECT_EQ(stored("Mail Accepted Certificate Fingerprint"), std::nullopt) << "kept until saved";
    click("cmdApply");
    const AcceptedCertificate accepted = storedSettings().acceptedCertificate;
    EXPECT_EQ(accepted.host, "127.0.0.1");
    EXPECT_EQ(accepted.port, server.port());
    EXPECT_EQ(accepted.fingerprint, fingerprint);
    EXPECT_FALSE(accepted.der.isEmpty());

    // That certificate is now good for that server.
    click("cmdTestConnection");
    EXPECT_EQ(testResult().value(0), "Connection works.") << testResult().join('\n').toStdString();
}

} // namespace
