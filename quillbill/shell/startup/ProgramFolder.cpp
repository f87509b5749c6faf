// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/startup/ProgramFolder.h"

#include "records/Database.h"
#include "shell/startup/DeliveredLayouts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace quillbill::ProgramFolder {

namespace {
const QString databaseFolder = QStringLiteral("DataBase");
const QString guideFolder = QStringLiteral("HelpFile");
const QString reportsFolder = QStringLiteral("Reports");
const QString languagesTipsFolder = QStringLiteral("fr");

bool sameContents(const QString& one, const QString& other)
{
    QFile a(one);
    QFile b(other);
    return a.size() == b.size() && a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)
        && a.readAll() == b.readAll();
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The database folder's files become the user's records with the first
// invoice: they are laid out as the user's own, unreadable to anyone else,
// however readable the installed defaults are.
void layOutPrivately(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return;
    for (const QFileInfo& file : QDir(from).entryInfoList(QDir::Files))
        copyPrivately(file.filePath(), to + u'/' + file.fileName());
}
} // namespace

QString locate(const QString& executableFolder, const QString& defaults, const QString& perUserFolder)
{
    if (QDir(executableFolder).exists(databaseFolder))
        return QDir(executableFolder).absolutePath();
    // First start of an installed program: lay out the per-user folder. Once
    // its database folder exists it is never laid out again, so a database
    // that goes missing later is reported, not silently replaced.
    if (!QDir(perUserFolder).exists(databaseFolder) && QDir(defaults).exists(databaseFolder)) {
        layOutPrivately(defaults + u'/' + databaseFolder, perUserFolder + u'/' + databaseFolder);
        copyTree(defaults, perUserFolder);
    }
    // A layout a newer version brings is laid out beside the user's own;
    // those the office changed stay as it made them, the others follow the
    // installed version.
    if (QDir(defaults).exists(reportsFolder))
        copyTree(defaults + u'/' + reportsFolder, perUserFolder + u'/' + reportsFolder,
                 ExistingFiles::ReplaceDeliveredLayouts);
    // The tips in other languages: any the office lacks are added, its own
    // changes stay.
    if (QDir(defaults).exists(languagesTipsFolder))
        copyTree(defaults + u'/' + languagesTipsFolder, perUserFolder + u'/' + languagesTipsFolder,
                 ExistingFiles::Keep);
    // The guide and its help program belong to the installed version, not
    // to the user: after an upgrade, F1 asks for the new version's pages.
    if (QDir(defaults).exists(guideFolder))
        copyTree(defaults + u'/' + guideFolder, perUserFolder + u'/' + guideFolder, ExistingFiles::ReplaceDiffering);
    return QDir(perUserFolder).absolutePath();
}

bool copyTree(const QString& from, const QString& to, ExistingFiles existing)
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
        } else if (existing != ExistingFiles::Keep && !sameContents(entry.filePath(), target)
                   && (existing == ExistingFiles::ReplaceDiffering || isDeliveredLayout(contentsOf(target)))) {
            copiedAll = QFile::remove(target) && QFile::copy(entry.filePath(), target) && copiedAll;
        }
    }
    return copiedAll;
}

} // namespace quillbill::ProgramFolder
