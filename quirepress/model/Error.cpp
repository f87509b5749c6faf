// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include <quirepress/Error.h>

namespace quirepress {

Error::Error(int number, QString source, QString description)
    : number_(number),
      source_(std::move(source)),
      description_(std::move(description)),
      what_(QStringLiteral("%1 (%2): %3").arg(source_).arg(number_).arg(description_).toStdString())
{}

const char* Error::what() const noexcept { return what_.c_str(); }

} // namespace quirepress
