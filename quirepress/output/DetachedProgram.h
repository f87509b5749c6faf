// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>
#include <QStringList>

namespace quirepress::detail {

// Starts the desktop program `program` (a name found on PATH, or a path)
// with `arguments`, and does not wait for it: it goes on after the report
// and the caller's program are done, and is never left behind as a child
// to be reaped.
// False when there is no such program or it could not be started.
//
// QProcess::startDetached() copies the whole calling process with fork()
// to do this, which for a program holding a large report costs more than
// writing a text file of a hundred thousand lines. Here the calling process
// is not copied: a shell is spawned, which starts the program in the
// background and ends at once.
bool startDetachedProgram(const QString& program, const QStringList& arguments);

} // namespace quirepress::detail
