#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace quirepress::detail {

// A report's preview files in the temporary folder are named from "qrp" and
// the report's creation time as ddMMyyhhmmss.
QString pageImageBaseName(const QDateTime& created);

// This user's own folder for page images and mail attachments:
// "quirepress-" and the user id under QDir::tempPath(), made with mode 0700
// when missing, ending in a separator. The system's temporary folder is
// shared by every user of the machine, so what is there already is used
// only when it is a real folder (not a symbolic link) of this user's that
// nobody else may enter; otherwise this is empty.
QString privateTemporaryFolder();
// privateTemporaryFolder() for writing into now: Error 75 when there is none.
QString requirePrivateTemporaryFolder();

// Deletes the preview files of other days (page spools "qrp*.qpg", and the
// page images "qrp*.bmp" of earlier versions, whose day and month, the
// characters after "qrp", are not `today`'s) in `temporaryFolder`. Today's
// stay: another report may still be showing them. A file that cannot be
// deleted is left for a later report.
void deleteOtherDaysPageImages(const QString& temporaryFolder, const QDate& today);

} // namespace quirepress::detail
