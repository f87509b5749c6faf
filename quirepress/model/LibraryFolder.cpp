// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "model/LibraryFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace quirepress::detail {

QString libraryFolder()
{
    // The address of this very function lies in the library's code.
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&libraryFolder), &info) != 0 && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

} // namespace quirepress::detail
