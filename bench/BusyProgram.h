// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// One program folder with a busy year's database (BusyYearDatabase) and the
// delivered layouts of the invoice report and the aging report, made once
// for every benchmark of a run that asks for it.

#include "BusyYearDatabase.h"
#include "ProgramMessageBoxes.h"

#include "app/AppContext.h"

#include <QTemporaryDir>

namespace bench {

struct BusyProgram {
    BusyProgram();

    QTemporaryDir folder;
    RecordedMessageBoxes messages;
    quillbill::AppContext app{folder.path(), messages};
    BusyYear year;
    // False when the folder could not be made; the benchmark skips.
    bool ready = false;
};

// Made on the first call. Its program state's report statement selects the
// whole year, every company, paid or not.
BusyProgram& busyProgram();

} // namespace bench
