// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/RuntimeLibrary.h"

#include <dlfcn.h>

namespace quillbill {

// dlopen is called here, in the program's own binary, rather than through
// QLibrary: the loader searches the run path of the binary that asks, so a
// bare name is found where the program's linked libraries are (for the
// build's programs and tests, the build's program folder).
//
// It is dlmopen into the program's own namespace, which is dlopen itself,
// except that AddressSanitizer does not stand in for it: its dlopen calls
// the loader from the sanitizer's library, whose run path is not the
// program's, and a bare name would no longer be found.
RuntimeLibrary::RuntimeLibrary(const QByteArray& file)
    : handle_(dlmopen(LM_ID_BASE, file.constData(), RTLD_NOW | RTLD_LOCAL))
{
    if (!handle_)
        problem_ = QString::fromLocal8Bit(dlerror());
}

RuntimeLibrary::AnyFunction RuntimeLibrary::symbol(const char* name)
{
    if (!handle_)
        return nullptr;
    dlerror();
    void* address = dlsym(handle_, name);
    if (!address) {
        const char* error = dlerror();
        problem_ = error ? QString::fromLocal8Bit(error) : QString::fromLatin1(name);
    }
    // POSIX guarantees that a function's address survives the trip through
    // void*.
    return reinterpret_cast<AnyFunction>(address);
}

} // namespace quillbill
