// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <functional>

// Answers the next file dialog once it is on screen, as a user does: types
// `path` into its name box and accepts, or cancels when `path` is empty.
// `look`, when given, sees the dialog first, as it was offered.
//
// The name is typed rather than given to selectFile(), which the dialog may
// undo while it is still reading its folder; for the same reason a dialog
// still open is answered again. After a few seconds the answering stops, so
// no test hangs on it.
inline void answerFileDialog(const QString& path, std::function<void(QFileDialog&)> look = {}, int triesLeft = 500,
                             bool answered = false)
{
    QTimer::singleShot(10, qApp, [path, look = std::move(look), triesLeft, answered]() mutable {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            if (look) {
                look(*dialog);
                look = nullptr;
            }
            if (path.isEmpty()) {
                dialog->reject();
            } else if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                name->setText(path);
                QMetaObject::invokeMethod(dialog, "accept");
            }
            answered = true;
        }
        bool stillOpen = false;
        for (QWidget* widget : QApplication::topLevelWidgets())
            stillOpen = stillOpen || (qobject_cast<QFileDialog*>(widget) && widget->isVisible());
        // Before the dialog shows, and while it stays open after an answer.
        if ((stillOpen || !answered) && triesLeft > 0)
            answerFileDialog(path, std::move(look), triesLeft - 1, answered);
    });
}
