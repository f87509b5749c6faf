// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"

class QPushButton;

namespace quillbill {

struct AppContext;
class CustomerForm;

// The add-customer window: Save stores the customer together with a row for
// its billing code and closes the window; a refused entry keeps the window
// open with what was typed.
class frmNew : public ChildWindow {
    Q_OBJECT
public:
    explicit frmNew(AppContext& app, QWidget* parent = nullptr);

private:
    void save();

    AppContext& app_;
    CustomerForm* form_;
    QPushButton* cmdSave_;
    QPushButton* cmdCancel_;
};

} // namespace quillbill
