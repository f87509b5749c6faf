// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "drawing/PrinterModule.h"

#include "drawing/EngineModule.h"

namespace quirepress::detail {

const PrinterModule* printerModule(QString* problem)
{
    static const ModuleEntry module = loadModuleEntry(printerModuleFile, printerModuleEntry);
    if (!module.function) {
        if (problem)
            *problem = module.problem;
        return nullptr;
    }
    return reinterpret_cast<PrinterModuleEntry>(module.function)();
}

} // namespace quirepress::detail
