// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// The steps every picture run takes on the program's windows: doing what a
// user does to a control, and writing what a window shows as a PNG file.

#include "common/MessageBoxes.h"

#include <QString>

class QPixmap;
class QWidget;

namespace quillbill::screenshots {

// Message boxes would stop a picture run: each is printed instead, and a
// question is answered Yes.
class PrintedMessageBoxes final : public MessageBoxes {
public:
    bool askYesNo(QWidget*, const QString& text, const QString&) override { return say(text), true; }
    void inform(QWidget*, const QString& text, const QString&) override { say(text); }
    void warn(QWidget*, const QString& text, const QString&) override { say(text); }

private:
    static void say(const QString& text);
};

// Writes `picture` to `folder`/`name`.png and names the file on standard
// output.
void writePicture(const QPixmap& picture, const QString& folder, const QString& name);

// Writes what `widget` shows to `folder`/`name`.png and names the file on
// standard output.
void save(QWidget* widget, const QString& folder, const QString& name);

// Chooses `company` in the window's customer list as a click on it does.
void chooseCustomer(QWidget* window, const QString& company);

// Types `text` into the box `name` of `window` as the user does.
void typeInto(QWidget* window, const char* name, const QString& text);

// Adds a job to the new-invoice window with its Add Job button.
void addJob(QWidget* window, const QString& description, const QString& sum);

// Opens the E-mail page of the options window `window` and fills it in
// with the sample office's server and sender, once the keyring answered.
void fillSampleMailPage(QWidget* window);

// The report engine's preview window that is on screen.
QWidget* shownPreview();

// Chooses the zoom `choice` ("100%", "Page Width" ...) in the preview's list
// as the user does.
void chooseZoom(QWidget* preview, const QString& choice);

// The top-level window of that objectName, shown or not; throws if none.
QWidget* topLevelWindow(const QString& objectName);

} // namespace quillbill::screenshots
