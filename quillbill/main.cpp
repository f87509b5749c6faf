// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "app/AppContext.h"
#include "app/Translations.h"
#include "common/MessageBoxes.h"
#include "common/ProgramInfo.h"
#include "shell/startup/CommandLine.h"
#include "shell/startup/IconAfterFirstWindow.h"
#include "shell/startup/ProgramFolder.h"
#include "shell/startup/Startup.h"
#include "shell/tips/ProgramIdentity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QStandardPaths>
#include <QStringList>

#include <optional>
#include <span>

using namespace quillbill;

int main(int argc, char* argv[])
{
    // Before QApplication, which needs a display: --version and --help must
    // answer on a terminal without one.
    QStringList arguments;
    for (const char* argument : std::span(argv, static_cast<std::size_t>(argc)))
        arguments.append(QString::fromLocal8Bit(argument));
    if (arguments.size() > 1) {
        // Only a core application, which needs no display, to answer in the
        // desktop's language.
        QCoreApplication answering(argc, argv);
        installTranslations(QLocale::system());
        if (const std::optional<int> status = answerCommandLine(arguments))
            return *status;
    }

    QApplication application(argc, argv);
    // The windows speak the desktop's language where there is a translation.
    installTranslations(QLocale::system());
    QCoreApplication::setOrganizationName(ProgramInfo::title);
    QCoreApplication::setApplicationName(ProgramInfo::title);
    QCoreApplication::setApplicationVersion(ProgramInfo::versionNumber());
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(ProgramInfo::desktopId());
    setWindowIconAfterFirstWindow(programIcon);

    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString folder =
        ProgramFolder::locate(executableFolder, executableFolder + QStringLiteral("/" QUILLBILL_DEFAULTS_FROM_BINARY),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QDir::setCurrent(folder);

    DialogMessageBoxes messages;
    AppContext app(folder, messages);
    Startup startup(app);
    if (!startup.openDatabase())
        return 1;
    QObject::connect(&startup, &Startup::finished, &application, &QCoreApplication::exit, Qt::QueuedConnection);
    startup.begin();
    return application.exec();
}
