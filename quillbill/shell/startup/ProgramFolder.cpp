#include "shell/startup/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace quillbill::ProgramFolder {

namespace {
const QString databaseFolder = QStringLiteral("DataBase");
} // namespace

QString locate(const QString& executableFolder, const QString& defaults, const QString& perUserFolder)
{
    if (QDir(executableFolder).exists(databaseFolder))
        return QDir(executableFolder).absolutePath();
    // First start of an installed program: lay out the per-user folder. Once
    // its database folder exists it is never laid out again, so a database
    // that goes missing later is reported, not silently replaced.
    if (!QDir(perUserFolder).exists(databaseFolder) && QDir(defaults).exists(databaseFolder))
        copyTree(defaults, perUserFolder);
    return QDir(perUserFolder).absolutePath();
}

bool copyTree(const QString& from, const QString& to)
{
    const QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    bool copiedAll = true;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString target = to + u'/' + source.relativeFilePath(entry.filePath());
        if (entry.isDir()) {
            copiedAll = QDir().mkpath(target) && copiedAll;
        } else if (!QFileInfo::exists(target)) {
            copiedAll = QFile::copy(entry.filePath(), target) && copiedAll;
        }
    }
    return copiedAll;
}

} // namespace quillbill::ProgramFolder
