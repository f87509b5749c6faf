// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/MessageBoxes.h>

#include <QStringList>

// Message boxes of the report engine that record what was said and answer
// questions as told.
class RecordedMessages final : public quirepress::MessageBoxes {
public:
    bool askYesNo(const QString& text, const QString&) override
    {
        said << text;
        return answer;
    }
    void inform(const QString& text, const QString&) override { said << text; }

    QStringList said;
    bool answer = true;
};
