// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

namespace quillbill {

// Discards the typed characters a text box does not take, without a sound.
// Only typing is filtered: keys that type nothing (arrows, Tab, Delete),
// control characters such as Backspace, shortcuts such as Ctrl+V, and pasted
// text pass.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    using Accepts = std::function<bool(QChar)>;

    // Installs a filter on `box` that lets through the characters `accepts`.
    static void install(QLineEdit* box, Accepts accepts);

    static bool isDigit(QChar c);
    // A digit or a letter A to Z, a to z.
    static bool isDigitOrLetter(QChar c);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilter(QLineEdit* box, Accepts accepts);

    Accepts accepts_;
};

} // namespace quillbill
