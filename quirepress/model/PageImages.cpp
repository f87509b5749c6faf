#include "model/PageImages.h"

#include <quirepress/Error.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace quirepress::detail {

QString pageImageBaseName(const QDateTime& created)
{
    return QStringLiteral("qrp") + created.toString(QStringLiteral("ddMMyyHHmmss"));
}

namespace {

QString privateFolderPath() { return QDir::tempPath() + QStringLiteral("/quirepress-") + QString::number(::getuid()); }

} // namespace

QString privateTemporaryFolder()
{
    const QByteArray path = QFile::encodeName(privateFolderPath());
    if (::mkdir(path.constData(), S_IRWXU) == 0)
        (void)::chmod(path.constData(), S_IRWXU); // whatever the umask took away
    else if (errno != EEXIST)
        return {};
    // lstat, not stat: a symbolic link planted by someone else would lead
    // the files wherever they chose.
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::getuid()
        || (status.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO)) != S_IRWXU)
        return {};
    return QFile::decodeName(path) + u'/';
}

QString requirePrivateTemporaryFolder()
{
    QString folder = privateTemporaryFolder();
    if (folder.isEmpty())
        throw Error(75, QStringLiteral("Quirepress.Output"),
                    QStringLiteral("Path/File access error: %1 is not a folder of this user's own that only this user "
                                   "can open (mode 0700); remove it, and reports make it anew.")
                        .arg(privateFolderPath()));
    return folder;
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
