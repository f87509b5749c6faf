// The program in French: the translations built into the program and the
// report engine, and Qt's own, installed for a French-Canadian desktop.

#include "app/Translations.h"
#include "TestProgram.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/servermove/frmMoveToServer.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

namespace quillbill::testing {
namespace {

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
}

} // namespace
} // namespace quillbill::testing
