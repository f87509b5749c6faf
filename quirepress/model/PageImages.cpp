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

QString pageImagePath(const QString& temporaryFolder, const QString& baseName, int page)
{
    return temporaryFolder + baseName + u'p' + QString::number(page) + QStringLiteral(".bmp");
}

void savePageImage(const QImage& page, const QString& path)
{
    if (QFile::exists(path))
        QFile::remove(path);
    if (!page.save(path, "BMP"))
        throw Error(75, QStringLiteral("Quirepress.Output"),
                    QStringLiteral("Path/File access error: the page image %1 cannot be written.").arg(path));
}

void WrittenPageImages::save(const QImage& page, const QString& path)
{
    // Remembered first: a file that was half written goes too.
    paths_.insert(path);
    savePageImage(page, path);
}

void WrittenPageImages::deleteAll()
{
    for (const QString& path : std::as_const(paths_))
        QFile::remove(path);
    paths_.clear();
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
    for (const QString& name : folder.entryList({QStringLiteral("qrp*.bmp")}, QDir::Files)) {
        if (name.mid(3, 4) != dayAndMonth)
            QFile::remove(folder.filePath(name));
    }
}

} // namespace quirepress::detail
