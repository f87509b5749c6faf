// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "drawing/PdfSurface.h"

#include <quirepress/Error.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace quirepress::detail {

namespace {

// The module lies in the engine library's own folder: in quirepress1/ when
// installed (/usr/lib/x86_64-linux-gnu/quirepress1/), beside the library
// in a build. Found from where this function's code was loaded from.
QStringList moduleCandidates()
{
    Dl_info info{};
    QStringList candidates;
    if (dladdr(reinterpret_cast<void*>(&moduleCandidates), &info) != 0 && info.dli_fname) {
        const QString folder = QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
        candidates << folder + QStringLiteral("/quirepress" QUIREPRESS_SOVERSION "/") + QLatin1String(pdfModuleFile)
                   << folder + u'/' + QLatin1String(pdfModuleFile);
    }
    // Else where the loader finds the program's libraries.
    candidates << QLatin1String(pdfModuleFile);
    return candidates;
}

struct LoadedModule {
    PdfSurfaceMaker make = nullptr;
    QString problem;

    LoadedModule()
    {
        for (const QString& candidate : moduleCandidates()) {
            const bool path = candidate.contains(u'/');
            if (path && !QFileInfo::exists(candidate))
                continue;
            // Kept open for the process: the surfaces it makes are its code.
            // dlmopen into the process's own namespace is dlopen, except
            // that AddressSanitizer does not stand in for it and so does
            // not hide the run path of the code that asks.
            void* handle = dlmopen(LM_ID_BASE, QFile::encodeName(candidate).constData(), RTLD_NOW | RTLD_LOCAL);
            if (!handle) {
                problem = QString::fromLocal8Bit(dlerror());
                continue;
            }
            make = reinterpret_cast<PdfSurfaceMaker>(dlsym(handle, pdfModuleEntry));
            if (make)
                return;
            problem = QString::fromLocal8Bit(dlerror());
        }
        if (problem.isEmpty())
            problem = QLatin1String(pdfModuleFile);
    }
};

} // namespace

std::unique_ptr<PdfSurface> makePdfSurface(QIODevice* device, QSize pageTwips, double dotsPerInch)
{
    static const LoadedModule module;
    if (!module.make)
        throw Error(48, QStringLiteral("Quirepress.Output"),
                    QCoreApplication::translate("quirepress::detail::PdfSurface",
                                                "Error in loading DLL: the PDF writer cannot be loaded (%1).")
                        .arg(module.problem));
    return std::unique_ptr<PdfSurface>(module.make(device, pageTwips, dotsPerInch));
}

} // namespace quirepress::detail
