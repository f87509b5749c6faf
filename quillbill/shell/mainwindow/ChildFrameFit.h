// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QObject>

class QMdiArea;
class QMdiSubWindow;

namespace quillbill {

// Keeps a child window's frame inside the main window and its child whole:
// the frame opens no larger than the area it lives in, and grows, when
// the child's content comes to need more (a long address shown once a
// customer is chosen), as far as the area allows. What still does not fit
// the area is reached through the area's scroll bars.
class ChildFrameFit : public QObject {
    Q_OBJECT
public:
    // Fits `frame` into `area` now and whenever its child's layout changes.
    static void install(QMdiSubWindow* frame, QMdiArea* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ChildFrameFit(QMdiSubWindow* frame, QMdiArea* area);
    void fit();

    QMdiSubWindow* frame_;
    QMdiArea* area_;
};

} // namespace quillbill
