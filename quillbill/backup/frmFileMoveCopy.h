// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillbill {

// The progress window of a backup or a restore: a moving bar while the copy
// runs, a status line, and "Done" once the copy has been checked. It is
// modeless, and the program does not end while it is open.
class frmFileMoveCopy : public QWidget {
    Q_OBJECT
public:
    explicit frmFileMoveCopy(QWidget* parent = nullptr);

    // Shows the window with `caption` and `status` and starts the animation.
    void begin(const QString& caption, const QString& status);
    // The copy is verified: hides the status line, shows "Done", stops the
    // animation and sets `caption`. `result`, when given, stays on show and
    // can be selected and copied (where the backup went).
    void finish(const QString& caption, const QString& result = {});

    // The copy failed or was refused: stops the animation, sets `caption` and
    // leaves a button that closes the window; isDone() stays false.
    void fail(const QString& caption);

    bool isDone() const;
    // Finished either way: the animation has stopped.
    bool hasEnded() const;

private:
    QProgressBar* Animation1_;
    QLabel* Label1_;
    QLabel* lblResult_;
    QPushButton* cmdDone_;
    bool done_ = false;
    bool ended_ = false;
};

} // namespace quillbill
