// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QWidget>

class QTimer;

namespace quillbill {

// The splash window: shown for about three seconds at start-up, then closed;
// finished() tells the start-up to go on.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    // Starts the timer that closes the splash on its sixth tick.
    void start();
    int ticks() const { return ticks_; }

signals:
    void finished();

private:
    void tick();

    QTimer* timer_;
    int ticks_ = 0;
};

} // namespace quillbill
