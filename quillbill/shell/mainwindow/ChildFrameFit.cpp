// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/mainwindow/ChildFrameFit.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace quillbill {

void ChildFrameFit::install(QMdiSubWindow* frame, QMdiArea* area)
{
    auto* fit = new ChildFrameFit(frame, area);
    fit->fit();
}

ChildFrameFit::ChildFrameFit(QMdiSubWindow* frame, QMdiArea* area) : QObject(frame), frame_(frame), area_(area)
{
    frame->installEventFilter(this);
}

bool ChildFrameFit::eventFilter(QObject* watched, QEvent* event)
{
    // The child has laid itself out again, and its minimum may have grown.
    if (watched == frame_ && event->type() == QEvent::LayoutRequest)
        fit();
    return false;
}

void ChildFrameFit::fit()
{
    const QWidget* child = frame_->widget();
    if (!child || frame_->isMaximized() || frame_->isMinimized())
        return;
    // The frame's title bar and borders.
    const QSize decoration = frame_->size() - child->size();
    const QSize needed = child->minimumSizeHint() + decoration;
    const QSize room = area_->viewport()->size();
    const QSize size = frame_->size().expandedTo(needed).boundedTo(room).expandedTo(needed);
    if (size != frame_->size())
        frame_->resize(size);
    // Grown, it moves back in so that its far edges stay within the area.
    QPoint at = frame_->pos();
    at.setX(std::max(0, std::min(at.x(), room.width() - size.width())));
    at.setY(std::max(0, std::min(at.y(), room.height() - size.height())));
    if (at != frame_->pos())
        frame_->move(at);
}

} // namespace quillbill
