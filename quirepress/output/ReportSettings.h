// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "output/OutputChoice.h"

#include <QString>

namespace quirepress::detail {

// What the user last chose for one report, kept in the per-user settings
// store under the report's definition file name, so that the output dialog
// opens where it was left. A report without a name has nothing to remember:
// reads give the defaults and writes are dropped.
class ReportSettings {
public:
    explicit ReportSettings(const QString& reportName);

    // The first chosen of screen, printer, file, e-mail and PDF file; the
    // screen when none is.
    OutputChoice readChoice() const;
    void writeChoice(const OutputChoice& choice);

    // The last output file; report.<extension> in the library's folder
    // before there was one.
    QString readFileName(const QString& extension) const;
    void writeFileName(const QString& path);

private:
    QString value(const QString& key, const QString& fallback) const;
    void setValue(const QString& key, const QString& value);

    QString group_;
};

} // namespace quirepress::detail
