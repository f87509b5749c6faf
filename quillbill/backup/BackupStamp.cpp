#include "backup/BackupStamp.h"

namespace quillbill {

QString makeBackupStamp(const QDateTime& when, const QLocale& locale)
{
    // "hh" with "AP" in the format is the 12-hour clock, 12 for noon and midnight.
    return locale.toString(when, QStringLiteral("MMddyyyy_hhmmssAP")).remove(u' ');
}

QString backupFileName(const QString& stamp)
{
    return QStringLiteral("DataBackup/db_be_") + stamp + QStringLiteral(".BAK");
}

} // namespace quillbill
