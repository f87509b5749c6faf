// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "records/ChangeWatch.h"

#include "records/Database.h"
#include "records/DatabaseError.h"

#include <QObject>

namespace quillbill {

bool ChangeWatch::changed()
{
    // A server keeps no such count: its rows are read again each time.
    if (database_.kind() == Database::Kind::Server)
        return true;
    QSqlQuery marks =
        database_.execute(QStringLiteral("SELECT (SELECT data_version FROM pragma_data_version), total_changes()"));
    if (!marks.next())
        throw DatabaseError(QObject::tr("The database did not say whether it has changed."));
    found_ = Mark{marks.value(0).toLongLong(), marks.value(1).toLongLong()};
    return found_ != seen_;
}

} // namespace quillbill
