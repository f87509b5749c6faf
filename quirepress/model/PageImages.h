#pragma once

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QSet>
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

// The page images one report has written. They are deleted by what was
// written, not by the report's page count: a later run (the printer run
// started from the preview) counts its own pages.
class WrittenPageImages {
public:
    WrittenPageImages() = default;
    ~WrittenPageImages() { deleteAll(); }
    WrittenPageImages(const WrittenPageImages&) = delete;
    WrittenPageImages& operator=(const WrittenPageImages&) = delete;

    // savePageImage(), remembering `path`.
    void save(const QImage& page, const QString& path);
    // Deletes every page image saved so far that is still there.
    void deleteAll();

private:
    QSet<QString> paths_;
};

// This user's own folder for page images and mail attachments:
// "quirepress-" and the user id under QDir::tempPath(), made with mode 0700
// when missing, ending in a separator. The system's temporary folder is
// shared by every user of the machine, so what is there already is used
// only when it is a real folder (not a symbolic link) of this user's that
// nobody else may enter; otherwise this is empty.
QString privateTemporaryFolder();
// privateTemporaryFolder() for writing into now: Error 75 when there is none.
QString requirePrivateTemporaryFolder();

// Deletes the page images of other days ("qrp*.bmp" whose day and month, the
// characters after "qrp", are not `today`'s) in `temporaryFolder`. Today's
// stay: another report may still be showing them. A file that cannot be
// deleted is left for a later report.
void deleteOtherDaysPageImages(const QString& temporaryFolder, const QDate& today);

} // namespace quirepress::detail
