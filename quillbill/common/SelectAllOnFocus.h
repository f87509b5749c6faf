// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QObject>

class QLineEdit;

namespace quillbill {

// Selects the whole text of a box whenever it gets the focus, by Tab or by a
// click, so that typing replaces what is there ("0.00" in a sum box).
class SelectAllOnFocus : public QObject {
    Q_OBJECT
public:
    static void install(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit SelectAllOnFocus(QLineEdit* box);
};

} // namespace quillbill
