// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/GuardedSave.h"
#include "records/customers/Customer.h"
#include "common/ChildWindow.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class QPushButton;

namespace quillbill {

struct AppContext;
class CustomerForm;

// The review window: browses every customer one at a time and saves changes
// to the one shown. The billing code is shown but never changed here.
class frmReviewCompany : public ChildWindow {
    Q_OBJECT
public:
    explicit frmReviewCompany(AppContext& app, QWidget* parent = nullptr);

private:
    void reload();
    void goTo(std::size_t position);
    void first();
    void previous();
    void next();
    void last();
    void save();
    void cannotGo();
    void showAfterRefusedSave(SaveOutcome outcome);

    AppContext& app_;
    // Every customer as read when the window opened or last saved, and the
    // one of them that navigation stands on.
    std::vector<Customer> browse_;
    std::size_t position_ = 0;
    // The customer shown in the boxes, as read or last saved, which Save
    // writes to. It stays the saved one after a save even though browsing
    // starts over from the first.
    Customer current_;
    CustomerForm* form_;
    QPushButton* cmdFirst_;
    QPushButton* cmdPrevious_;
    QPushButton* cmdNext_;
    QPushButton* cmdLast_;
    QPushButton* cmdSave_;
    QPushButton* cmdCancel_;
};

} // namespace quillbill
