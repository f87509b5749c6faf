// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Preloaded (LD_PRELOAD) into the programs the start-up benchmark starts:
// ends the process the moment Qt reports its first window exposed on the
// screen, with a status of its own, so that the benchmark times both
// programs from the same start to the same point, by the same code, and
// knows that each got that far. Neither program knows of it.

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdlib>

namespace {

class FirstWindowExit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // No destructors: whatever the program would do after its window
        // is up is not start-up.
        if (event->type() == QEvent::Expose) {
            if (const auto* window = qobject_cast<QWindow*>(watched); window && window->isExposed())
                std::_Exit(FIRST_WINDOW_STATUS);
        }
        return false;
    }
};

// Runs as the program's application object is made, before it can show a
// window.
void watchForFirstWindow() { QCoreApplication::instance()->installEventFilter(new FirstWindowExit); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstWindow)
