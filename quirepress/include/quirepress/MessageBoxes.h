// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Export.h>

#include <QString>

#include <memory>

namespace quirepress {

// Every message box the report engine shows goes through this interface, so
// that a caller (or a test) can put its own in place of the real ones.
class QUIREPRESS_EXPORT MessageBoxes {
public:
    virtual ~MessageBoxes();

    // A question with Yes and No buttons, No being the default; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    // A notice with an OK button.
    virtual void inform(const QString& text, const QString& title) = 0;
};

// Message boxes shown with QMessageBox over the application's active window.
QUIREPRESS_EXPORT std::shared_ptr<MessageBoxes> dialogMessageBoxes();

} // namespace quirepress
