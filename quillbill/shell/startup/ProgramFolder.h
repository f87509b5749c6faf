// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quillbill::ProgramFolder {

// The folder that holds the program's files (DataBase/, DataBackup/,
// Reports/, Videos/, HelpFile/, TipOfTheDay.dat).
//
// A program run from its own folder (a build, or a copy of that folder) uses
// the folder of the executable. An installed program, whose folder the user
// cannot write, uses the per-user data folder instead, laid out from the
// installed defaults (`defaults`) on its first start. Its guide (HelpFile/)
// is brought up to the installed one at every start, and so are the report
// layouts the office never changed; everything else stays as the user left
// it.
QString locate(const QString& executableFolder, const QString& defaults, const QString& perUserFolder);

// What copyTree does with a file that is already there: keep it, replace
// it when its contents differ, or replace it when it is a report layout as
// an earlier version delivered it (see isDeliveredLayout).
enum class ExistingFiles { Keep, ReplaceDiffering, ReplaceDeliveredLayouts };

// Copies `from` into `to`, folders included, treating a file already there
// as `existing` says. False when something could not be copied.
bool copyTree(const QString& from, const QString& to, ExistingFiles existing = ExistingFiles::Keep);

} // namespace quillbill::ProgramFolder
