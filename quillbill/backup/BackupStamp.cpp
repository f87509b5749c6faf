// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "backup/BackupStamp.h"

namespace quillbill {

QString makeBackupStamp(const QDateTime& when, const QLocale& locale)
{
    // The digits are ASCII in every language, so that the names of all
    // backups read and sort alike; only the AM or PM designator is the
    // locale's. Noon and midnight are hour 12.
    const QDate day = when.date();
    const QTime time = when.time();
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    return QString::asprintf("%02d%02d%04d_%02d%02d%02d", day.month(), day.day(), day.year(), hour, time.minute(),
                             time.second())
        + QString(designator).remove(u' ');
}

QString backupFileName(const QString& stamp)
{
    return QStringLiteral("DataBackup/db_be_") + stamp + QStringLiteral(".BAK");
}

} // namespace quillbill
