#pragma once

#include <QDate>
#include <QImage>
#include <QDateTime>
#include <QString>

namespace quirepress::detail {

// The bitmaps a report draws its preview pages into live in the temporary
// folder as base name + "p" + page + ".bmp", the base name being "qrp" and
// the report's creation time as ddMMyyhhmmss.
QString pageImageBaseName(const QDateTime& created);
QString pageImagePath(const QString& temporaryFolder, const QString& baseName, int page);

// Saves `page` as the page image `path`, replacing an older one; Error 75
// when it cannot be written.
void savePageImage(const QImage& page, const QString& path);

// Deletes the page images 1 to `pageCount` of the report named by
// `baseName`, those that exist.
void deletePageImages(const QString& temporaryFolder, const QString& baseName, int pageCount);

// Deletes the page images of other days ("qrp*.bmp" whose day and month, the
// characters after "qrp", are not `today`'s). Today's stay: another report
// may still be showing them. Returns false when a file could not be deleted.
bool deleteOtherDaysPageImages(const QString& temporaryFolder, const QDate& today);

} // namespace quirepress::detail
