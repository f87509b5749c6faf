#include "backup/DataSafety.h"

#include "backup/BackupStamp.h"
#include "backup/DatabaseFiles.h"
#include "backup/frmFileMoveCopy.h"
#include "common/AppContext.h"
#include "common/ProgramInfo.h"
#include "records/DatabaseError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quillbill {

namespace {

const QString backupFolder = QStringLiteral("DataBackup");

QString databaseUnchanged()
{
    return QCoreApplication::translate("RestoreFromBackup", "The database was not changed.");
}

frmFileMoveCopy* openProgress(const QString& caption, const QString& status)
{
    auto* progress = new frmFileMoveCopy;
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->begin(caption, status);
    // Let the window paint before the copy holds the thread.
    QCoreApplication::processEvents();
    return progress;
}

// The copy is only called done when it is as large as its source and is a
// sound database.
bool copyIsWhole(const QString& source, const QString& copy)
{
    return QFileInfo(source).size() == QFileInfo(copy).size() && DatabaseFiles::problemWith(copy).isEmpty();
}

// How the status line names a backup: under the backup folder as the
// program's own, anywhere else by its full path.
QString shownPath(const AppContext& app, const QString& path)
{
    const QFileInfo file(path);
    if (QDir(file.absolutePath()) == QDir(app.path(backupFolder)))
        return QStringLiteral(".../") + backupFolder + u'/' + file.fileName();
    return file.absoluteFilePath();
}

} // namespace

frmFileMoveCopy* CreateBackup(AppContext& app)
{
    app.state.BackupStamp = makeBackupStamp(QDateTime::currentDateTime());
    const QString source = app.state.MainDatabase.filePath();
    const QString destination = app.path(backupFileName(app.state.BackupStamp));
    frmFileMoveCopy* progress = nullptr;
    try {
        if (!QDir().mkpath(app.path(backupFolder)))
            throw DatabaseError(QCoreApplication::translate("CreateBackup", "The folder %1 cannot be created.")
                                    .arg(app.path(backupFolder)));
        progress = openProgress(QStringLiteral("Creating Backup..."),
                                QStringLiteral("Backing up data to - '.../") + backupFolder + QStringLiteral("/'"));
        DatabaseFiles::backup(app.state.MainDatabase, destination);
        if (copyIsWhole(source, destination))
            progress->finish(QStringLiteral("Creating Backup...Done"));
    } catch (const DatabaseError& error) {
        app.messages.warn(progress, QStringLiteral("Unable to create backup.") + "\n\n" + error.message(),
                          ProgramInfo::title);
    }
    return progress;
}

bool RestoreFromBackup(AppContext& app, const QString& backupPath, const std::function<void()>& closeChildWindows,
                       frmFileMoveCopy** progressOut)
{
    const QString problem = DatabaseFiles::problemWith(backupPath);
    if (!problem.isEmpty()) {
        app.messages.warn(nullptr, problem + "\n\n" + databaseUnchanged(), QStringLiteral("Restore"));
        return false;
    }
    closeChildWindows();

    frmFileMoveCopy* progress = openProgress(QStringLiteral("Restoring Backup..."),
                                             QStringLiteral("Restoring From - '") + shownPath(app, backupPath) + "'");
    if (progressOut)
        *progressOut = progress;
    const QString live = app.state.MainDatabase.filePath();
    app.state.MainDatabase.close();
    bool replaced = true;
    try {
        DatabaseFiles::replace(live, backupPath);
    } catch (const DatabaseError& error) {
        replaced = false;
        app.messages.warn(progress, error.message() + "\n\n" + databaseUnchanged(), QStringLiteral("Restore"));
    }
    // Whether or not the backup went in, the program goes on with the file
    // that is in place now, exactly as at start-up.
    try {
        app.state.MainDatabase.open(live);
    } catch (const DatabaseError& error) {
        app.messages.warn(progress, error.message(), QStringLiteral("Restore"));
        return false;
    }
    if (replaced && copyIsWhole(backupPath, live))
        progress->finish(QStringLiteral("Restoring Backup...Done"));
    return replaced;
}

} // namespace quillbill
