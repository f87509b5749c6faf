// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "CheckPictures.h"

#include "FindControl.h"
#include "PictureSteps.h"
#include "RecordingSmtpServer.h"
#include "SampleOffice.h"
#include "app/AppContext.h"
#include "customers/frmNew.h"
#include "customers/frmReviewCompany.h"
#include "invoicing/BuildInvoiceData.h"
#include "invoicing/clsSimple.h"
#include "invoicing/frmAddInvoice.h"
#include "invoicing/frmInvoiceReports.h"
#include "invoicing/frmReprint.h"
#include "mail/MailPassword.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"
#include "shell/startup/ChildWindows.h"
#include "users/frmUsers.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>
#include <stdexcept>
#include <utility>

namespace quillbill::screenshots {

using quillbill::testing::control;

namespace {

void takeWindowPictures(AppContext& app, const QString& folder)
{
    frmAddInvoice window(app);
    window.resize(760, 560);
    window.show();
    save(&window, folder, "invoice-window-empty");
    chooseCustomer(&window, "O'Brien & Sons Hardware");
    save(&window, folder, "invoice-window-customer-chosen");
    control<QPushButton>(&window, "cmdMakeInvoiceID")->click();
    save(&window, folder, "invoice-window-number-issued");
    addJob(&window, "Exterior window cleaning, two storeys", "385.00");
    addJob(&window, "Gutter clearing and downspout flush", "140.5");
    addJob(&window, "Screen repair (3 screens)", "1234.5");
    save(&window, folder, "invoice-window-jobs-added");
}

// The invoicing windows as the main window opens them, on whatever screen
// the run has: whole on it, at twice the size too.
void takeOpenedInMainWindowPictures(AppContext& app, const QString& folder)
{
    app.state.MainDatabase.execute(
        "INSERT INTO TblCustomer (Company, Address, City, Prov, Postal, BillingCode) VALUES "
        "('Boulangerie Saint-Jean-Baptiste inc.', '12 Rue Saint-Denis', 'Montréal', 'QC', 'H2X3K8', 'BSJ')");
    frmMain main(app);
    registerChildWindows(main, app);
    main.show();
    const std::pair<ChildKind, const char*> windows[] = {{ChildKind::AddInvoice, "add-invoice"},
                                                         {ChildKind::Reprint, "reprint"},
                                                         {ChildKind::InvoiceReports, "invoice-reports"}};
    for (const auto& [kind, name] : windows) {
        main.openChild(kind);
        QWidget* window = main.childArea()->currentSubWindow()->widget();
        if (kind != ChildKind::InvoiceReports)
            chooseCustomer(window, QStringLiteral("Boulangerie Saint-Jean-Baptiste inc."));
        if (kind == ChildKind::AddInvoice)
            control<QPushButton>(window, "cmdMakeInvoiceID")->click();
        // The window lays itself out again for what it shows, then its frame.
        QCoreApplication::processEvents();
        save(&main, folder, QStringLiteral("main-window-%1-opened").arg(QLatin1String(name)));
        main.childArea()->currentSubWindow()->close();
    }
}

// The preview of invoice `number` of customer 1, at each of the two zooms.
void takePreviewPictures(AppContext& app, int32_t number, const QString& folder, const QString& name)
{
    clsSimple document(app, BuildInvoiceData(app.state.MainDatabase, number, 1));
    document.setOutput(quirepress::cOutputToScreen);
    document.PrintReport();
    QWidget* preview = shownPreview();
    preview->resize(900, 1000);
    const std::pair<QString, QString> zooms[] = {
        {QStringLiteral("100%"), QStringLiteral("-100")},
        {QStringLiteral("200%"), QStringLiteral("-200")},
        {QStringLiteral("Page Width"), QStringLiteral("-page-width")},
    };
    for (const auto& [choice, suffix] : zooms) {
        chooseZoom(preview, choice);
        save(preview, folder, name + suffix);
    }
}

void takeReprintPictures(AppContext& app, const QString& folder)
{
    frmReprint window(app);
    window.resize(820, 640);
    window.show();
    chooseCustomer(&window, "O'Brien & Sons Hardware");
    save(&window, folder, "reprint-window-customer-chosen");
    // A click in the payment date box opens the calendar.
    auto* datePaid = control<QLineEdit>(&window, "txtDatePaid");
    QTest::mouseClick(datePaid, Qt::LeftButton);
    save(&window, folder, "reprint-window-calendar-open");
}

// The invoice report window, and the report of every company over the
// last two months in its preview.
void takeInvoiceReportPictures(AppContext& app, const QString& folder)
{
    frmInvoiceReports window(app);
    window.resize(760, 560);
    window.show();
    control<QCalendarWidget>(&window, "calFrom")->setSelectedDate(QDate::currentDate().addMonths(-2));
    save(&window, folder, "invoice-report-window");
    control<QPushButton>(&window, "cmdCreateRpt")->click();
    QWidget* preview = shownPreview();
    preview->resize(900, 1000);
    save(preview, folder, "invoice-report-preview-100");
    control<QAbstractButton>(preview, "cmdToolbar2")->click();
    save(preview, folder, "invoice-report-preview-100-page-2");
}

// The options window after its pages were switched twice: it keeps its size.
// Then its E-mail page filled in for a provider, and after "Test Connection"
// against a local server that answers and against a port nobody serves.
void takeOptionsPictures(AppContext& app, const QString& folder)
{
    frmMain main(app);
    frmOptions window(app, main.securedMenuItems(), nullptr, MailPassword(QStringLiteral("Quillbill screenshots")));
    window.show();
    save(&window, folder, "options-window-opened");
    for (const char* page : {"mnuSecurity", "mnuGeneral", "mnuSecurity", "mnuGeneral"})
        control<QAction>(&window, page)->trigger();
    save(&window, folder, "options-window-pages-switched-twice");

    fillSampleMailPage(&window);
    save(&window, folder, "options-window-email-page");

    auto server = std::make_unique<RecordingSmtpServer>();
    if (!server->start())
        throw std::runtime_error("the SMTP server (python3-aiosmtpd) did not start");
    typeInto(&window, "txtMailHost", "127.0.0.1");
    typeInto(&window, "txtMailUser", QString());
    typeInto(&window, "txtMailPassword", QString());
    auto* encryption = control<QComboBox>(&window, "cboMailEncryption");
    encryption->setCurrentIndex(encryption->findText("None"));
    emit encryption->activated(encryption->currentIndex());
    control<QSpinBox>(&window, "txtMailPort")->setValue(server->port());
    control<QPushButton>(&window, "cmdTestConnection")->click();
    save(&window, folder, "options-window-email-test-succeeded");
    server.reset();
    control<QSpinBox>(&window, "txtMailPort")->setValue(freePort());
    control<QPushButton>(&window, "cmdTestConnection")->click();
    save(&window, folder, "options-window-email-test-failed");
}

// The customer windows at the size they open with, showing a long address.
void takeCustomerPictures(AppContext& app, const QString& folder)
{
    frmNew adding(app);
    adding.show();
    control<QLineEdit>(&adding, "txtCompany")->setText("Harbourview Property Management Ltd.");
    control<QLineEdit>(&adding, "txtAddress")->setText("1250 Harbour Road, Unit 4, Second Floor");
    save(&adding, folder, "customer-add-window-opened");
    frmReviewCompany review(app);
    review.show();
    save(&review, folder, "customer-review-window-opened");
}

// The users window as an administrator (level 3) and as a clerk (level 1).
void takeUsersPictures(AppContext& app, const QString& folder)
{
    for (const int16_t level : {int16_t{3}, int16_t{1}}) {
        app.state.UserLevel = level;
        frmUsers window(app);
        window.show();
        auto* users = control<QComboBox>(&window, "cmbUsers");
        users->setCurrentIndex(0);
        emit users->activated(0);
        save(&window, folder, QStringLiteral("users-window-level-%1").arg(level));
    }
    app.state.UserLevel = 3;
}

// Invoice `number` of customer 1 as the PDF file the engine writes itself,
// and its first page as a picture when poppler's pdftoppm is at hand.
void writeInvoicePdf(AppContext& app, int32_t number, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    clsSimple document(app, BuildInvoiceData(app.state.MainDatabase, number, 1));
    document.setOutput(quirepress::cOutputToPDFFile);
    document.setOutputFile(path);
    if (!document.PrintReport())
        throw std::runtime_error("the PDF file was not written");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                       QStringLiteral("-singlefile"), path,
                       QDir(folder).filePath(name + QStringLiteral("-pdf-page-1"))});
}

} // namespace

void takeCheckPictures(AppContext& app, const QString& output)
{
    takeWindowPictures(app, output);
    takeOpenedInMainWindowPictures(app, output);
    takePreviewPictures(app, 1041, output, "invoice-preview-one-page");
    writeInvoicePdf(app, 1041, output, "invoice");
    // A long invoice: three pages of jobs on invoice 1042.
    app.state.MainDatabase.execute("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date) VALUES (1042, 1, ?)",
                                   {QDate::currentDate().toString(Qt::ISODate)});
    for (int n = 1; n <= 70; ++n)
        app.state.MainDatabase.execute(
            "INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (1, 1042, ?, ?)",
            {QStringLiteral("Storefront window cleaning, visit %1").arg(n), qint64(4500000 + n * 2500)});
    takePreviewPictures(app, 1042, output, "invoice-preview-three-pages");
    // Jobs whose descriptions wrap, and a discount under them.
    app.state.MainDatabase.execute(
        "INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Discount) VALUES (1043, 1, ?, 10)",
        {QDate::currentDate().toString(Qt::ISODate)});
    for (int n = 1; n <= 4; ++n)
        app.state.MainDatabase.execute(
            "INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (1, 1043, ?, ?)",
            {QStringLiteral("Storefront, skylights and the rear loading bay: wash, squeegee and dry every pane, "
                            "reseal the frames where the caulking has cracked, visit %1")
                 .arg(n),
             qint64(1234500 * n)});
    writeInvoicePdf(app, 1043, output, "invoice-wrapped-discounted");
    // The same invoice from a Quebec office, with both registration numbers.
    app.state.MainDatabase.execute("UPDATE TblMyCompanyInfo SET GSTRate = 5000, PSTRate = 9975, GSTName = 'GST', "
                                   "PSTName = 'QST', PSTNumber = '1234567890 TQ0001'");
    app.state.MainDatabase.execute("UPDATE TblInvoice SET GSTRate = NULL, PSTRate = NULL, GSTName = NULL, "
                                   "PSTName = NULL WHERE InvoiceID = 1043");
    writeInvoicePdf(app, 1043, output, "invoice-quebec");
    app.state.MainDatabase.execute("UPDATE TblMyCompanyInfo SET GSTRate = 14000, PSTRate = 0, GSTName = 'HST', "
                                   "PSTName = '', PSTNumber = ''");
    fillPastInvoices(app.state.MainDatabase);
    takeReprintPictures(app, output);
    takeInvoiceReportPictures(app, output);
    takeOptionsPictures(app, output);
    takeCustomerPictures(app, output);
    takeUsersPictures(app, output);
}

} // namespace quillbill::screenshots
