// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// Message boxes for benchmarks of the program's own code: each records
// what would have been shown, so that a failing run is reported instead of
// waiting on a box nobody will click.

#include "common/MessageBoxes.h"

#include <QString>

namespace bench {

class RecordedMessageBoxes final : public quillbill::MessageBoxes {
public:
    bool askYesNo(QWidget*, const QString& text, const QString&) override
    {
        said(text);
        return false;
    }
    void inform(QWidget*, const QString& text, const QString&) override { said(text); }
    void warn(QWidget*, const QString& text, const QString&) override { said(text); }

    // The first text shown; empty while nothing was.
    QString first;

private:
    void said(const QString& text)
    {
        if (first.isEmpty())
            first = text;
    }
};

} // namespace bench
