// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quillbill {

// The time stamp in a backup file's name: month, day, four-digit year, "_",
// hour on the 12-hour clock, minutes, seconds and the AM or PM designator,
// with nothing in between ("12072026_020509PM").
QString makeBackupStamp(const QDateTime& when, const QLocale& locale = QLocale());

// "DataBackup/db_be_" + stamp + ".BAK", relative to the program folder.
QString backupFileName(const QString& stamp);

} // namespace quillbill
