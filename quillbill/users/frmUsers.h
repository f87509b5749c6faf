#pragma once

#include "records/users/UserAccounts.h"
#include "common/ChildWindow.h"

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillbill {

struct AppContext;

// The users window: pick a user from the list to edit or delete it, or pick
// "Add New..." to add one. Every user is found by its row, so two users with
// one display name, or a name with a quote, are handled like any other.
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
    void selectRow(qint64 rowId);
    UserAccounts accounts() const;
    void report(const QString& message);

    AppContext& app_;
    Choice choice_ = Choice::None;
    std::optional<UserAccount> current_;
    QComboBox* cmbUsers_;
    QLineEdit* txtFirst_;
    QLineEdit* txtLast_;
    QLineEdit* txtUser_;
    QLineEdit* txtPW_;
    QPushButton* cmdSave_;
    QPushButton* cmdDelete_;
    QPushButton* cmdCancel_;
};

} // namespace quillbill
