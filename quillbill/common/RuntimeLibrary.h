// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QByteArray>
#include <QString>

namespace quillbill {

// A shared library the program opens when it first needs it, so that the
// dynamic loader does not load it, and all it brings, at every start. It
// stays open for the rest of the process.
class RuntimeLibrary {
public:
    // `file` is a path, or a bare file name, which is looked for as the
    // loader looks for the program's own libraries: LD_LIBRARY_PATH, the
    // program's run path, then the system's folders.
    explicit RuntimeLibrary(const QByteArray& file);

    bool isOpen() const { return handle_ != nullptr; }

    // Sets `function` to the library's function `name`; false, with
    // problem() telling why, when the library has none of that name.
    template <typename Function>
    bool resolve(const char* name, Function*& function)
    {
        function = reinterpret_cast<Function*>(symbol(name));
        return function != nullptr;
    }

    // What the loader said when opening the library, or resolving a
    // function, failed.
    const QString& problem() const { return problem_; }

private:
    using AnyFunction = void (*)();
    AnyFunction symbol(const char* name);

    void* handle_ = nullptr;
    QString problem_;
};

} // namespace quillbill
