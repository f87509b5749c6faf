// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "app/Keyring.h"
#include "shell/options/DatabasePage.h"

#include <QDialog>

#include <functional>

class QPushButton;

namespace quillbill {

struct AppContext;
class ServerFields;

// The move to a server: where the server is, and Move, which copies every
// record of this computer's file into its empty database and has the
// program work there from then on (see moveOfficeToServer).
class frmMoveToServer : public QDialog {
    Q_OBJECT
public:
    // `closeChildWindows` closes the program's other windows before the
    // records move; `keyring` keeps the server's password.
    frmMoveToServer(AppContext& app, std::function<void()> closeChildWindows, QWidget* parent = nullptr,
                    Keyring keyring = Keyring());

private:
    void move();

    AppContext& app_;
    std::function<void()> closeChildWindows_;
    Keyring keyring_;
    DatabasePage page_;
    ServerFields* serverFields_;
    QPushButton* moveButton_;
    QPushButton* cancelButton_;
};

} // namespace quillbill
