// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Enums.h>

#include <QString>

namespace quirepress::detail {

// Where the user asked the output to go, as the output dialog offers it: a
// target and, for files and e-mail, the form of the text.
enum class OutputKind { Screen, Printer, File, Email, Pdf };

struct OutputChoice {
    OutputKind kind = OutputKind::Screen;
    // "HTML", "Text" or "CSV"; anything else counts as text.
    QString fileType = QStringLiteral("Text");
};

// The report target for a choice. Screen, printer and PDF file ignore the
// file type.
OutputOptions targetFor(const OutputChoice& choice);

// The file extension of a file or e-mail target, without the dot; empty for
// the screen, the printer and unknown targets.
QString extensionFor(OutputOptions target);

} // namespace quirepress::detail
