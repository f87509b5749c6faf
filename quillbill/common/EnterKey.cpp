// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/EnterKey.h"

#include <QApplication>
#include <QPushButton>
#include <QShortcut>

namespace quillbill {

void pressOnEnter(QWidget* window, QPushButton* button)
{
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, [button] {
            auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
            QPushButton* target = focused && focused->isEnabled() ? focused : button;
            if (target->isEnabled())
                target->click();
        });
    }
}

} // namespace quillbill
