// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "backup/DataSafety.h"

#include "app/AppContext.h"
#include "backup/BackupStamp.h"
#include "backup/DatabaseFiles.h"
#include "backup/frmFileMoveCopy.h"
#include "common/ProgramInfo.h"
#include "records/DatabaseError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillbill {

namespace {

const QString backupFolder = QStringLiteral("DataBackup");

//: The title of the restore's messages
QString restoreTitle() { return QCoreApplication::translate("RestoreFromBackup", "Restore"); }

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

// How the status line names a backup: under the backup folder as the
// program's own, anywhere else by its full path.
QString shownPath(const AppContext& app, const QString& path)
{
    const QFileInfo file(path);
    if (QDir(file.absolutePath()) == QDir(app.path(backupFolder)))
        return QStringLiteral(".../") + backupFolder + u'/' + file.fileName();
    return file.absoluteFilePath();
}

// What the restore took away, for the finished window; empty when nothing.
QString lostWork(const DatabaseFiles::RestoreOutcome& outcome)
{
    const auto count = [](int number, const char* one, const char* many) {
        return number == 1 ? QCoreApplication::translate("RestoreFromBackup", one)
                           : QCoreApplication::translate("RestoreFromBackup", many).arg(number);
    };
    const QString invoices = count(outcome.lostInvoices, QT_TRANSLATE_NOOP("RestoreFromBackup", "1 invoice"),
                                   QT_TRANSLATE_NOOP("RestoreFromBackup", "%1 invoices"));
    const QString jobs = count(outcome.lostJobs, QT_TRANSLATE_NOOP("RestoreFromBackup", "1 job"),
                               QT_TRANSLATE_NOOP("RestoreFromBackup", "%1 jobs"));
    QString lost;
    if (outcome.lostInvoices > 0 && outcome.lostJobs > 0)
        lost = QCoreApplication::translate("RestoreFromBackup", "%1 and %2").arg(invoices, jobs);
    else if (outcome.lostInvoices > 0)
        lost = invoices;
    else if (outcome.lostJobs > 0)
        lost = jobs;
    else
        return {};
    return QCoreApplication::translate("RestoreFromBackup",
                                       "%1 made after this backup are gone. Invoice numbers already issued will "
                                       "not be issued again.")
        .arg(lost);
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
        // Copies that a killed backup or restore left behind are as large as
        // the database; they would fill the disk one by one.
        DatabaseFiles::removeStalePartials(app.path(backupFolder));
        if (!source.isEmpty())
            DatabaseFiles::removeStalePartials(QFileInfo(source).absolutePath());
        progress = openProgress(QCoreApplication::translate("CreateBackup", "Creating Backup..."),
                                //: %1 is the backup folder, as .../DataBackup/
                                QCoreApplication::translate("CreateBackup", "Backing up data to - '%1'")
                                    .arg(QStringLiteral(".../") + backupFolder + u'/'));
        // The copy is only called done when it is as large as its source and
        // is a sound database; a copy that is not never takes the name.
        DatabaseFiles::backup(app.state.MainDatabase, destination);
        progress->finish(QCoreApplication::translate("CreateBackup", "Creating Backup...Done"),
                         QCoreApplication::translate("CreateBackup", "Backup written to %1")
                             .arg(QDir::toNativeSeparators(destination)));
    } catch (const DatabaseError& error) {
        if (progress)
            progress->fail(QCoreApplication::translate("CreateBackup", "Creating Backup...Failed"));
        app.messages.warn(progress,
                          QCoreApplication::translate("CreateBackup", "Unable to create backup.") + "\n\n"
                              + error.message(),
                          ProgramInfo::title);
    }
    return progress;
}

bool isRestorable(AppContext& app, const QString& backupPath)
{
    const QString problem = DatabaseFiles::problemWith(backupPath);
    if (problem.isEmpty())
        return true;
    app.messages.warn(nullptr, problem + "\n\n" + databaseUnchanged(), restoreTitle());
    return false;
}

bool RestoreFromBackup(AppContext& app, const QString& backupPath, const std::function<void()>& closeChildWindows,
                       frmFileMoveCopy** progressOut, const std::function<void(DatabaseFiles::RestoreStep)>& onStep)
{
    if (!isRestorable(app, backupPath))
        return false;
    closeChildWindows();

    frmFileMoveCopy* progress = openProgress(
        QCoreApplication::translate("RestoreFromBackup", "Restoring Backup..."),
        //: %1 is the backup file restored
        QCoreApplication::translate("RestoreFromBackup", "Restoring From - '%1'").arg(shownPath(app, backupPath)));
    if (progressOut)
        *progressOut = progress;
    // The backup is copied into the open database rather than put in place of
    // its file: other programs with the file open keep their locks and see
    // the restored data, and the connection stays open throughout.
    bool copied = false;
    DatabaseFiles::RestoreOutcome outcome;
    try {
        outcome = DatabaseFiles::restoreInto(app.state.MainDatabase, backupPath, [&](DatabaseFiles::RestoreStep step) {
            copied = copied || step == DatabaseFiles::RestoreStep::Checking;
            if (onStep)
                onStep(step);
        });
    } catch (const DatabaseError& error) {
        progress->fail(QCoreApplication::translate("RestoreFromBackup", "Restoring Backup...Failed"));
        app.messages.warn(progress, copied ? error.message() : error.message() + "\n\n" + databaseUnchanged(),
                          restoreTitle());
        return false;
    }
    progress->finish(QCoreApplication::translate("RestoreFromBackup", "Restoring Backup...Done"), lostWork(outcome));
    return true;
}

} // namespace quillbill
