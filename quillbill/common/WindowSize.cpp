// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/WindowSize.h"

#include "common/OptionsStore.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QWidget>

namespace quillbill {

namespace {

std::optional<QSize> parseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.isEmpty())
        return std::nullopt;
    return size;
}

} // namespace

void WindowSize::remember(QWidget* window, OptionsStore& options, QSize initial)
{
    const QString key = OptionKey::windowSize(window->objectName());
    const QSize wanted = parseSize(options.text(key, {})).value_or(initial);
    window->resize(wanted);
    new WindowSize(window, options, wanted);
}

QSize WindowSize::widened(const QWidget* window, int characters)
{
    const QSize natural = window->sizeHint();
    return {natural.width() + window->fontMetrics().averageCharWidth() * characters, natural.height()};
}

WindowSize::WindowSize(QWidget* window, OptionsStore& options, QSize wanted)
    : QObject(window), window_(window), options_(options), wanted_(wanted)
{
    window->installEventFilter(this);
}

bool WindowSize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return false;
    if (event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        fitFrame();
    } else if (event->type() == QEvent::Hide && shown_) {
        const auto* frame = qobject_cast<QMdiSubWindow*>(window_->parentWidget());
        const QWidget* outer = frame ? frame : window_;
        // A minimised or maximised window's size is not one the user chose.
        if (!outer->isMinimized() && !outer->isMaximized() && !window_->size().isEmpty())
            options_.setText(OptionKey::windowSize(window_->objectName()),
                             QStringLiteral("%1x%2").arg(window_->width()).arg(window_->height()));
    }
    return false;
}

// The main window's frame sizes itself to its window's natural size; it gets
// the wanted size plus its own title bar and borders instead.
void WindowSize::fitFrame()
{
    auto* frame = qobject_cast<QMdiSubWindow*>(window_->parentWidget());
    if (!frame)
        return;
    const QSize decoration = frame->sizeHint() - window_->sizeHint();
    frame->resize(wanted_ + decoration);
}

} // namespace quillbill
