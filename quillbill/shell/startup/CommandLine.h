// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QStringList>

#include <optional>

namespace quillbill {

// Answers what the command line asks before the program starts: `--version`
// and `--help` print on stdout, an unknown option prints the usage on stderr.
// It runs before the window system's application object exists (under a
// core application that carries the translations), so it needs no display
// and touches neither the program folder nor the database. Qt's own options
// (-platform, -style ...) are left for QApplication.
//
// `arguments` holds the program name first, as argv does. Returns the exit
// status when the program is to end here, nothing when it is to start.
std::optional<int> answerCommandLine(const QStringList& arguments);

} // namespace quillbill
