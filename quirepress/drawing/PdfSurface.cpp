// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "drawing/PdfSurface.h"

#include "drawing/EngineModule.h"

#include <quirepress/Error.h>

#include <QCoreApplication>

namespace quirepress::detail {

std::unique_ptr<PdfSurface> makePdfSurface(QIODevice* device, QSize pageTwips, double dotsPerInch)
{
    static const ModuleEntry module = loadModuleEntry(pdfModuleFile, pdfModuleEntry);
    if (!module.function)
        throw Error(48, QStringLiteral("Quirepress.Output"),
                    QCoreApplication::translate("quirepress::detail::PdfSurface",
                                                "Error in loading DLL: the PDF writer cannot be loaded (%1).")
                        .arg(module.problem));
    const auto make = reinterpret_cast<PdfSurfaceMaker>(module.function);
    return std::unique_ptr<PdfSurface>(make(device, pageTwips, dotsPerInch));
}

} // namespace quirepress::detail
