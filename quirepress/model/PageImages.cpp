// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "model/PageImages.h"

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace quirepress::detail {

QString pageImageBaseName(const QDateTime& created)
{
    return QStringLiteral("qrp") + created.toString(QStringLiteral("ddMMyyHHmmss"));
}

namespace {

QString sharedFolderPath() { return QDir::tempPath() + QStringLiteral("/quirepress-") + QString::number(::getuid()); }

// lstat, not stat: a symbolic link planted by someone else would lead the
// files wherever they chose.
bool isPrivate(const QByteArray& path)
{
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid()
        && (status.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO)) == S_IRWXU;
}

// `path`, made with mode 0700 when missing, if it is then a private folder.
bool makePrivate(const QByteArray& path)
{
    if (::mkdir(path.constData(), S_IRWXU) == 0)
        (void)::chmod(path.constData(), S_IRWXU); // whatever the umask took away
    else if (errno != EEXIST)
        return false;
    return isPrivate(path);
}

// The runtime folder that the system makes for each user at login, which
// the freedesktop rules require to be the user's alone (mode 0700).
QByteArray runtimeFolderPath()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.startsWith('/') || !isPrivate(runtime))
        return {};
    return runtime + "/quirepress";
}

QString asFolder(const QByteArray& path) { return QFile::decodeName(path) + u'/'; }

} // namespace

QString privateTemporaryFolder(bool& madeAnew)
{
    madeAnew = false;
    if (const QByteArray shared = QFile::encodeName(sharedFolderPath()); makePrivate(shared))
        return asFolder(shared);
    if (const QByteArray runtime = runtimeFolderPath(); !runtime.isEmpty() && makePrivate(runtime))
        return asFolder(runtime);
    // mkdtemp makes the folder with mode 0700 under a name nobody had: no one
    // else can have made it first.
    QByteArray pattern = QFile::encodeName(sharedFolderPath()) + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        return {};
    madeAnew = true;
    return asFolder(pattern);
}

bool isPrivateFolder(const QString& folder)
{
    QString path = folder;
    if (path.endsWith(u'/'))
        path.chop(1);
    return !path.isEmpty() && isPrivate(QFile::encodeName(path));
}

QString requirePrivateTemporaryFolder(const QString& folder, bool& madeAnew)
{
    if (isPrivateFolder(folder))
        return folder;
    QString found = privateTemporaryFolder(madeAnew);
    if (found.isEmpty())
        throw Error(75, QStringLiteral("Quirepress.Output"),
                    QCoreApplication::translate(
                        "quirepress::detail::PageImages",
                        "Path/File access error: there is no folder for this user's temporary files: %1 is "
                        "not a folder of this user's own that only this user can open (mode 0700), there "
                        "is no such runtime folder ($XDG_RUNTIME_DIR), and no folder can be made in %2.")
                        .arg(sharedFolderPath(), QDir::tempPath()));
    return found;
}

void releaseTemporaryFolder(const QString& folder)
{
    if (!folder.isEmpty())
        (void)QDir().rmdir(folder);
}

void deleteOtherDaysPageImages(const QString& temporaryFolder, const QDate& today)
{
    const QString dayAndMonth = today.toString(QStringLiteral("ddMM"));
    const QDir folder(temporaryFolder);
    for (const QString& name :
         folder.entryList({QStringLiteral("qrp*.qpg"), QStringLiteral("qrp*.bmp")}, QDir::Files)) {
        if (name.mid(3, 4) != dayAndMonth)
            QFile::remove(folder.filePath(name));
    }
}

} // namespace quirepress::detail
