// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"
#include "records/company/MyCompanyRecord.h"

class QFormLayout;
class QLineEdit;
class QPushButton;

namespace quillbill {

struct AppContext;

// The own-company window: shows the one row of TblMyCompanyInfo and saves
// it back. Whether the entered values are acceptable is left to the
// database's rules; a refused save keeps the window and its contents.
class frmEdit : public ChildWindow {
    Q_OBJECT
public:
    explicit frmEdit(AppContext& app, QWidget* parent = nullptr);

private:
    void load();
    void save();
    void fill(const MyCompany& company);
    MyCompany entered() const;
    MyCompanyRecord record() const;
    void addBox(QFormLayout* form, const QString& label, QLineEdit* box, bool required, bool rate = false);
    void reportMissingRow();

    AppContext& app_;
    QLineEdit* txtCompany_;
    QLineEdit* txtAddress_;
    QLineEdit* txtCity_;
    QLineEdit* txtProv_;
    QLineEdit* txtPostal_;
    QLineEdit* TxtPhone_;
    QLineEdit* txtCell_;
    QLineEdit* txtEmail_;
    QLineEdit* txtVendor_;
    QLineEdit* txtGST_;
    QLineEdit* txtPST_;
    QLineEdit* txtGST_Number_;
    QLineEdit* txtGSTName_;
    QLineEdit* txtPSTName_;
    QLineEdit* txtPSTNumber_;
    QPushButton* cmdSave_;
    QPushButton* cmdCancel_;
    // The row as read or last saved, which Save writes over only while the
    // database still holds it.
    MyCompany shown_;
};

} // namespace quillbill
