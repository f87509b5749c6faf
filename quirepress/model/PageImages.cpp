#include "model/PageImages.h"

#include <quirepress/Error.h>

#include <QDir>
#include <QFile>

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

void deletePageImages(const QString& temporaryFolder, const QString& baseName, int pageCount)
{
    for (int page = 1; page <= pageCount; ++page) {
        const QString image = pageImagePath(temporaryFolder, baseName, page);
        if (QFile::exists(image))
            QFile::remove(image);
    }
}

bool deleteOtherDaysPageImages(const QString& temporaryFolder, const QDate& today)
{
    const QString dayAndMonth = today.toString(QStringLiteral("ddMM"));
    const QDir folder(temporaryFolder);
    bool deletedAll = true;
    for (const QString& name : folder.entryList({QStringLiteral("qrp*.bmp")}, QDir::Files)) {
        if (name.mid(3, 4) != dayAndMonth)
            deletedAll = QFile::remove(folder.filePath(name)) && deletedAll;
    }
    return deletedAll;
}

} // namespace quirepress::detail
