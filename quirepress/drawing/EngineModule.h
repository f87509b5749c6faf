// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

namespace quirepress::detail {

// An entry function of one of the engine's modules (libquirepress-pdf.so,
// libquirepress-print.so), which hold what only some runs need and bring
// libraries a program would otherwise load at every start.
struct ModuleEntry {
    // The function's address; null when the module or the function could
    // not be loaded.
    void* function = nullptr;
    // Why not, when it is null.
    QString problem;
};

// Opens the module `file` from the engine library's own folder (in
// quirepress1/ when installed, beside the library in a build; else where
// the loader finds the program's libraries) and looks `entry` up in it.
// The module stays loaded for the process: what it makes is its code.
ModuleEntry loadModuleEntry(const char* file, const char* entry);

} // namespace quirepress::detail
