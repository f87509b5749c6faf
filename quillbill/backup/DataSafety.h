// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "backup/DatabaseFiles.h"

#include <QString>

#include <functional>

namespace quillbill {

struct AppContext;
class frmFileMoveCopy;

// Copies the database into DataBackup/ under a time-stamped name, showing
// the progress window. "Done" appears only when the copy has the size of
// the database and passes the integrity check; otherwise the window ends as
// failed and "Unable to create backup." says why. The database itself is never
// touched. Leftovers of killed backups in the folder are removed first.
// Returns the progress window, which deletes itself when closed.
frmFileMoveCopy* CreateBackup(AppContext& app);

// Whether the file at `backupPath` is a whole Quillbill database, which a
// restore can take; when it is not, the user is told why.
bool isRestorable(AppContext& app, const QString& backupPath);

// Copies the backup at `backupPath` into MainDatabase, which stays open. The
// backup is checked first: a file that is not a whole Quillbill database is
// refused with a message and the live database stays as it is.
// `closeChildWindows` runs once the file has passed the check and before the
// copy, since open windows hold data of the old one. The copy is all or
// nothing; a failure (another program writing the file, a full disk) is told
// to the user, and the progress window always ends, "Done" only when the
// restored database has passed its check. `onStep` is told each step of the
// copy. Returns whether the backup is in.
bool RestoreFromBackup(AppContext& app, const QString& backupPath, const std::function<void()>& closeChildWindows,
                       frmFileMoveCopy** progress = nullptr,
                       const std::function<void(DatabaseFiles::RestoreStep)>& onStep = {});

} // namespace quillbill
