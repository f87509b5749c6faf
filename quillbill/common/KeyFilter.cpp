// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace quillbill {

KeyFilter::KeyFilter(QLineEdit* box, Accepts accepts) : QObject(box), accepts_(std::move(accepts)) {}

void KeyFilter::install(QLineEdit* box, Accepts accepts)
{
    box->installEventFilter(new KeyFilter(box, std::move(accepts)));
}

bool KeyFilter::isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool KeyFilter::isDigitOrLetter(QChar c) { return isDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Shortcuts such as Ctrl+A and Ctrl+V are commands, not typing, even
    // where the platform gives them the text of their letter.
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
        return false;
    const QString text = key->text();
    for (const QChar c : text)
        if (c.isPrint() && !accepts_(c))
            return true;
    return false;
}

} // namespace quillbill
