// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace quirepress::detail {

// A report's preview files in the temporary folder are named from "qrp" and
// the report's creation time as ddMMyyhhmmss.
QString pageImageBaseName(const QDateTime& created);

// This user's own folder for page images and mail attachments, ending in a
// separator. The system's temporary folder is shared by every user of the
// machine, and another user may make any name there first; so a folder is
// used only when it is a real folder (not a symbolic link) of this user's
// that nobody else may enter (mode 0700). In this order:
// 1. "quirepress-" and the user id under QDir::tempPath(), made when missing;
// 2. "quirepress" under $XDG_RUNTIME_DIR, the user's own runtime folder,
//    which only the system makes, made when missing;
// 3. a folder made anew, "quirepress-<uid>-" and six random characters under
//    QDir::tempPath(): `madeAnew` is then true, and the report that asked
//    removes it when it ends.
// Empty when none of them is to be had.
QString privateTemporaryFolder(bool& madeAnew);
// Whether `folder` (as privateTemporaryFolder() gives it) is still such a
// folder.
bool isPrivateFolder(const QString& folder);
// For writing into now: `folder` while it is still the user's own, else a
// folder found anew (`madeAnew` as above); Error 75 when there is none.
QString requirePrivateTemporaryFolder(const QString& folder, bool& madeAnew);
// Removes a folder that privateTemporaryFolder() made anew, when nothing is
// left in it (a mail attachment may still be waiting to be read).
void releaseTemporaryFolder(const QString& folder);

// Deletes the preview files of other days (page spools "qrp*.qpg", and the
// page images "qrp*.bmp" of earlier versions, whose day and month, the
// characters after "qrp", are not `today`'s) in `temporaryFolder`. Today's
// stay: another report may still be showing them. A file that cannot be
// deleted is left for a later report.
void deleteOtherDaysPageImages(const QString& temporaryFolder, const QDate& today);

} // namespace quirepress::detail
