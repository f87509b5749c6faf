// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The e-mail window: its two modes, Reset, the Help menu's "Email Comments",
// and real sends through a local SMTP server (Debian's aiosmtpd, run as a
// child process).

#include "QStringPrinting.h"
#include "QuietDesktopOpener.h"
#include "RecordingSmtpServer.h"
#include "TestProgram.h"
#include "invoicing/frmAddInvoice.h"
#include "mail/MailSettings.h"
#include "mail/SendMail.h"
#include "mail/frmEmail.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/startup/Startup.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/prctl.h>

#include <csignal>
#include <memory>
#include <ostream>

using namespace quillbill;
using quillbill::testing::RecordingMessageBoxes;
using quillbill::testing::TestProgram;

namespace {

const QString failurePreamble = "Your attempt to send mail failed for the following reason(s): \n";

// The first message the server took; an empty object when none arrives.
QJsonObject firstMessage(const RecordingSmtpServer& server)
{
    QList<QJsonObject> found;
    if (!QTest::qWaitFor([&] { return !(found = server.messages()).isEmpty(); }, 10000))
        return {};
    return found.front();
}

// aiosmtpd on a free port of 127.0.0.1: it takes every message, logs the
// envelope ("sender: ...", "recip: ...") and prints the message.
class SmtpServer {
public:
    SmtpServer() : port_(freePort())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PYTHONUNBUFFERED", "1");
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        // A test program that crashes must not leave the server behind.
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.start("/usr/bin/python3", {"-m", "aiosmtpd", "-n", "-d", "-l", QString("127.0.0.1:%1").arg(port_)});
    }
    ~SmtpServer()
    {
        process_.kill();
        process_.waitForFinished();
    }

    // Waits until the server takes connections; false when it never does.
    bool start()
    {
        const QDeadlineTimer deadline(20000);
        while (process_.state() != QProcess::NotRunning && !deadline.hasExpired()) {
            if (process_.state() == QProcess::Running && accepts(port_))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    QString url() const { return QString("smtp://127.0.0.1:%1").arg(port_); }
    // What the server has written since the last mark().
    QString logSinceMark()
    {
        process_.waitForReadyRead(0);
        log_ += QString::fromUtf8(process_.readAll());
        return log_.mid(mark_);
    }
    void mark()
    {
        logSinceMark();
        mark_ = log_.size();
    }
    QString output() { return QString::fromUtf8(process_.readAll()); }

private:
    quint16 port_;
    QProcess process_;
    QString log_;
    qsizetype mark_ = 0;
};

template <typename Control>
Control* control(QWidget* window, const char* name)
{
    auto* found = window->findChild<Control*>(name);
    if (!found)
        ADD_FAILURE() << "no control " << name;
    return found;
}

QString text(QWidget* window, const char* name)
{
    QWidget* widget = control<QWidget>(window, name);
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
        return box->toPlainText();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    ADD_FAILURE() << name << " shows no text";
    return {};
}

// The caption of the label that names `control`.
QString labelOf(QWidget* window, QWidget* control)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == control)
            return label->text();
    return {};
}

void type(QWidget* window, const char* box, const QString& typed)
{
    QTest::keyClicks(control<QWidget>(window, box), typed);
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
}

QStringList lines(QWidget* window)
{
    QStringList shown;
    auto* list = control<QListWidget>(window, "lstStatus");
    for (int row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    return shown;
}

// Watches a send through the window's mail component, checking the window at
// each of its events, after the window has handled it.
struct SendWatch {
    explicit SendWatch(frmEmail* window)
    {
        auto* mail = window->findChild<SendMail*>();
        if (!mail) {
            ADD_FAILURE() << "the window has no mail component";
            return;
        }
        QObject::connect(mail, &SendMail::Status, window, [this, window](const QString& status) {
            statuses << status;
            EXPECT_EQ(lines(window).value(lines(window).size() - 1), status) << "a status is the last line";
            EXPECT_TRUE(control<QListWidget>(window, "lstStatus")->selectedItems().isEmpty());
            EXPECT_TRUE(control<QProgressBar>(window, "Animation1")->isVisible());
            EXPECT_FALSE(control<QPushButton>(window, "cmdSend")->isEnabled());
            const QCursor* cursor = QApplication::overrideCursor();
            EXPECT_TRUE(cursor && cursor->shape() == Qt::WaitCursor);
            // The send holds on to the window, so it stays open.
            window->close();
            EXPECT_TRUE(window->isVisible());
        });
        QObject::connect(mail, &SendMail::Progress, window, [this, window](int percent) {
            ++progressEvents;
            EXPECT_EQ(text(window, "lblProgress"), QString("%1% complete").arg(percent));
        });
    }

    QStringList statuses;
    int progressEvents = 0;
};

// In the invoice window, as a user does: chooses `company`, issues a number,
// adds the job "Gutter clearing" of 85.50 and presses "Email This Invoice".
void emailOneJobInvoice(frmAddInvoice& window, const QString& company)
{
    window.show();
    auto* customers = control<QComboBox>(&window, "cmbCustomerID");
    customers->setCurrentIndex(customers->findText(company));
    emit customers->activated(customers->currentIndex());
    click(&window, "cmdMakeInvoiceID");
    type(&window, "txtJobDescription", "Gutter clearing");
    control<QLineEdit>(&window, "txtSums")->setText("85.50");
    QTest::keyClick(control<QLineEdit>(&window, "txtSums"), Qt::Key_Return);
    click(&window, "cmdEmail");
}

void expectSendOver(QWidget* window)
{
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(control<QPushButton>(window, "cmdSend")->isEnabled());
    EXPECT_FALSE(control<QProgressBar>(window, "Animation1")->isVisible());
    EXPECT_EQ(text(window, "lblProgress"), "");
}

} // namespace

class EmailWindowTest : public ::testing::Test {
protected:
    AppContext& app() { return *program.app; }
    // 0 for a draft, 1 once issued.
    int invoiceStatus(int invoiceId)
    {
        return app()
            .state.MainDatabase.firstRow("SELECT Status FROM TblInvoice WHERE InvoiceID = ?", {invoiceId})
            ->value(0)
            .toInt();
    }

    // Writes a file into the program folder and makes it the attachment.
    void attachInvoice()
    {
        QFile file(program.folder() + "/Invoice.html");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p>Invoice 1001: 3 hours</p></body></html>\n");
        app().state.AttachmentPath = file.fileName();
    }

    TestProgram program;
};

TEST_F(EmailWindowTest, WithoutAnAttachmentItWritesCommentsToTheProgramsAddress)
{
    app().state.AttachmentPath.clear();
    frmEmail window(app());
    window.show();

    EXPECT_FALSE(window.isInvoiceMode());
    EXPECT_EQ(window.windowTitle(), "Email Your Comments...");
    auto* to = control<QLineEdit>(&window, "txtTo");
    EXPECT_EQ(to->text(), "comments@quillbill.example");
    EXPECT_FALSE(to->isEnabled());
    EXPECT_EQ(text(&window, "txtFrom"), "") << "nothing has been sent yet";
    EXPECT_EQ(text(&window, "lblAttachment"), "");

    EXPECT_EQ(labelOf(&window, control<QWidget>(&window, "txtFrom")), "Your Email");
    EXPECT_EQ(labelOf(&window, to), "Recipient Email");
    auto* message = control<QPlainTextEdit>(&window, "txtMsg");
    EXPECT_EQ(labelOf(&window, message), "Comments");
    EXPECT_TRUE(message->verticalScrollBar()->isVisible());
    EXPECT_EQ(text(&window, "lblStatus"), "Status");
    EXPECT_EQ(labelOf(&window, control<QListWidget>(&window, "lstStatus")), "Status");
    EXPECT_EQ(text(&window, "cmdSend"), "Send");
    EXPECT_EQ(text(&window, "cmdReset"), "Reset");
    EXPECT_FALSE(control<QProgressBar>(&window, "Animation1")->isVisible()) << "it runs only while sending";

    type(&window, "txtMsg", "Line one");
    QTest::keyClick(message, Qt::Key_Return);
    type(&window, "txtMsg", "Line two");
    EXPECT_EQ(text(&window, "txtMsg"), "Line one\nLine two");
    QTest::keyClick(message, Qt::Key_Tab);
    EXPECT_EQ(text(&window, "txtMsg"), "Line one\nLine two") << "Tab moves on rather than typing";
}

TEST_F(EmailWindowTest, WithAnAttachmentItSendsTheInvoiceToATypedRecipient)
{
    program.exec("UPDATE TblMyCompanyInfo SET email = 'office@example.com'");
    attachInvoice();
    frmEmail window(app());
    EXPECT_TRUE(window.isInvoiceMode());
    EXPECT_EQ(window.windowTitle(), "Email This Invoice...");
    EXPECT_EQ(text(&window, "txtFrom"), "office@example.com") << "it goes out from the office's own address";
    EXPECT_EQ(text(&window, "lblAttachment"), "File Attached: Invoice.html");
    auto* to = control<QLineEdit>(&window, "txtTo");
    EXPECT_TRUE(to->isEnabled());
    EXPECT_EQ(to->text(), "");
    type(&window, "txtTo", "customer@example.com");
    EXPECT_EQ(to->text(), "customer@example.com");
}

TEST_F(EmailWindowTest, ResetInInvoiceModeEmptiesAddressesAndMessageButKeepsTheAttachment)
{
    attachInvoice();
    frmEmail window(app());
    type(&window, "txtFrom", "ann@example.com");
    type(&window, "txtTo", "customer@example.com");
    type(&window, "txtMsg", "Your invoice");

    click(&window, "cmdReset");
    EXPECT_EQ(text(&window, "txtFrom"), "");
    EXPECT_EQ(text(&window, "txtTo"), "");
    EXPECT_EQ(text(&window, "txtMsg"), "");
    EXPECT_EQ(text(&window, "lblAttachment"), "File Attached: Invoice.html");
    EXPECT_EQ(window.windowTitle(), "Email This Invoice...");
    EXPECT_TRUE(control<QLineEdit>(&window, "txtTo")->isEnabled());

    // The comments address stays whatever its letter case.
    type(&window, "txtTo", "Comments@Quillbill.EXAMPLE");
    click(&window, "cmdReset");
    EXPECT_EQ(text(&window, "txtTo"), "Comments@Quillbill.EXAMPLE");
}

TEST_F(EmailWindowTest, ResetInCommentsModeKeepsTheAddress)
{
    frmEmail window(app());
    type(&window, "txtFrom", "ann@example.com");
    type(&window, "txtMsg", "Nice program");

    click(&window, "cmdReset");
    EXPECT_EQ(text(&window, "txtFrom"), "");
    EXPECT_EQ(text(&window, "txtMsg"), "");
    EXPECT_EQ(text(&window, "txtTo"), "comments@quillbill.example");
    EXPECT_FALSE(control<QLineEdit>(&window, "txtTo")->isEnabled());
    EXPECT_EQ(window.windowTitle(), "Email Your Comments...");
}

// The Help menu's "Email Comments", through the start-up wiring.
class EmailFromMenuTest : public EmailWindowTest {
protected:
    void SetUp() override
    {
        app().options.setText(OptionKey::showSplash, "0");
        app().options.setText(OptionKey::showLogon, "0");
        app().options.setText(OptionKey::showTips, "0");
        startup.begin();
        ASSERT_NE(startup.mainWindow(), nullptr);
    }

    // Chooses the menu item; the e-mail window it leaves open.
    frmEmail* chooseEmailComments()
    {
        startup.mainWindow()->menuItem("mnuemail")->trigger();
        const auto windows = startup.mainWindow()->findChildren<frmEmail*>();
        if (windows.size() != 1) {
            ADD_FAILURE() << windows.size() << " e-mail windows";
            return nullptr;
        }
        return windows.front();
    }

    Startup startup{*program.app};
};

TEST_F(EmailFromMenuTest, TheMenuOpensOneCommentsWindowWithoutWaiting)
{
    attachInvoice();
    QPointer<frmEmail> window = chooseEmailComments();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(app().state.AttachmentPath, "") << "a path left by an invoice does not make it an invoice";
    EXPECT_EQ(window->windowTitle(), "Email Your Comments...");

    type(window, "txtMsg", "Half written");
    EXPECT_EQ(chooseEmailComments(), window.data()) << "choosing it again raises the open one";
    EXPECT_EQ(text(window, "txtMsg"), "Half written");

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "a closed window is gone";
    frmEmail* next = chooseEmailComments();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(text(next, "txtMsg"), "");
}

// Sends through a real server.
class EmailSendTest : public EmailFromMenuTest {
protected:
    static void SetUpTestSuite() { server = std::make_unique<SmtpServer>(); }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override
    {
        EmailFromMenuTest::SetUp();
        ASSERT_TRUE(server->start()) << "aiosmtpd did not start: " << server->output().toStdString();
        server->mark();
        app().options.setText(OptionKey::smtpServer, server->url());
    }

    // The server's account of the message sent since the test began.
    QString received()
    {
        QString log;
        if (!QTest::qWaitFor([&] { return (log = server->logSinceMark()).contains("END MESSAGE"); }, 10000))
            ADD_FAILURE() << "the server received no message: " << log.toStdString();
        return log;
    }

    static std::unique_ptr<SmtpServer> server;
};

std::unique_ptr<SmtpServer> EmailSendTest::server;

TEST_F(EmailSendTest, SentCommentsCloseTheWindowAndSaySo)
{
    QPointer<frmEmail> window = chooseEmailComments();
    ASSERT_NE(window, nullptr);
    type(window, "txtFrom", "ann@example.com");
    type(window, "txtMsg", "Nice program");

    SendWatch watch(window);
    click(window, "cmdSend");

    ASSERT_FALSE(program.messages.empty());
    EXPECT_EQ(program.messages.last().text, "Send Successful!");
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::Notice);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(watch.statuses.isEmpty()) << "the status list showed the send's progress";
    EXPECT_GT(watch.progressEvents, 0);
    if (window) {
        EXPECT_FALSE(window->isVisible());
        expectSendOver(window);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(app().state.AttachmentPath, "");

    const QString log = received();
    EXPECT_TRUE(log.contains("sender: ann@example.com")) << log.toStdString();
    EXPECT_TRUE(log.contains("recip: comments@quillbill.example")) << log.toStdString();
    EXPECT_TRUE(log.contains("Subject: Quillbill Comments...")) << log.toStdString();
    EXPECT_TRUE(log.contains("Nice program")) << log.toStdString();
}

TEST_F(EmailSendTest, ASentInvoiceCarriesItsFileAndTheNextMenuWindowIsForComments)
{
    attachInvoice();
    auto window = std::make_unique<frmEmail>(app());
    window->show();
    type(window.get(), "txtFrom", "ann@example.com");
    type(window.get(), "txtTo", "customer@example.com");
    type(window.get(), "txtMsg", "Your invoice is attached.");

    SendWatch watch(window.get());
    click(window.get(), "cmdSend");

    ASSERT_FALSE(program.messages.empty());
    EXPECT_EQ(program.messages.last().text, "Send Successful!");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(app().state.AttachmentPath, "");
    EXPECT_FALSE(lines(window.get()).isEmpty());
    EXPECT_EQ(lines(window.get()), watch.statuses);
    expectSendOver(window.get());

    const QString log = received();
    EXPECT_TRUE(log.contains("recip: customer@example.com")) << log.toStdString();
    EXPECT_TRUE(log.contains("Subject: Copy Of Invoice...")) << log.toStdString();
    EXPECT_TRUE(log.contains("Invoice.html")) << log.toStdString();
    EXPECT_TRUE(log.contains("Your invoice is attached.")) << log.toStdString();
    window.reset();

    frmEmail* comments = chooseEmailComments();
    ASSERT_NE(comments, nullptr);
    EXPECT_FALSE(comments->isInvoiceMode());
    EXPECT_EQ(comments->windowTitle(), "Email Your Comments...");
    EXPECT_EQ(text(comments, "txtTo"), "comments@quillbill.example");
    EXPECT_EQ(text(comments, "txtFrom"), "ann@example.com") << "the sender is remembered";
    EXPECT_EQ(text(comments, "lblAttachment"), "");
    comments->close();

    attachInvoice();
    frmEmail nextInvoice(app());
    EXPECT_EQ(text(&nextInvoice, "txtTo"), "customer@example.com") << "the recipient is remembered";
    EXPECT_EQ(text(&nextInvoice, "txtFrom"), "ann@example.com");
}

TEST_F(EmailSendTest, AFailedSendSaysWhyAndKeepsWhatWasTyped)
{
    attachInvoice();
    app().options.setText(OptionKey::smtpServer, QString("smtp://127.0.0.1:%1").arg(freePort()));
    frmEmail window(app());
    window.show();
    type(&window, "txtFrom", "ann@example.com");
    type(&window, "txtTo", "customer@example.com");
    type(&window, "txtMsg", "Your invoice is attached.");

    click(&window, "cmdSend");

    ASSERT_FALSE(program.messages.empty());
    const auto& said = program.messages.last();
    EXPECT_EQ(said.kind, RecordingMessageBoxes::Kind::Warning);
    EXPECT_TRUE(said.text.startsWith(failurePreamble)) << said.text.toStdString();
    EXPECT_GT(said.text.size(), failurePreamble.size()) << "the reason follows";
    EXPECT_TRUE(window.isVisible());
    expectSendOver(&window);
    EXPECT_EQ(text(&window, "txtFrom"), "ann@example.com");
    EXPECT_EQ(text(&window, "txtTo"), "customer@example.com");
    EXPECT_EQ(text(&window, "txtMsg"), "Your invoice is attached.");
    EXPECT_EQ(text(&window, "lblAttachment"), "File Attached: Invoice.html");
    EXPECT_EQ(app().state.AttachmentPath, program.folder() + "/Invoice.html");

    // Another try starts a fresh list of steps.
    const QStringList firstTry = lines(&window);
    ASSERT_FALSE(firstTry.isEmpty()) << "a failed send shows its steps";
    SendWatch watch(&window);
    click(&window, "cmdSend");
    EXPECT_EQ(program.messages.messages.size(), 2u);
    EXPECT_EQ(lines(&window), watch.statuses);
    EXPECT_EQ(lines(&window), firstTry);

    // Reset clears the steps the send showed, too.
    click(&window, "cmdReset");
    EXPECT_TRUE(lines(&window).isEmpty());
    EXPECT_EQ(text(&window, "txtTo"), "");
    EXPECT_EQ(text(&window, "lblAttachment"), "File Attached: Invoice.html");
}

TEST_F(EmailSendTest, AnInvoiceFromTheInvoiceWindowIsWrittenInAFolderOfItsOwnAndDelivered)
{
    ASSERT_TRUE(quillbill::testing::installQuietDesktopOpener());
    program.installDeliveredReports();
    program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                 "VALUES (5, 'O''Brien & Sons', '12 Harbour Road', 'Halifax', 'NS', 'B3H1A1', 'OBR')");
    program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('OBR', 41)");

    frmAddInvoice window(app());
    emailOneJobInvoice(window, "O'Brien & Sons");

    const QFileInfo attached(app().state.AttachmentPath);
    EXPECT_EQ(attached.fileName(), "Invoice-42.html") << "named after the invoice";
    EXPECT_NE(attached.absolutePath(), program.folder()) << "nothing another program writes";
    EXPECT_EQ(QFile::permissions(attached.absolutePath()) & 0x0077, 0) << "a folder only its user reads";
    QFile invoice(attached.filePath());
    ASSERT_TRUE(invoice.open(QIODevice::ReadOnly)) << "no invoice written";
    const QByteArray html = invoice.readAll();
    EXPECT_TRUE(html.contains("Gutter clearing"));
    EXPECT_TRUE(html.contains("O'Brien &amp; Sons")) << "what people type is text, not markup";

    const auto opened = window.findChildren<frmEmail*>();
    ASSERT_EQ(opened.size(), 1) << "the e-mail window opens for the written invoice";
    QPointer<frmEmail> email = opened.front();
    EXPECT_TRUE(email->isInvoiceMode());
    EXPECT_TRUE(email->isModal());
    EXPECT_EQ(text(email, "lblAttachment"), "File Attached: Invoice-42.html");
    EXPECT_EQ(invoiceStatus(42), 0) << "a file written for the mail is not yet sent";
    type(email, "txtFrom", "ann@example.com");
    type(email, "txtTo", "customer@example.com");
    click(email, "cmdSend");
    EXPECT_EQ(program.messages.last().text, "Send Successful!");
    EXPECT_EQ(invoiceStatus(42), 1) << "sent, it is issued";
    EXPECT_EQ(app()
                  .state.MainDatabase
                  .firstRow("SELECT Detail FROM TblInvoiceHistory WHERE InvoiceID = 42 AND Event = 'issued'")
                  ->value(0),
              "{\"how\":\"mailed\"}");

    // The attachment is the file: its job line, as base64 (from a whole
    // group of three bytes on), is in the message.
    QString log = received();
    log.remove(QRegularExpression("[\\r\\n]"));
    const qsizetype job = html.indexOf("Gutter clearing") / 3 * 3;
    EXPECT_TRUE(log.contains(QString::fromLatin1(html.mid(job, 30).toBase64()))) << log.toStdString();

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(email.isNull());
    EXPECT_FALSE(QFileInfo::exists(attached.absolutePath())) << "the run's folder goes with its window";
}

// Sends with the options window's mail settings through a server that reads
// each message back as a mail reader would.
class EmailSettingsTest : public EmailWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.start(serverOptions()))
            << "the SMTP server did not start: " << server.output().toStdString();
        settings = MailSettings::load(app().options);
        settings.host = "127.0.0.1";
        settings.port = server.port();
        settings.encryption = MailEncryption::None;
    }

    virtual QStringList serverOptions() const { return {}; }

    RecordingSmtpServer server;
    MailSettings settings;
};

// What pdftotext reads in a PDF file's bytes.
QString pdfText(const QByteArray& pdf)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("attached.pdf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    QProcess reader;
    reader.start("pdftotext", {"-layout", file.fileName(), "-"});
    reader.waitForFinished(60000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

TEST_F(EmailSettingsTest, AnInvoiceSentAsPdfArrivesAsAPdfThatReadsBack)
{
    ASSERT_TRUE(quillbill::testing::installQuietDesktopOpener());
    settings.invoicesAs = InvoiceAttachment::PdfDocument;
    settings.save(app().options);
    program.installDeliveredReports();
    program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) "
                 "VALUES (5, 'Harbour Supplies', '12 Harbour Road', 'Halifax', 'NS', 'B3H1A1', 'HBS')");
    program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('HBS', 41)");

    frmAddInvoice window(app());
    emailOneJobInvoice(window, "Harbour Supplies");

    const auto opened = window.findChildren<frmEmail*>();
    ASSERT_EQ(opened.size(), 1) << "the e-mail window opens for the written PDF";
    frmEmail* email = opened.front();
    EXPECT_EQ(text(email, "lblAttachment"), "File Attached: Invoice-42.pdf");
    EXPECT_EQ(invoiceStatus(42), 0) << "a file written for the mail is not yet sent";
    type(email, "txtFrom", "ann@example.com");
    type(email, "txtTo", "customer@example.com");
    click(email, "cmdSend");
    EXPECT_EQ(program.messages.last().text, "Send Successful!");
    EXPECT_EQ(invoiceStatus(42), 1) << "sent, it is issued";
    EXPECT_EQ(app()
                  .state.MainDatabase
                  .firstRow("SELECT Detail FROM TblInvoiceHistory WHERE InvoiceID = 42 AND Event = 'issued'")
                  ->value(0),
              "{\"how\":\"mailed\"}");

    const QJsonObject message = firstMessage(server);
    const QJsonArray attachments = message["attachments"].toArray();
    ASSERT_EQ(attachments.size(), 1) << QJsonDocument(message).toJson().toStdString();
    const QJsonObject attached = attachments[0].toObject();
    EXPECT_EQ(attached["filename"].toString(), "Invoice-42.pdf");
    EXPECT_EQ(attached["content_type"].toString(), "application/pdf");
    const QString read = pdfText(QByteArray::fromBase64(attached["data"].toString().toLatin1()));
    EXPECT_TRUE(read.contains("Gutter clearing")) << read.toStdString();
    EXPECT_TRUE(read.contains("$85.50")) << read.toStdString();
}

// Another program on the same program folder, e-mailing one invoice.
class EmailingProgram {
public:
    EmailingProgram(const QString& folder, const QString& company, quint16 port)
    {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.start(EMAILING_CHILD, {folder, company, QString::number(port)});
    }
    ~EmailingProgram()
    {
        process_.kill();
        process_.waitForFinished();
    }

    // The next line it prints; empty when it ends first.
    QString nextLine()
    {
        while (!process_.canReadLine())
            if (!process_.waitForReadyRead(60000))
                return {};
        return QString::fromUtf8(process_.readLine()).trimmed();
    }
    void send() { process_.write("\n"); }

private:
    QProcess process_;
};

// The invoice a message carries, as text.
QString attachedText(const QJsonObject& message)
{
    const QJsonArray attachments = message["attachments"].toArray();
    if (attachments.size() != 1)
        return {};
    return QString::fromUtf8(QByteArray::fromBase64(attachments[0].toObject()["data"].toString().toLatin1()));
}

TEST_F(EmailSettingsTest, TwoProgramsOnOneFolderEachSendTheInvoiceTheyMade)
{
    program.installDeliveredReports();
    program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) VALUES "
                 "(5, 'Acme', '1 Main Street', 'Halifax', 'NS', 'B3H1A1', 'ACM'), "
                 "(6, 'Globex', '2 Side Street', 'Halifax', 'NS', 'B3H1A2', 'GLX')");
    program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('ACM', 10), ('GLX', 20)");

    // Each opens its e-mail window before either sends.
    EmailingProgram acme(program.folder(), "Acme", server.port());
    EXPECT_EQ(acme.nextLine(), "ready File Attached: Invoice-11.html");
    EmailingProgram globex(program.folder(), "Globex", server.port());
    EXPECT_EQ(globex.nextLine(), "ready File Attached: Invoice-21.html");

    acme.send();
    ASSERT_EQ(acme.nextLine(), "Send Successful!");
    globex.send();
    ASSERT_EQ(globex.nextLine(), "Send Successful!");

    QList<QJsonObject> sent;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (sent = server.messages()).size() == 2; }, 10000));
    EXPECT_EQ(sent[0]["rcpt_tos"].toArray().first().toString(), "accounts@acme.example");
    EXPECT_TRUE(attachedText(sent[0]).contains("Work for Acme"));
    EXPECT_FALSE(attachedText(sent[0]).contains("Globex")) << "Acme is sent only its own invoice";
    EXPECT_EQ(sent[1]["rcpt_tos"].toArray().first().toString(), "accounts@globex.example");
    EXPECT_TRUE(attachedText(sent[1]).contains("Work for Globex"));
    EXPECT_FALSE(attachedText(sent[1]).contains("Acme"));
}

TEST_F(EmailSettingsTest, TheSettingsGiveTheSenderAndTheCommentsAddress)
{
    app().options.setText("Mail Sender", "last.typed@example.com");
    settings.senderName = "Müller, \"Hans\"";
    settings.senderAddress = "buero@example.com";
    settings.commentsAddress = "feedback@example.net";
    settings.save(app().options);

    frmEmail window(app());
    window.show();
    EXPECT_EQ(text(&window, "txtFrom"), "Müller, \"Hans\" <buero@example.com>") << "the page's sender wins";
    EXPECT_EQ(text(&window, "txtTo"), "feedback@example.net");
    type(&window, "txtMsg", "Nice program");
    click(&window, "cmdSend");
    EXPECT_EQ(program.messages.last().text, "Send Successful!");

    const QJsonObject message = firstMessage(server);
    EXPECT_EQ(message["mail_from"].toString(), "buero@example.com");
    EXPECT_EQ(message["rcpt_tos"].toArray().first().toString(), "feedback@example.net");
    // As Python's email package writes the address it read back.
    EXPECT_EQ(message["from"].toString(), R"("Müller, \"Hans\"" <buero@example.com>)");
    EXPECT_TRUE(message["defects"].toArray().isEmpty()) << QJsonDocument(message).toJson().toStdString();
}

TEST_F(EmailSettingsTest, ATypedQuotedSenderNameArrivesAsTyped)
{
    settings.save(app().options);
    frmEmail window(app());
    window.show();
    type(&window, "txtFrom", R"("Jo \"JJ\" Smith" <ann@example.com>)");
    click(&window, "cmdSend");
    EXPECT_EQ(program.messages.last().text, "Send Successful!");

    EXPECT_EQ(firstMessage(server)["from"].toString(), R"("Jo \"JJ\" Smith" <ann@example.com>)");
}

// A server that wants a sign-in, with no keyring to hold its password.
class EmailPasswordTest : public EmailSettingsTest {
protected:
    QStringList serverOptions() const override { return {"--user", "ann", "--password", "s3cret"}; }

    void SetUp() override
    {
        EmailSettingsTest::SetUp();
        settings.userName = "ann";
        settings.plainSignInConfirmed = true;
        settings.save(app().options);
    }
};

TEST_F(EmailPasswordTest, CancellingThePasswordSendsNothingAndKeepsWhatWasTyped)
{
    attachInvoice();
    frmEmail window(app());
    window.show();
    type(&window, "txtFrom", "ann@example.com");
    type(&window, "txtTo", "customer@example.com");
    type(&window, "txtMsg", "Your invoice is attached.");
    SendWatch watch(&window);
    click(&window, "cmdSend");

    ASSERT_EQ(program.messages.messages.size(), 1u) << "only the question, no warning";
    EXPECT_EQ(program.messages.last().kind, RecordingMessageBoxes::Kind::PasswordQuestion);
    EXPECT_EQ(program.messages.last().text, "Password for ann on 127.0.0.1:");
    EXPECT_TRUE(watch.statuses.isEmpty()) << "the mail component was not started";
    EXPECT_EQ(lines(&window), QStringList{"No password was given, so the message was not sent."});
    EXPECT_TRUE(window.isVisible());
    expectSendOver(&window);
    EXPECT_EQ(text(&window, "txtFrom"), "ann@example.com");
    EXPECT_EQ(text(&window, "txtTo"), "customer@example.com");
    EXPECT_EQ(text(&window, "txtMsg"), "Your invoice is attached.");
    EXPECT_EQ(app().state.AttachmentPath, program.folder() + "/Invoice.html");
    EXPECT_TRUE(server.messages().isEmpty());
}

qsizetype indexStartingWith(const QStringList& lines, const QString& start)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(start))
            return i;
    }
    return -1;
}

TEST_F(EmailPasswordTest, TheAnsweredPasswordSignsInAndEachStepIsSaidBeforeTheServersLines)
{
    frmEmail window(app());
    window.show();
    type(&window, "txtFrom", "ann@example.com");
    type(&window, "txtMsg", "Nice program");
    program.messages.passwords = {"wrong"};
    click(&window, "cmdSend");
    ASSERT_EQ(program.messages.messages.size(), 2u);
    EXPECT_EQ(program.messages.messages[0].kind, RecordingMessageBoxes::Kind::PasswordQuestion);
    EXPECT_TRUE(program.messages.last().text.contains("The server refused the user name or password."))
        << program.messages.last().text.toStdString();
    EXPECT_EQ(text(&window, "txtMsg"), "Nice program");
    EXPECT_TRUE(server.messages().isEmpty());

    program.messages.passwords = {"s3cret"};
    click(&window, "cmdSend");
    ASSERT_EQ(program.messages.messages.size(), 4u);
    EXPECT_EQ(program.messages.messages[2].kind, RecordingMessageBoxes::Kind::PasswordQuestion)
        << "a typed password is asked for again, not kept";
    EXPECT_EQ(program.messages.last().text, "Send Successful!");
    ASSERT_EQ(server.messages().size(), 1);
    EXPECT_EQ(server.count("AUTH"), 2);

    const QStringList shown = lines(&window);
    const qsizetype signingIn = indexStartingWith(shown, "Signing in as ann...");
    const qsizetype sending = indexStartingWith(shown, "Sending message (");
    EXPECT_TRUE(shown.value(0).startsWith("Connecting to ")) << shown.join('\n').toStdString();
    EXPECT_GE(signingIn, 0) << shown.join('\n').toStdString();
    EXPECT_LT(signingIn, indexStartingWith(shown, "235")) << shown.join('\n').toStdString();
    EXPECT_GE(sending, 0) << shown.join('\n').toStdString();
    EXPECT_LT(sending, indexStartingWith(shown, "250 OK: message stored")) << shown.join('\n').toStdString();
    EXPECT_EQ(shown.value(shown.size() - 1), "Message sent.");
}
