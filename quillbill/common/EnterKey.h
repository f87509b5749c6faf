// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

class QPushButton;
class QWidget;

namespace quillbill {

// Enter (either key) anywhere in `window` presses `button`, its main button,
// as in a dialog; a button that has the focus is pressed instead, so Enter on
// "Close" still closes.
void pressOnEnter(QWidget* window, QPushButton* button);

} // namespace quillbill
