// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/startup/IconAfterFirstWindow.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace quillbill {

namespace {

// Watches the application's events for the first window shown, then lets
// the icon be set once that window's own drawing is done, and goes.
class FirstWindowWatch : public QObject {
public:
    explicit FirstWindowWatch(std::function<QIcon()> icon) : icon_(std::move(icon)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && !done_) {
            if (const auto* window = qobject_cast<QWindow*>(watched); window && window->isExposed()) {
                done_ = true;
                QTimer::singleShot(0, qApp, [icon = std::move(icon_)] { QApplication::setWindowIcon(icon()); });
                deleteLater();
            }
        }
        return false;
    }

private:
    std::function<QIcon()> icon_;
    bool done_ = false;
};

} // namespace

void setWindowIconAfterFirstWindow(std::function<QIcon()> icon)
{
    qApp->installEventFilter(new FirstWindowWatch(std::move(icon)));
}

} // namespace quillbill
