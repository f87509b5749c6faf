// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "drawing/EngineModule.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <dlfcn.h>

namespace quirepress::detail {

namespace {

// Found from where this function's code was loaded from.
QStringList moduleCandidates(const char* file)
{
    Dl_info info{};
    QStringList candidates;
    if (dladdr(reinterpret_cast<void*>(&moduleCandidates), &info) != 0 && info.dli_fname) {
        const QString folder = QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
        candidates << folder + QStringLiteral("/quirepress" QUIREPRESS_SOVERSION "/") + QLatin1String(file)
                   << folder + u'/' + QLatin1String(file);
    }
    candidates << QLatin1String(file);
    return candidates;
}

} // namespace

ModuleEntry loadModuleEntry(const char* file, const char* entry)
{
    ModuleEntry found;
    for (const QString& candidate : moduleCandidates(file)) {
        if (candidate.contains(u'/') && !QFileInfo::exists(candidate))
            continue;
        // dlmopen into the process's own namespace is dlopen, except that
        // AddressSanitizer does not stand in for it and so does not hide
        // the run path of the code that asks.
        void* handle = dlmopen(LM_ID_BASE, QFile::encodeName(candidate).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            found.problem = QString::fromLocal8Bit(dlerror());
            continue;
        }
        found.function = dlsym(handle, entry);
        if (found.function)
            return found;
        found.problem = QString::fromLocal8Bit(dlerror());
    }
    if (found.problem.isEmpty())
        found.problem = QLatin1String(file);
    return found;
}

} // namespace quirepress::detail
