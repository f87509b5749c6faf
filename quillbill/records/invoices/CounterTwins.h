// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

namespace quillbill {

class Database;

// A billing code is one code whatever its letter case: "OBR" and "obr" share
// one invoice number counter. Files written before codes were compared that
// way may hold a counter row for each spelling (and older ones a row for
// each customer of a code).

// Whether some billing code has more than one counter row.
bool hasCounterTwins(const Database& database);

// Leaves one counter row per billing code: the oldest (lowest rowid, the one
// issuing reads), holding the largest number any row of the code gave out.
// Runs in the caller's transaction, which must hold the write lock.
void mergeCounterTwins(const Database& database);

} // namespace quillbill
