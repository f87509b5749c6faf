#pragma once

#include <QString>

#include <functional>

namespace quillbill {

struct AppContext;
class frmFileMoveCopy;

// Copies the database into DataBackup/ under a time-stamped name, showing
// the progress window. "Done" appears only when the copy has the size of
// the database and passes the integrity check. Any failure is reported as
// "Unable to create backup."; the database itself is never touched.
// Returns the progress window, which deletes itself when closed.
frmFileMoveCopy* CreateBackup(AppContext& app);

// Puts the backup at `backupPath` in place of the database and reopens
// MainDatabase on it. The backup is checked first: a file that is not a
// whole Quillbill database is refused with a message and the live database
// stays as it is, open. `closeChildWindows` runs once the file has passed the
// check and before the live file is replaced, since open windows hold data
// of the old one. Returns false when
// the backup was refused or could not be put in place.
bool RestoreFromBackup(AppContext& app, const QString& backupPath, const std::function<void()>& closeChildWindows,
                       frmFileMoveCopy** progress = nullptr);

} // namespace quillbill
