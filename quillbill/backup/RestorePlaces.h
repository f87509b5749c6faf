// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>
#include <QStringList>

namespace quillbill {

// The places the restore window offers to look for a backup in: the user's
// home, the program's backup folder, and the media mounted for the user
// (removable drives under /media/USER and /run/media/USER, and whatever is
// mounted at or under /mnt). The root of the file system holds no one's
// files and is not offered. `mountPoints` are the mounted volumes' roots.
QStringList restorePlaces(const QString& home, const QString& backupFolder, const QString& user,
                          const QStringList& mountPoints);

// The same for this user and the volumes mounted now.
QStringList restorePlaces(const QString& backupFolder);

// The place of `places` that `folder` lies in, the innermost one; -1 when
// it lies in none.
int placeOf(const QStringList& places, const QString& folder);

} // namespace quillbill
