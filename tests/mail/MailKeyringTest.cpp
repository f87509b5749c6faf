// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The mail password in a real keyring: gnome-keyring's Secret Service on a
// private session bus (private_keyring.sh), never the keyring of the person
// running the tests. It is stored and read back, kept when the page's
// password box is left empty, moves with the sign-in, and never reaches the
// settings file.

#include "TestProgram.h"
#include "mail/MailPassword.h"
#include "mail/MailSettings.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>
#include <optional>

using namespace quillbill;
using quillbill::testing::TestProgram;

namespace {

const QString service = QStringLiteral("Quillbill keyring tests");

// Starts the private keyring once for the test program and points the
// program's session bus at it. The script's standard input stays open for
// as long as the program runs: when the program ends, so do the daemons.
class PrivateKeyring : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        const QString command = QStringLiteral("%1 '%2' 'keyring-unlock'").arg(PRIVATE_KEYRING, folder_.path());
        // "e": later child processes do not inherit the pipe's writing end.
        script_ = popen(command.toLocal8Bit().constData(), "we");
        ASSERT_NE(script_, nullptr);
        QFile address(folder_.filePath("bus-address"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return address.exists(); }, 30'000)) << "the private keyring did not start";
        ASSERT_TRUE(address.open(QIODevice::ReadOnly));
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.readAll().trimmed());
    }
    // The pipe is left open on purpose; see above.

private:
    QTemporaryDir folder_;
    FILE* script_ = nullptr;
};

const auto* const keyring = ::testing::AddGlobalTestEnvironment(new PrivateKeyring);

MailSettings signIn(const QString& user, const QString& host, int port)
{
    MailSettings settings;
    settings.userName = user;
    settings.host = host;
    settings.port = port;
    settings.encryption = MailEncryption::StartTls;
    return settings;
}

TEST(MailKeyring, StoresReplacesAndRemovesAPassword)
{
    const MailPassword passwords(service);
    const MailSettings office = signIn("office@example.com", "mail.example.com", 587);
    const MailSettings other = signIn("office@example.com", "mail.example.com", 465);

    MailPassword::Reading reading = passwords.read(office);
    EXPECT_TRUE(reading.keyringAnswered) << reading.problem.toStdString();
    EXPECT_EQ(reading.password, std::nullopt);

    QString problem;
    ASSERT_TRUE(passwords.write(office, "first secret", &problem)) << problem.toStdString();
    ASSERT_TRUE(passwords.write(office, QString::fromUtf8("zweites Geheimnis ü"), &problem)) << problem.toStdString();
    reading = passwords.read(office);
    EXPECT_TRUE(reading.keyringAnswered);
    EXPECT_EQ(reading.password, QString::fromUtf8("zweites Geheimnis ü"));
    EXPECT_EQ(passwords.read(other).password, std::nullopt) << "each server has its own entry";

    EXPECT_TRUE(passwords.remove(office));
    EXPECT_EQ(passwords.read(office).password, std::nullopt);
    EXPECT_TRUE(passwords.remove(office)) << "removing a missing entry is no failure";
}

TEST(MailKeyring, ThePageKeepsThePasswordInTheKeyringAndNeverInTheSettingsFile)
{
    const QString password = QStringLiteral("Velvet-Harbour-4417");
    TestProgram program;
    frmMain mainWindow(*program.app);
    program.app->state.UserLevel = 3;
    const MailPassword passwords(service);
    auto open = [&] {
        auto window = std::make_unique<frmOptions>(*program.app, mainWindow.securedMenuItems(), nullptr, passwords);
        window->show();
        window->findChild<QAction*>("mnuEmail")->trigger();
        return window;
    };
    auto typeInto = [](QWidget* window, const char* name, const QString& text) {
        auto* box = window->findChild<QLineEdit*>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    };

    auto window = open();
    typeInto(window.get(), "txtMailHost", "mail.example.com");
    typeInto(window.get(), "txtMailUser", "office@example.com");
    typeInto(window.get(), "txtMailPassword", password);
    QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    ASSERT_FALSE(window->isVisible());
    EXPECT_TRUE(program.messages.empty());

    const MailSettings saved = MailSettings::load(program.app->options);
    EXPECT_EQ(passwords.read(saved).password, password);
    QSettings settings;
    settings.sync();
    QFile file(settings.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("mail.example.com")) << "the settings were written to this file";
    EXPECT_FALSE(bytes.contains(password.toUtf8()));

    // Shown again: the box stays empty, saying where the password is; left
    // empty it keeps the stored one, and a new user name takes it along.
    window = open();
    auto* label = window->findChild<QLabel*>("lblKeyring");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !label->text().isEmpty(); }, 30'000));
    EXPECT_EQ(label->text(), "The password is kept in the desktop's keyring.");
    auto* passwordBox = window->findChild<QLineEdit*>("txtMailPassword");
    EXPECT_TRUE(passwordBox->text().isEmpty());
    EXPECT_EQ(passwordBox->placeholderText(), "(kept in the keyring)");
    typeInto(window.get(), "txtMailUser", "billing@example.com");
    QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    ASSERT_FALSE(window->isVisible());
    const MailSettings renamed = MailSettings::load(program.app->options);
    EXPECT_EQ(passwords.read(renamed).password, password);
    EXPECT_EQ(passwords.read(saved).password, std::nullopt);
    passwords.remove(renamed);
}

// Locked, the keyring asks to be unlocked when the password is read; here
// no prompt can be shown, so the unlock fails as a cancelled one does. The
// page must say that the saved password could not be read, not that there
// is none. Last in this program: the keyring stays locked.
TEST(MailKeyring, APasswordInALockedKeyringIsSaidToBeUnreadable)
{
    TestProgram program;
    frmMain mainWindow(*program.app);
    program.app->state.UserLevel = 3;
    MailSettings office = signIn("office@example.com", "mail.example.com", 587);
    office.save(program.app->options);
    const MailPassword passwords(service);
    QString problem;
    ASSERT_TRUE(passwords.write(office, "locked away", &problem)) << problem.toStdString();

    QProcess lock;
    lock.start("dbus-send",
               {"--session", "--print-reply", "--dest=org.freedesktop.secrets", "/org/freedesktop/secrets",
                "org.freedesktop.Secret.Service.Lock", "array:objpath:/org/freedesktop/secrets/collection/login"});
    ASSERT_TRUE(lock.waitForFinished(30'000));
    ASSERT_EQ(lock.exitCode(), 0) << lock.readAllStandardError().toStdString();

    auto window = std::make_unique<frmOptions>(*program.app, mainWindow.securedMenuItems(), nullptr, passwords);
    window->show();
    window->findChild<QAction*>("mnuEmail")->trigger();
    auto* label = window->findChild<QLabel*>("lblKeyring");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !label->text().isEmpty(); }, 90'000));
    EXPECT_TRUE(label->text().contains("could not be read")) << label->text().toStdString();
    EXPECT_TRUE(window->findChild<QLineEdit*>("txtMailPassword")->text().isEmpty());

    // A new user name cannot take the unreadable password along: saying so,
    // rather than leaving it behind unseen.
    auto* user = window->findChild<QLineEdit*>("txtMailUser");
    user->setFocus();
    user->selectAll();
    QTest::keyClicks(user, "billing@example.com");
    QTest::mouseClick(window->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    ASSERT_EQ(program.messages.messages.size(), 1u);
    EXPECT_TRUE(program.messages.last().text.contains("locked")) << program.messages.last().text.toStdString();
    EXPECT_EQ(MailSettings::load(program.app->options).userName, "billing@example.com");
}

} // namespace
