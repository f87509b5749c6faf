// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/SelectAllOnFocus.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace quillbill {

SelectAllOnFocus::SelectAllOnFocus(QLineEdit* box) : QObject(box) { box->installEventFilter(this); }

void SelectAllOnFocus::install(QLineEdit* box) { new SelectAllOnFocus(box); }

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // A click places the cursor after the focus arrives; selecting once
        // the click is handled keeps the selection.
        QPointer<QLineEdit> box = qobject_cast<QLineEdit*>(watched);
        QTimer::singleShot(0, this, [box] {
            if (box && box->hasFocus())
                box->selectAll();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillbill
