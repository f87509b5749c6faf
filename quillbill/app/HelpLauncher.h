// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace quillbill {

struct AppContext;

// Opens the user guide through the help program HelpFile/Help, which hands a
// page to the desktop's browser and ends. Nobody waits for it, but its end is
// heard, so that a missing help program or browser is reported, never silent.
class HelpLauncher : public QObject {
    Q_OBJECT
public:
    // The guide's start page, opened by the help program without arguments.
    static const QString startPage;

    explicit HelpLauncher(AppContext& app, QObject* parent = nullptr);

    // Opens `page`, a file of the guide such as "new-invoice.html", or the
    // start page when `page` is empty or not in the guide. A failure is told
    // in a box over `window`.
    void open(QWidget* window, const QString& page = {});

private:
    AppContext& app_;
};

} // namespace quillbill
