// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The program in French: the translations built into the program and the
// report engine, and Qt's own, installed for a French-Canadian desktop.
// CTest runs this program under fr_CA.UTF-8.

#include "app/Translations.h"
#include "TestProgram.h"
#include "WindowTexts.h"
#include "backup/frmFileMoveCopy.h"
#include "backup/frmRestore.h"
#include "company/frmEdit.h"
#include "customers/frmNew.h"
#include "customers/frmRemoveCompany.h"
#include "customers/frmReviewCompany.h"
#include "invoicing/BuildInvoiceData.h"
#include "invoicing/CreditNoteMaking.h"
#include "invoicing/clsSimple.h"
#include "invoicing/frmAddInvoice.h"
#include "invoicing/frmAging.h"
#include "invoicing/frmCreditNote.h"
#include "invoicing/frmInvoiceReports.h"
#include "invoicing/frmReprint.h"
#include "invoicing/frmStatement.h"
#include "mail/frmEmail.h"
#include "shell/login/frmLogin.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/options/frmOptions.h"
#include "shell/servermove/frmMoveToServer.h"
#include "shell/splash/frmSplash.h"
#include "shell/startup/ChildWindows.h"
#include "shell/tips/frmAbout.h"
#include "shell/tips/frmTip.h"
#include "users/frmUsers.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace quillbill::testing {
namespace {

// What the test's records and files hold, and names that read the same in
// French.
const QSet<QString> recordsAndNames = {
    "Astuce",
    "DataBase",
    "Reports",
    // The invoice's own title, in the documents' language.
    "Facture 1040 - Boulangerie Saint-Jean-Baptiste inc.",
    "Boulangerie Saint-Jean-Baptiste inc.",
    "12 Rue Saint-Denis",
    "Montréal",
    "QC",
    "H2X 3K8",
    "BSJ",
    "Réparation du four à sole",
    "Your Company Name",
    "123 Main Street",
    "Your City",
    "ON",
    "A1A1A1",
    "HST",
    "System",
    "Administrator",
    "admin",
    "System Administrator",
    "Quillbill",
    "Quillbill Software",
    "Boulangerie Saint-Jean-Baptiste inc. (BSJ)",
};

class FrenchWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.installDeliveredReports();
        program.writeTips({QStringLiteral("Astuce")});
        program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) VALUES "
                     "(1, 'Boulangerie Saint-Jean-Baptiste inc.', '12 Rue Saint-Denis', 'Montréal', 'QC', "
                     "'H2X 3K8', 'BSJ')");
        program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('BSJ', 1040)");
        program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Status) VALUES (1040, 1, '2026-09-30', 1)");
        program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                     "(1, 1040, 'Réparation du four à sole', 12345000)");
    }

    struct Window {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
    };

    // Every window of the program, made as the program makes it.
    std::vector<Window> windows()
    {
        AppContext& app = *program.app;
        const auto make = [](auto* window) { return std::unique_ptr<QWidget>(window); };
        return {
            {"frmMain",
             [&, make] {
                 auto main = std::make_unique<frmMain>(app);
                 registerChildWindows(*main, app);
                 return std::unique_ptr<QWidget>(std::move(main));
             }},
            {"frmAddInvoice", [&, make] { return make(new frmAddInvoice(app)); }},
            {"frmReprint", [&, make] { return make(new frmReprint(app)); }},
            {"frmInvoiceReports", [&, make] { return make(new frmInvoiceReports(app)); }},
            {"frmStatement", [&, make] { return make(new frmStatement(app)); }},
            {"frmAging", [&, make] { return make(new frmAging(app)); }},
            {"frmEdit", [&, make] { return make(new frmEdit(app)); }},
            {"frmNew", [&, make] { return make(new frmNew(app)); }},
            {"frmRemoveCompany", [&, make] { return make(new frmRemoveCompany(app)); }},
            {"frmReviewCompany", [&, make] { return make(new frmReviewCompany(app)); }},
            {"frmUsers", [&, make] { return make(new frmUsers(app)); }},
            {"frmLogin", [&, make] { return make(new frmLogin(app)); }},
            {"frmOptions",
             [&, make] {
                 frmMain main(app);
                 return make(new frmOptions(app, main.securedMenuItems()));
             }},
            {"frmAbout", [make] { return make(new frmAbout); }},
            {"frmTip", [&, make] { return make(new frmTip(app)); }},
            {"frmSplash", [make] { return make(new frmSplash); }},
            {"frmRestore", [&, make] { return make(new frmRestore(app, {})); }},
            {"frmMoveToServer", [&, make] { return make(new frmMoveToServer(app, {})); }},
            {"frmFileMoveCopy", [make] { return make(new frmFileMoveCopy); }},
            {"frmEmail", [&, make] { return make(new frmEmail(app)); }},
            {"frmCreditNote",
             [&, make] {
                 return make(new frmCreditNote(
                     app, CreditNoteMaking(app.state.MainDatabase, QStringLiteral("admin"), 1, 1040)));
             }},
            {"frmDisplay", [&] { return invoicePreview(); }},
        };
    }

    // The engine's preview of invoice 1040, as the invoice window opens it.
    std::unique_ptr<QWidget> invoicePreview()
    {
        document_ =
            std::make_unique<clsSimple>(*program.app, BuildInvoiceData(program.app->state.MainDatabase, 1040, 1));
        document_->setOutput(quirepress::cOutputToScreen);
        EXPECT_TRUE(document_->PrintReport());
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("frmDisplay") && window->isVisible())
                return std::unique_ptr<QWidget>(window);
        ADD_FAILURE() << "no preview";
        return std::make_unique<QWidget>();
    }

    // The texts of every window, each shown and laid out first.
    std::vector<std::map<QString, QString>> textsOfEachWindow()
    {
        std::vector<std::map<QString, QString>> texts;
        for (const Window& window : windows()) {
            std::unique_ptr<QWidget> shown = window.make();
            shown->show();
            QCoreApplication::processEvents();
            texts.push_back(shownTexts(shown.get()));
            shown->close();
            shown.reset();
            document_.reset();
        }
        return texts;
    }

    TestProgram program;
    std::unique_ptr<clsSimple> document_;
};

TEST_F(FrenchWindows, EveryWindowReadsInFrenchWithNoEnglishLeft)
{
    ASSERT_EQ(QLocale::system().language(), QLocale::French) << "run under fr_CA.UTF-8";
    const std::vector<std::map<QString, QString>> english = textsOfEachWindow();
    installTranslations(QLocale::system());
    const std::vector<std::map<QString, QString>> french = textsOfEachWindow();
    const QList<QRegularExpression> kept =
        keptAsIs({QStringLiteral(QUILLBILL_SOURCE_DIR "/translations/quillbill_fr.ts"),
                  QStringLiteral(QUILLBILL_SOURCE_DIR "/translations/quirepress_fr.ts")});
    const std::vector<Window> made = windows();
    ASSERT_EQ(english.size(), made.size());
    for (size_t window = 0; window < made.size(); ++window) {
        SCOPED_TRACE(made[window].name);
        EXPECT_FALSE(english[window].empty());
        EXPECT_EQ(untranslatedTexts(english[window], french[window], kept, recordsAndNames).join(u'\n'), QString());
    }
    // The check itself: a text left English is found.
    EXPECT_EQ(untranslatedTexts({{"1 cmdOK text", "Close"}}, {{"1 cmdOK text", "Close"}}, kept, {}),
              QStringList{"1 cmdOK text: Close"});
}

TEST(Translations, AFrenchDesktopGetsTheProgramsTheEnginesAndQtsFrench)
{
    installTranslations(QLocale(QLocale::French, QLocale::Canada));
    TestProgram program;
    frmMoveToServer window(*program.app, {});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Déplacer vers le serveur"));
    EXPECT_EQ(window.findChild<QPushButton*>("cmdCancel")->text(), QStringLiteral("Annuler"));
    frmMain main(*program.app);
    EXPECT_EQ(main.menuItem("mnuMoveToServer")->text(), QStringLiteral("Déplacer vers le serveur..."));
    EXPECT_EQ(QCoreApplication::translate("quirepress::detail::frmDisplay", "First Page"),
              QStringLiteral("Première page"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));

    // The tips of fr/ where the program folder has them.
    program.writeTips({QStringLiteral("An English tip")});
    QDir(program.folder()).mkdir(QStringLiteral("fr"));
    QFile frenchTips(program.folder() + QStringLiteral("/fr/TipOfTheDay.dat"));
    ASSERT_TRUE(frenchTips.open(QIODevice::WriteOnly));
    frenchTips.write(QStringLiteral("Une astuce en français\r\n").toUtf8());
    frenchTips.close();
    frmTip tip(*program.app);
    EXPECT_EQ(tip.findChild<QLabel*>("lblTipText")->text(), QStringLiteral("Une astuce en français"));
}

} // namespace
} // namespace quillbill::testing
