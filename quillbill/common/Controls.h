// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>

#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quillbill {

// Controls carry the objectName that tests and automation find them by.
QPushButton* makeButton(const QString& name, const QString& caption);
QLineEdit* makeTextBox(const QString& name);
QLabel* makeLabel(const QString& name, const QString& text);

// Puts `text` into `box` and widens the box, where its layout lets it, to
// show the text whole: a date or number the program fills in for the user
// to read.
void showFilledIn(QLineEdit* box, const QString& text);

// Places a top-level window in the middle of the primary screen.
void centerOnScreen(QWidget* window);

// A window's row of buttons, right-aligned.
QHBoxLayout* makeButtonRow(std::initializer_list<QWidget*> buttons);

} // namespace quillbill
