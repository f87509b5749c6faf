// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/ChildWindow.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace quillbill {

ChildWindow::ChildWindow(ChildKind kind, QWidget* parent) : QWidget(parent), kind_(kind) {}

void ChildWindow::closeChild()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closing(kind_);
}

} // namespace quillbill
