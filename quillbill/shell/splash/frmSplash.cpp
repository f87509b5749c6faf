// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/splash/frmSplash.h"

#include "common/Controls.h"
#include "common/ProgramInfo.h"
#include "shell/tips/ProgramIdentity.h"

#include <QFrame>
#include <QGridLayout>
#include <QTimer>

namespace quillbill {

namespace {
constexpr int tickMs = 500;
constexpr int lastTick = 5;
} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), timer_(new QTimer(this))
{
    setObjectName("frmSplash");
    setWindowTitle(ProgramInfo::title);

    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::Box | QFrame::Raised);
    frame->setLineWidth(2);
    auto* inner = new QGridLayout(frame);
    inner->setContentsMargins(24, 24, 24, 24);
    inner->addWidget(makeVersionRecordPanel());
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);

    timer_->setInterval(tickMs);
    connect(timer_, &QTimer::timeout, this, &frmSplash::tick);
}

void frmSplash::start()
{
    centerOnScreen(this);
    ticks_ = 0;
    timer_->start();
}

void frmSplash::tick()
{
    if (ticks_ == lastTick) {
        timer_->stop();
        // The next window opens before the splash closes, so that the program
        // never runs without a window.
        emit finished();
        close();
        return;
    }
    ++ticks_;
}

} // namespace quillbill
