// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"
#include "records/users/UserAccounts.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quillbill {

struct AppContext;

// The users window: pick a user from the list to edit or delete it, or pick
// "Add New..." to add one. Every user is found by its row, so two users with
// one display name, or a name with a quote, are handled like any other.
// Below securityAdministratorLevel the window holds only the account the user
// logged in with, whose names and password they may change. No password is
// ever shown: the password box sets a new one, and left empty keeps it.
class frmUsers : public ChildWindow {
    Q_OBJECT
public:
    explicit frmUsers(AppContext& app, QWidget* parent = nullptr);

private:
    // What Save Changes acts on.
    enum class Choice { None, AddNew, Existing };

    void reloadList();
    void choose(int index);
    void saveChanges();
    void AddNewUser();
    void deleteUser();
    void clearBoxes();
    // Says what is missing and puts the focus there; false when a box that
    // must be filled is empty.
    bool hasUserNameAndPassword();
    bool isAddNew(int index) const { return administers_ && index == 0; }
    void selectRow(qint64 rowId);
    UserAccounts accounts() const;
    void report(const QString& message);

    AppContext& app_;
    Choice choice_ = Choice::None;
    std::optional<UserAccount> current_;
    // Only a user who may change security settings sees every user, adds and
    // deletes users, and sees and sets levels.
    const bool administers_;
    // The level the level box was filled with for the chosen user.
    int shownLevel_ = 0;
    QComboBox* cmbUsers_;
    QLineEdit* txtFirst_;
    QLineEdit* txtLast_;
    QLineEdit* txtUser_;
    QLineEdit* txtPW_;
    QCheckBox* chkShowPassword_;
    QSpinBox* txtLevel_;
    QPushButton* cmdSave_;
    QPushButton* cmdDelete_;
    QPushButton* cmdCancel_;
};

} // namespace quillbill
