// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "GuidePictures.h"

#include "FindControl.h"
#include "PictureSteps.h"
#include "app/AppContext.h"
#include "backup/BackupStamp.h"
#include "backup/DataSafety.h"
#include "backup/DatabaseFiles.h"
#include "backup/frmFileMoveCopy.h"
#include "backup/frmRestore.h"
#include "company/frmEdit.h"
#include "customers/frmNew.h"
#include "customers/frmRemoveCompany.h"
#include "customers/frmReviewCompany.h"
#include "invoicing/BuildInvoiceData.h"
#include "invoicing/clsSimple.h"
#include "invoicing/frmAddInvoice.h"
#include "invoicing/frmAging.h"
#include "invoicing/frmInvoiceReports.h"
#include "invoicing/frmReprint.h"
#include "invoicing/frmStatement.h"
#include "mail/MailPassword.h"
#include "mail/frmEmail.h"
#include "shell/login/frmLogin.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"
#include "shell/servermove/frmMoveToServer.h"
#include "shell/startup/ChildWindows.h"
#include "shell/tips/frmAbout.h"
#include "shell/tips/frmTip.h"
#include "users/frmUsers.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMdiArea>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <stdexcept>

namespace quillbill::screenshots {

using quillbill::testing::control;

namespace {

// The document `window` makes, as its Preview button shows it, at the
// page's width.
void savePreviewOf(QWidget* window, const QString& guide, const QString& name)
{
    control<QPushButton>(window, "cmdPreview")->click();
    QWidget* preview = shownPreview();
    preview->resize(760, 700);
    chooseZoom(preview, QCoreApplication::translate("quirepress::detail::frmDisplay", "Page Width"));
    save(preview, guide, name);
    preview->close();
}

// The invoice the new-invoice window makes, which the preview then shows.
constexpr int32_t newInvoiceNumber = 1041;
const QString newInvoiceCustomer = QStringLiteral("O'Brien & Sons Hardware");

void chooseUser(QWidget* window, int row)
{
    auto* users = control<QComboBox>(window, "cmbUsers");
    users->setCurrentIndex(row);
    emit users->activated(row);
}

// The main window as after a login by the administrator, with a child window
// of the menu item `item` open in it.
struct LoggedInMain {
    LoggedInMain(AppContext& app, QSize size, const char* item) : window(app)
    {
        registerChildWindows(window, app);
        window.showLoggedIn(QStringLiteral("admin"), 3);
        window.resize(size);
        window.show();
        window.menuItem(item)->trigger();
    }
    frmMain window;
};

// The guide's main window with the review window open; and the README's
// picture, with the users window open and the about box over it.
void takeMainWindowPictures(AppContext& app, const QString& guide, const QString& readme)
{
    {
        LoggedInMain main(app, QSize(860, 600), "mnuReview");
        save(&main.window, guide, "main-window");
    }
    LoggedInMain main(app, QSize(1000, 720), "mnuUser");
    chooseUser(control<QWidget>(main.window.childArea(), "frmUsers"), 1);
    frmAbout about(&main.window);
    about.show();
    QCoreApplication::processEvents();
    QPixmap picture = main.window.grab();
    const QPixmap box = about.grab();
    QPainter painter(&picture);
    const QPoint corner((picture.width() - box.width()) / 2, (picture.height() - box.height()) / 2);
    painter.drawPixmap(corner, box);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.drawRect(QRect(corner, box.size()).adjusted(-1, -1, 0, 0));
    painter.end();
    writePicture(picture, readme, "screenshot");
}

void takeStartPictures(AppContext& app, const QString& guide)
{
    frmLogin login(app);
    login.show();
    typeInto(&login, "txtUserName", QStringLiteral("admin"));
    typeInto(&login, "txtPassword", QStringLiteral("admin"));
    save(&login, guide, "login");

    frmTip tip(app);
    tip.show();
    save(&tip, guide, "tip-of-the-day");

    frmAbout about;
    about.show();
    save(&about, guide, "about");
}

void takeCompanyAndCustomerPictures(AppContext& app, const QString& guide)
{
    frmEdit company(app);
    company.show();
    save(&company, guide, "my-company");

    frmNew adding(app);
    adding.show();
    const std::pair<const char*, QString> typed[] = {
        {"txtCompany", QStringLiteral("Bluenose Bakery")},
        {"txtAddress", QStringLiteral("5 Hollis Street")},
        {"txtCity", QStringLiteral("Halifax")},
        {"txtProv", QStringLiteral("NS")},
        {"txtPostal", QStringLiteral("B3J1V5")},
        {"txtPhone", QStringLiteral("9025550188")},
        {"txtBillCode", QStringLiteral("BNB")},
    };
    for (const auto& [box, text] : typed)
        typeInto(&adding, box, text);
    save(&adding, guide, "new-customer");

    frmReviewCompany review(app);
    review.show();
    save(&review, guide, "review-customers");

    frmRemoveCompany removing(app);
    removing.show();
    chooseCustomer(&removing, QStringLiteral("Harbourview Property Management"));
    save(&removing, guide, "remove-customer");
}

void takeNewInvoicePicture(AppContext& app, const QString& guide)
{
    frmAddInvoice window(app);
    window.resize(720, 480);
    window.show();
    chooseCustomer(&window, newInvoiceCustomer);
    control<QPushButton>(&window, "cmdMakeInvoiceID")->click();
    if (control<QLineEdit>(&window, "txtInvoiceID")->text() != QString::number(newInvoiceNumber))
        throw std::runtime_error("the new invoice did not get its expected number");
    addJob(&window, "Exterior window cleaning, two storeys", "385.00");
    addJob(&window, "Gutter clearing and downspout flush", "140.50");
    addJob(&window, "Screen repair (3 screens)", "96.00");
    save(&window, guide, "new-invoice");
}

// The new invoice in the preview, for the guide at the width of the page and
// for the README at 100%.
void takePreviewPictures(AppContext& app, const QString& guide, const QString& readme)
{
    clsSimple document(app, BuildInvoiceData(app.state.MainDatabase, newInvoiceNumber, 1));
    document.setOutput(quirepress::cOutputToScreen);
    document.PrintReport();
    QWidget* preview = shownPreview();
    preview->resize(760, 700);
    chooseZoom(preview, QCoreApplication::translate("quirepress::detail::frmDisplay", "Page Width"));
    save(preview, guide, "preview");
    preview->resize(900, 1000);
    chooseZoom(preview, QStringLiteral("100%"));
    save(preview, readme, "invoice-preview");
    preview->close();
}

// A report started without a target asks where it should go.
void takeOutputChoicePicture(AppContext& app, const QString& guide)
{
    bool taken = false;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != "frmOutput")
            return;
        watch.stop();
        save(dialog, guide, "output-choice");
        taken = true;
        control<QPushButton>(dialog, "cmdCancel")->click();
    });
    watch.start();
    clsSimple document(app, BuildInvoiceData(app.state.MainDatabase, newInvoiceNumber, 1));
    document.PrintReport();
    if (!taken)
        throw std::runtime_error("the output choice did not open");
}

void takeReprintAndReportPictures(AppContext& app, const QString& guide)
{
    {
        frmReprint window(app);
        window.resize(820, 600);
        window.show();
        chooseCustomer(&window, newInvoiceCustomer);
        // An unpaid invoice being marked paid, its date picked in the calendar.
        auto* invoices = control<QTreeWidget>(&window, "ListView1");
        const QList<QTreeWidgetItem*> unpaid =
            invoices->findItems(QCoreApplication::translate("quillbill::frmReprint", "False"), Qt::MatchExactly, 2);
        if (unpaid.isEmpty())
            throw std::runtime_error("no unpaid invoice to show");
        invoices->setCurrentItem(unpaid.back());
        control<QCheckBox>(&window, "chkPaid")->click();
        QTest::mouseClick(control<QLineEdit>(&window, "txtDatePaid"), Qt::LeftButton);
        auto* calendar = control<QCalendarWidget>(&window, "calDatePicker");
        calendar->setSelectedDate(QDate::currentDate().addDays(-1));
        emit calendar->clicked(calendar->selectedDate());
        save(&window, guide, "reprint-invoice");

        // A part payment of the oldest unpaid invoice, in the payments list.
        control<QPushButton>(&window, "cmdClose")->setFocus();
        invoices->setCurrentItem(unpaid.front());
        QTest::mouseClick(control<QLineEdit>(&window, "txtDatePaid"), Qt::LeftButton);
        calendar->setSelectedDate(QDate::currentDate().addDays(-2));
        emit calendar->clicked(calendar->selectedDate());
        typeInto(&window, "txtPaymentAmount", QStringLiteral("50") + QLocale().decimalPoint() + QStringLiteral("00"));
        control<QPushButton>(&window, "cmdRecordPayment")->click();
        save(&window, guide, "reprint-payments");

        // A credit note for part of a paid invoice's first job; nothing is made.
        const QList<QTreeWidgetItem*> paid =
            invoices->findItems(QCoreApplication::translate("quillbill::frmReprint", "True"), Qt::MatchExactly, 2);
        if (paid.isEmpty())
            throw std::runtime_error("no paid invoice to credit");
        invoices->setCurrentItem(paid.back());
        control<QPushButton>(&window, "cmdCreditNote")->click();
        QWidget* creditNote = QApplication::activeModalWidget();
        if (!creditNote || creditNote->objectName() != "frmCreditNote")
            throw std::runtime_error("the credit note window did not open");
        auto* jobs = control<QTableWidget>(creditNote, "grdCreditJobs");
        jobs->item(0, 3)->setText(QStringLiteral("25") + QLocale().decimalPoint() + QStringLiteral("00"));
        typeInto(creditNote, "txtReason", QStringLiteral("Two panes were not cleaned"));
        creditNote->resize(720, 360);
        save(creditNote, guide, "credit-note");
        creditNote->close();
    }
    {
        frmStatement window(app);
        window.show();
        chooseCustomer(&window, newInvoiceCustomer);
        control<QCalendarWidget>(&window, "calFrom")->setSelectedDate(QDate::currentDate().addMonths(-1));
        save(&window, guide, "statement");
        savePreviewOf(&window, guide, "statement-page");
    }
    {
        frmAging window(app);
        window.show();
        save(&window, guide, "aging");
        savePreviewOf(&window, guide, "aging-page");
    }
    frmInvoiceReports window(app);
    window.show();
    control<QCalendarWidget>(&window, "calFrom")->setSelectedDate(QDate::currentDate().addMonths(-2));
    control<QAbstractButton>(&window, "optNotPaid")->click();
    save(&window, guide, "invoice-reports");

    // The report those choices make, in the preview.
    control<QPushButton>(&window, "cmdCreateRpt")->click();
    QWidget* preview = shownPreview();
    preview->resize(760, 700);
    chooseZoom(preview, QCoreApplication::translate("quirepress::detail::frmDisplay", "Page Width"));
    save(preview, guide, "invoice-report-page");
    preview->close();
}

void takeEmailPicture(AppContext& app, const QString& guide)
{
    app.state.AttachmentPath = QStringLiteral("Invoice-1041.html");
    frmEmail window(app);
    window.show();
    typeInto(&window, "txtFrom", QStringLiteral("office@tidywindows.example"));
    typeInto(&window, "txtTo", QStringLiteral("accounts@obrienhardware.example"));
    control<QPlainTextEdit>(&window, "txtMsg")
        ->setPlainText(QStringLiteral("Hello Pat,\n\nThis month's invoice is attached. Thank you!\n\nTidy Windows"));
    save(&window, guide, "email");
    app.state.AttachmentPath.clear();
}

// The office's server as the Database page and the move to a server show it.
void fillSampleServer(QWidget* window)
{
    control<QLineEdit>(window, "txtDbHost")->setText(QStringLiteral("server.tidywindows.lan"));
    control<QLineEdit>(window, "txtDbName")->setText(QStringLiteral("quillbill"));
    control<QLineEdit>(window, "txtDbUser")->setText(QStringLiteral("quillbill"));
    control<QLineEdit>(window, "txtDbPassword")->setText(QStringLiteral("secret"));
    auto* encryption = control<QComboBox>(window, "cboDbEncryption");
    encryption->setCurrentIndex(encryption->findData(QStringLiteral("require")));
}

// The options window's four pages; the Security page with two functions
// reserved, the E-mail page filled in for a mail provider, the Database page
// with the office's server (nothing is saved). Then the move to that server.
void takeOptionsPictures(AppContext& app, const QString& guide)
{
    frmMain main(app);
    frmOptions window(app, main.securedMenuItems(), nullptr, MailPassword(QStringLiteral("Quillbill screenshots")),
                      Keyring(QStringLiteral("Quillbill screenshots")));
    window.show();
    save(&window, guide, "options");

    control<QAction>(&window, "mnuSecurity")->trigger();
    const std::pair<const char*, const char*> reserved[] = {{"2", "2"}, {"5", "3"}};
    for (const auto& [function, level] : reserved) {
        auto* box = control<QCheckBox>(&window, ("Check" + QByteArray(function)).constData());
        if (!box->isChecked())
            box->click();
        control<QComboBox>(&window, ("Combo" + QByteArray(function)).constData())
            ->setEditText(QString::fromLatin1(level));
    }
    save(&window, guide, "options-security");

    fillSampleMailPage(&window);
    save(&window, guide, "options-email");

    control<QAction>(&window, "mnuDatabase")->trigger();
    control<QRadioButton>(&window, "optDbServer")->click();
    fillSampleServer(&window);
    save(&window, guide, "options-database");

    frmMoveToServer move(
        app, [] {}, nullptr, Keyring(QStringLiteral("Quillbill screenshots")));
    move.show();
    fillSampleServer(&move);
    save(&move, guide, "move-to-server");
}

void takeUsersPicture(AppContext& app, const QString& guide)
{
    frmUsers window(app);
    window.show();
    chooseUser(&window, 1);
    save(&window, guide, "users");
}

// A backup as the program makes it, its finished progress window; then the
// restore window with that backup and an older one to choose from.
void takeBackupAndRestorePictures(AppContext& app, const QString& guide)
{
    frmFileMoveCopy* progress = CreateBackup(app);
    if (!progress || !progress->isDone())
        throw std::runtime_error("the backup was not made");
    save(progress, guide, "copying-files");
    progress->close();

    const QString older = backupFileName(makeBackupStamp(QDateTime::currentDateTime().addDays(-7)));
    DatabaseFiles::backup(app.state.MainDatabase, app.path(older));
    frmRestore window(app, [] {});
    window.show();
    // The backup just made is the one chosen.
    auto* files = control<QListWidget>(&window, "File1");
    const QString newest = QFileInfo(backupFileName(app.state.BackupStamp)).fileName();
    const QList<QListWidgetItem*> found = files->findItems(newest, Qt::MatchExactly);
    if (found.isEmpty())
        throw std::runtime_error("the backup just made is not listed");
    files->setCurrentItem(found.front());
    save(&window, guide, "restore");
}

} // namespace

void takeGuidePictures(AppContext& app, const QString& guideFolder, const QString& readmeFolder)
{
    app.state.LoginSucceeded = true;
    app.state.CurrentUser = QStringLiteral("admin");
    app.state.UserLevel = 3;
    takeStartPictures(app, guideFolder);
    takeMainWindowPictures(app, guideFolder, readmeFolder);
    takeCompanyAndCustomerPictures(app, guideFolder);
    takeNewInvoicePicture(app, guideFolder);
    takePreviewPictures(app, guideFolder, readmeFolder);
    takeOutputChoicePicture(app, guideFolder);
    takeReprintAndReportPictures(app, guideFolder);
    takeEmailPicture(app, guideFolder);
    takeOptionsPictures(app, guideFolder);
    takeUsersPicture(app, guideFolder);
    takeBackupAndRestorePictures(app, guideFolder);
}

} // namespace quillbill::screenshots
