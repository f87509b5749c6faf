#pragma once

#include "common/MessageBoxes.h"

#include <QString>

#include <exception>
#include <functional>

namespace quillbill {

// What the user is told about a failure: a report engine error as "number -
// description", a database error as its message for the user, any other
// exception as its text.
QString failureText(std::exception_ptr failure);

// Runs `work`; when it throws, shows what it threw in one OK box titled
// `title` and returns false. Buttons use it instead of a catch block each.
bool runShowingFailure(MessageBoxes& messages, const QString& title, const std::function<void()>& work);

} // namespace quillbill
