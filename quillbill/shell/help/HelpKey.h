// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/HelpLauncher.h"

#include <QObject>

namespace quillbill {

struct AppContext;

// F1 anywhere in the program opens the guide's page about the window being
// worked in: installed on the application, it sees the key before any
// window does. Help > Contents, which also shows F1 in the menu, keeps
// opening the start page when chosen with the mouse; the key is taken here
// first, so that it never opens the start page over a window that has a
// page of its own.
class HelpKey : public QObject {
    Q_OBJECT
public:
    explicit HelpKey(AppContext& app, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HelpLauncher launcher_;
};

} // namespace quillbill
