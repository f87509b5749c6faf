#include "model/PageImages.h"

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
