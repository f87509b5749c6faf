// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/help/HelpKey.h"

#include "shell/help/HelpTopics.h"

#include <QKeyEvent>
#include <QWidget>

namespace quillbill {

namespace {
bool isPlainF1(const QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
}
} // namespace

HelpKey::HelpKey(AppContext& app, QObject* parent) : QObject(parent), launcher_(app) {}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (!isPlainF1(event) || !watched->isWidgetType())
        return false;
    // Claiming the shortcut stops Help > Contents from taking the key; the
    // key press that follows is the one acted on.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (static_cast<const QKeyEvent*>(event)->isAutoRepeat())
        return true;
    // Key presses go to the widget with the keyboard focus: the window that
    // holds it is the one being worked in.
    auto* widget = static_cast<QWidget*>(watched);
    launcher_.open(widget->window(), HelpTopics::pageFor(widget));
    return true;
}

} // namespace quillbill
