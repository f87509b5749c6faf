// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "backup/RestorePlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

namespace quillbill {

namespace {

bool isWithin(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

} // namespace

QStringList restorePlaces(const QString& home, const QString& backupFolder, const QString& user,
                          const QStringList& mountPoints)
{
    QStringList places{QDir::cleanPath(home), QDir::cleanPath(backupFolder)};
    QStringList media;
    if (!user.isEmpty())
        media << QStringLiteral("/media/") + user << QStringLiteral("/run/media/") + user;
    for (const QString& mounted : mountPoints) {
        const QString point = QDir::cleanPath(mounted);
        const bool isMedium = point == QStringLiteral("/mnt") || isWithin(point, QStringLiteral("/mnt"))
            || std::any_of(media.begin(), media.end(),
                           [&](const QString& folder) { return point != folder && isWithin(point, folder); });
        if (isMedium && !places.contains(point))
            places << point;
    }
    places.removeDuplicates();
    return places;
}

QStringList restorePlaces(const QString& backupFolder)
{
    const passwd* account = ::getpwuid(::getuid());
    const QString user = account ? QString::fromLocal8Bit(account->pw_name) : QString();
    QStringList mountPoints;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid())
            mountPoints << volume.rootPath();
    mountPoints.sort();
    QStringList places = restorePlaces(QDir::homePath(), backupFolder, user, mountPoints);
    // A backup folder not made yet is no place to look in.
    places.removeIf([](const QString& place) { return !QFileInfo(place).isDir(); });
    return places;
}

int placeOf(const QStringList& places, const QString& folder)
{
    const QString path = QDir::cleanPath(folder);
    int best = -1;
    for (int i = 0; i < places.size(); ++i)
        if (isWithin(path, places[i]) && (best < 0 || places[i].size() > places[best].size()))
            best = i;
    return best;
}

} // namespace quillbill
