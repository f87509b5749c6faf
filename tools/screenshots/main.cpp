// Takes the pictures of Quillbill's invoice window and invoice preview that
// the README and the guide show, from the program itself, on a sample office
// (the options window's "Test Connection" talks to a local aiosmtpd):
//
//     QT_QPA_PLATFORM=offscreen quillbill_screenshots <folder>
//
// Each picture is a PNG named after what it shows. The sample data is made
// in a copy of the delivered program folder, never in the real one.

#include "FindControl.h"
#include "QuietDesktopOpener.h"
#include "RecordingSmtpServer.h"
#include "app/AppContext.h"
#include "common/MessageBoxes.h"
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
#include "users/frmUsers.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <utility>

using namespace quillbill;
using quillbill::testing::control;

namespace {

// Message boxes would stop a picture run: each is printed instead.
class PrintedMessageBoxes final : public MessageBoxes {
public:
    bool askYesNo(QWidget*, const QString& text, const QString&) override { return say(text), true; }
    void inform(QWidget*, const QString& text, const QString&) override { say(text); }
    void warn(QWidget*, const QString& text, const QString&) override { say(text); }

private:
    static void say(const QString& text) { QTextStream(stderr) << "message: " << text << '\n'; }
};

void copyProgramFolder(const QString& from, const QString& to)
{
    for (const char* folder : {"DataBase", "Reports"}) {
        QDir(to).mkpath(folder);
        for (const QString& name : QDir(from + '/' + folder).entryList(QDir::Files))
            if (!QFile::copy(from + '/' + folder + '/' + name, to + '/' + folder + '/' + name))
                throw std::runtime_error((QStringLiteral("cannot copy ") + folder + '/' + name).toStdString());
    }
    QFile::setPermissions(to + "/DataBase/db_be.mdb", QFile::ReadOwner | QFile::WriteOwner);
}

void fillSampleOffice(const Database& database)
{
    database.execute("UPDATE TblMyCompanyInfo SET CompanyName = ?, Address = ?, City = ?, Prov = ?, PostalCode = ?, "
                     "Phone = ?, Cell = ?, email = ?, vendor = ?, gst = 5, pst = 8",
                     {"Tidy Windows Ltd.", "221 Water Street", "Halifax", "NS", "B3H 1A1", "(902) 555-0142",
                      "(902) 555-0199", "office@tidywindows.example", "V-20417"});
    database.execute("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) VALUES "
                     "(1, 'O''Brien & Sons Hardware', '12 Harbour Road, Unit 4', 'Dartmouth', 'NS', 'B2Y4G6', 'OBR'), "
                     "(2, 'Maple Leaf Dental', '88 Spring Garden Road', 'Halifax', 'NS', 'B3J3R4', 'MLD')");
    database.execute("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('OBR', 1040), ('MLD', 311)");
}

void save(QWidget* widget, const QString& folder, const QString& name)
{
    QCoreApplication::processEvents();
    const QString path = folder + '/' + name + ".png";
    if (!widget->grab().save(path))
        throw std::runtime_error(("cannot write " + path).toStdString());
    QTextStream(stdout) << path << '\n';
}

void chooseCustomer(QWidget* window, const QString& company)
{
    auto* list = control<QComboBox>(window, "cmbCustomerID");
    const int row = list->findText(company);
    list->setCurrentIndex(row);
    emit list->activated(row);
}

// The report engine's preview window that is on screen.
QWidget* shownPreview()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmDisplay" && window->isVisible())
            return window;
    throw std::runtime_error("the preview did not open");
}

void addJob(QWidget* window, const QString& description, const QString& sum)
{
    control<QLineEdit>(window, "txtJobDescription")->setText(description);
    control<QLineEdit>(window, "txtSums")->setText(sum);
    control<QPushButton>(window, "cmdAddJob")->click();
}

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

// The preview of invoice `number` of customer 1, at each of the two zooms.
void takePreviewPictures(AppContext& app, int32_t number, const QString& folder, const QString& name)
{
    clsSimple document(app, BuildInvoiceData(app.state.MainDatabase, number, 1));
    document.setOutput(quirepress::cOutputToScreen);
    document.PrintReport();
    QWidget* preview = shownPreview();
    preview->resize(900, 1000);
    auto* zoom = control<QComboBox>(preview, "cboZoom");
    const std::pair<QString, QString> zooms[] = {
        {QStringLiteral("100%"), QStringLiteral("-100")},
        {QStringLiteral("200%"), QStringLiteral("-200")},
        {QStringLiteral("Page Width"), QStringLiteral("-page-width")},
    };
    for (const auto& [choice, suffix] : zooms) {
        zoom->setCurrentIndex(zoom->findText(choice));
        emit zoom->activated(zoom->currentIndex());
        save(preview, folder, name + suffix);
    }
}

// Some paid and unpaid invoices of both customers over the last weeks, for
// the reprint window and the invoice report.
void fillPastInvoices(const Database& database)
{
    const QDate today = QDate::currentDate();
    const char* const jobs[] = {"Storefront window cleaning", "Skylight cleaning and resealing",
                                "Pressure washing, front walk", "Interior glass, reception area"};
    for (int n = 0; n < 24; ++n) {
        const int customer = 1 + n % 2;
        const int invoice = (customer == 1 ? 1000 : 300) + n;
        const bool paid = n % 3 != 0;
        const QDate date = today.addDays(-60 + 2 * n);
        database.execute("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Paid, PaidDate) VALUES (?, ?, ?, ?, ?)",
                         {invoice, customer, date.toString(Qt::ISODate), paid ? -1 : 0,
                          paid ? QVariant(date.addDays(14).toString(Qt::ISODate)) : QVariant()});
        for (int line = 0; line <= n % 3; ++line)
            database.execute(
                "INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES (?, ?, ?, ?)",
                {customer, invoice, QString::fromLatin1(jobs[(n + line) % 4]), qint64(950000 + 237500 * (n + line))});
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

// Types `text` into a box as the user does.
void typeInto(QWidget* window, const char* name, const QString& text)
{
    auto* box = control<QLineEdit>(window, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
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

    control<QAction>(&window, "mnuEmail")->trigger();
    auto* keyring = control<QLabel>(&window, "lblKeyring");
    if (!QTest::qWaitFor([&] { return !keyring->text().isEmpty(); }, 30'000))
        throw std::runtime_error("the keyring's answer did not come");
    typeInto(&window, "txtMailHost", "mail.tidywindows.example");
    typeInto(&window, "txtMailUser", "office@tidywindows.example");
    typeInto(&window, "txtMailPassword", "not-the-real-one");
    typeInto(&window, "txtSenderName", "Tidy Windows Ltd.");
    typeInto(&window, "txtSenderAddress", "office@tidywindows.example");
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

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    quillbill::testing::installQuietDesktopOpener();
    // The windows open as on a first start, and the user's own settings are
    // neither read nor written.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    if (argc != 2) {
        std::fputs("usage: quillbill_screenshots <folder>\n", stderr);
        return 2;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    try {
        QDir().mkpath(output);
        QTemporaryDir programFolder;
        copyProgramFolder(QStringLiteral(QUILLBILL_PROGRAM_DIR), programFolder.path());
        PrintedMessageBoxes messages;
        AppContext app(programFolder.path(), messages);
        app.state.MainDatabase.open(app.path("DataBase/db_be.mdb"));
        fillSampleOffice(app.state.MainDatabase);

        takeWindowPictures(app, output);
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
        fillPastInvoices(app.state.MainDatabase);
        takeReprintPictures(app, output);
        takeInvoiceReportPictures(app, output);
        takeOptionsPictures(app, output);
        takeCustomerPictures(app, output);
        takeUsersPictures(app, output);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "quillbill_screenshots: %s\n", failure.what());
        return 1;
    }
    return 0;
}
