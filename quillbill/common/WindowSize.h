// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace quillbill {

class OptionsStore;

// Gives a window the size the user last left it at, kept in the options
// store under the window's objectName, and otherwise `initial`. Inside the
// main window's frame the frame is sized so that the window gets that size.
// The size is kept each time the window is hidden, which closing does.
class WindowSize : public QObject {
    Q_OBJECT
public:
    // `window` must carry its objectName already.
    static void remember(QWidget* window, OptionsStore& options, QSize initial);

    // The window's natural size with room for `characters` more characters of
    // its font in width. A text box's natural width is about 17 characters;
    // 30 more show a long street address whole.
    static QSize widened(const QWidget* window, int characters = 30);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowSize(QWidget* window, OptionsStore& options, QSize wanted);
    void fitFrame();

    QWidget* window_;
    OptionsStore& options_;
    QSize wanted_;
    bool shown_ = false;
};

} // namespace quillbill
