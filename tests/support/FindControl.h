#pragma once

// Finding a control of the program's windows by its objectName, for the
// tests and for the tool that takes the windows' pictures.

#include <QWidget>

#include <stdexcept>
#include <string>

namespace quillbill::testing {

// A control of `window` by its objectName; a missing one throws, which ends
// a test or the picture run.
template <typename T>
T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return found;
}

} // namespace quillbill::testing
