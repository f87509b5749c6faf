// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/AppState.h"
#include "common/MessageBoxes.h"
#include "common/OptionsStore.h"

#include <QDir>
#include <QString>

namespace quillbill {

// What every window of the program is given: the program-wide state, the
// preferences, the message boxes and the program folder. Tests build one on a
// temporary program folder with recording message boxes.
struct AppContext {
    AppContext(const QString& programFolder, MessageBoxes& messageBoxes)
        : folder(QDir(programFolder).absolutePath()), messages(messageBoxes)
    {}

    // A path below the program folder, given with '/' separators.
    QString path(const QString& relative) const { return folder + u'/' + relative; }

    const QString folder;
    MessageBoxes& messages;
    OptionsStore options;
    // Where the records are (see DatabaseChoice.h).
    OptionsStore databaseSettings{QStringLiteral("Quillbill"), QStringLiteral("Database")};
    AppState state;
};

} // namespace quillbill
