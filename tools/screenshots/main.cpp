// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Takes the pictures of Quillbill's windows from the program itself, on a
// sample office made in a copy of the program folder:
//
//     QT_QPA_PLATFORM=offscreen quillbill_screenshots <folder>
//         the windows in the states where their layout has gone wrong
//         before, to look at after a change (the options window's "Test
//         Connection" talks to a local aiosmtpd);
//     QT_QPA_PLATFORM=offscreen quillbill_screenshots --guide <images> <docs>
//         the user guide's pictures into <images> and the README's into
//         <docs> (scripts/guide-screenshots.sh runs this).
//
// Each picture is a PNG named after what it shows.

#include "CheckPictures.h"
#include "GuidePictures.h"
#include "PictureSteps.h"
#include "QuietDesktopOpener.h"
#include "SampleOffice.h"
#include "app/AppContext.h"
#include "app/Translations.h"
#include "shell/tips/ProgramIdentity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <stdexcept>

using namespace quillbill;
using namespace quillbill::screenshots;

namespace {

QString absoluteFolder(const char* argument)
{
    const QString folder = QDir(QString::fromLocal8Bit(argument)).absolutePath();
    if (!QDir().mkpath(folder))
        throw std::runtime_error(("cannot make the folder " + folder).toStdString());
    return folder;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    quillbill::testing::installQuietDesktopOpener();
    // Under a French desktop the pictures show the windows in French, for
    // the French guide.
    installTranslations(QLocale::system());
    // The child windows' title bars show the program's mark, as in the program.
    QApplication::setWindowIcon(programIcon());
    // The windows open as on a first start, and the user's own settings are
    // neither read nor written.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    const bool guide = argc == 4 && QByteArray(argv[1]) == "--guide";
    if (argc != 2 && !guide) {
        std::fputs("usage: quillbill_screenshots <folder>\n"
                   "       quillbill_screenshots --guide <guide images folder> <README pictures folder>\n",
                   stderr);
        return 2;
    }
    try {
        // Some pictures show the program folder's path: a name that says what it is.
        QTemporaryDir programFolder(QDir::tempPath() + "/Quillbill-XXXXXX");
        if (!programFolder.isValid())
            throw std::runtime_error("cannot make a temporary program folder");
        copyProgramFolder(QStringLiteral(QUILLBILL_PROGRAM_DIR), programFolder.path());
        PrintedMessageBoxes messages;
        AppContext app(programFolder.path(), messages);
        app.state.MainDatabase.open(app.path("DataBase/db_be.mdb"));
        fillSampleOffice(app.state.MainDatabase);
        if (guide) {
            fillPastInvoices(app.state.MainDatabase);
            takeGuidePictures(app, absoluteFolder(argv[2]), absoluteFolder(argv[3]));
        } else {
            takeCheckPictures(app, absoluteFolder(argv[1]));
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "quillbill_screenshots: %s\n", failure.what());
        return 1;
    }
    return 0;
}
