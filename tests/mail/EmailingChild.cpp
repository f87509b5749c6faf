// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Another Quillbill on the same program folder, e-mailing an invoice as a
// user does:
//   emailing_child PROGRAM_FOLDER COMPANY SMTP_PORT
// In the invoice window it chooses COMPANY, issues a number, adds the job
// "Work for COMPANY" and presses "Email This Invoice"; once the e-mail window
// is open it prints "ready" and the window's attachment line. On a line of
// its input it types the addresses, presses Send, prints the last message
// it was shown and exits 0. Prints why and exits 1 when a step fails.

#include "QuietDesktopOpener.h"
#include "RecordingMessageBoxes.h"
#include "app/AppContext.h"
#include "invoicing/frmAddInvoice.h"
#include "mail/MailSettings.h"
#include "mail/frmEmail.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <exception>

namespace {

int fail(const char* why)
{
    std::fprintf(stdout, "failed: %s\n", why);
    return 1;
}

template <typename Control>
Control* control(QWidget* window, const char* name)
{
    return window->findChild<Control*>(QLatin1String(name));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 4)
        return fail("usage: emailing_child PROGRAM_FOLDER COMPANY SMTP_PORT");
    // Settings of its own, as a program of another desk has.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QCoreApplication::setOrganizationName("Quillbill");
    QCoreApplication::setApplicationName("Quillbill");
    if (!quillbill::testing::installQuietDesktopOpener())
        return fail("no quiet desktop opener");
    const QString company = QString::fromLocal8Bit(argv[2]);

    try {
        quillbill::testing::RecordingMessageBoxes messages;
        quillbill::AppContext app(QString::fromLocal8Bit(argv[1]), messages);
        app.state.MainDatabase.open(app.path("DataBase/db_be.mdb"));
        quillbill::MailSettings settings = quillbill::MailSettings::load(app.options);
        settings.host = "127.0.0.1";
        settings.port = QByteArray(argv[3]).toInt();
        settings.encryption = quillbill::MailEncryption::None;
        settings.save(app.options);

        quillbill::frmAddInvoice window(app);
        window.show();
        auto* customers = control<QComboBox>(&window, "cmbCustomerID");
        customers->setCurrentIndex(customers->findText(company));
        if (customers->currentIndex() < 0)
            return fail("no such customer");
        emit customers->activated(customers->currentIndex());
        QTest::mouseClick(control<QPushButton>(&window, "cmdMakeInvoiceID"), Qt::LeftButton);
        QTest::keyClicks(control<QLineEdit>(&window, "txtJobDescription"), "Work for " + company);
        control<QLineEdit>(&window, "txtSums")->setText("100.00");
        QTest::keyClick(control<QLineEdit>(&window, "txtSums"), Qt::Key_Return);
        QTest::mouseClick(control<QPushButton>(&window, "cmdEmail"), Qt::LeftButton);
        const auto opened = window.findChildren<quillbill::frmEmail*>();
        if (opened.size() != 1)
            return fail(messages.empty() ? "no e-mail window" : qPrintable(messages.last().text));
        quillbill::frmEmail* email = opened.front();
        std::fprintf(stdout, "ready %s\n", qPrintable(control<QLabel>(email, "lblAttachment")->text()));
        std::fflush(stdout);

        for (int c = std::getchar(); c != '\n' && c != EOF; c = std::getchar()) {}
        QTest::keyClicks(control<QLineEdit>(email, "txtFrom"), "office@example.com");
        QTest::keyClicks(control<QLineEdit>(email, "txtTo"), "accounts@" + company.toLower() + ".example");
        QTest::mouseClick(control<QPushButton>(email, "cmdSend"), Qt::LeftButton);
        std::fprintf(stdout, "%s\n", messages.empty() ? "no message" : qPrintable(messages.last().text));
    } catch (const std::exception& error) {
        return fail(error.what());
    }
    return 0;
}
