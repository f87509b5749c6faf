#include "app/AppContext.h"
#include "common/MessageBoxes.h"
#include "common/ProgramInfo.h"
#include "shell/startup/ProgramFolder.h"
#include "shell/startup/Startup.h"
#include "shell/tips/ProgramIdentity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

using namespace quillbill;

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(ProgramInfo::title);
    QCoreApplication::setApplicationName(ProgramInfo::title);
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(ProgramInfo::majorVersion())
                                                .arg(ProgramInfo::minorVersion())
                                                .arg(ProgramInfo::revision()));

    QApplication::setWindowIcon(programIcon());

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
