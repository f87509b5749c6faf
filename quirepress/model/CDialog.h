// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <cstdint>

namespace quirepress::detail {

// The file open and save dialogs of the library, over QFileDialog. Each use
// makes a fresh CDialog, sets a few members, shows it and reads the result.
class CDialog {
public:
    // When true, a cancelled dialog leaves error number 32755 (see lastError()).
    bool CancelError = true;
    // Option bits: 4 hide the read-only box, 8 keep the current folder,
    // 2048 the path must exist, 4096 the file must exist.
    int32_t flags = 0;
    QString DialogTitle;
    // The file name shown when the dialog opens; the chosen full path after.
    QString Filename;
    // After a successful dialog: the name without folder and extension.
    QString FileTitle;
    QString InitDir;
    // Which filter pair is selected, from 1.
    int16_t FilterIndex = 1;
    QString DefaultExt;
    QString CustomFilter;
    QString CustomFilterFilespec;
    // The platform's error code of the last dialog; 0 on success or cancel.
    int16_t Error = 0;

    // Label and pattern pairs separated by "|": "Report Definition|*.rdn".
    QString Filter() const { return filter_; }
    void setFilter(const QString& newValue) { filter_ = newValue; }

    // True when the user chose a file.
    bool ShowOpen();
    // Adds option bit 4 to flags first. True when the user chose a file.
    bool ShowSave();

    // 32755 after a cancel while CancelError is true, else 0.
    int lastError() const { return lastError_; }

private:
    bool show(bool save);

    QString filter_;
    int lastError_ = 0;
};

} // namespace quirepress::detail
