// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QWidget>

namespace quillbill {

// The kinds of the main window's child windows. Each kind is open at most
// once; its number ties the window to the menu item that opens it.
enum class ChildKind {
    AddInvoice = 1, // "Add New Invoice"
    EditMyCompany = 2, // "Edit My Company Info"
    InvoiceReports = 3, // "Print Invoice Reports"
    AddCustomer = 4, // "Add New Company"
    Reprint = 5, // "Reprint/Update"
    RemoveCustomer = 6, // "Remove Company"
    Users = 7, // "System Users"
    ReviewCustomers = 8, // "Review/Edit Company"
    Statement = 9, // "Statement of Account"
    Aging = 10, // "Aging Report"
};

// A window that lives inside the main window. It tells the main window when
// it closes, by any means, so that its kind can be opened again.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(ChildKind kind, QWidget* parent = nullptr);

    ChildKind kind() const { return kind_; }

    // Closes the window and the frame the main window put around it.
    void closeChild();

signals:
    void closing(quillbill::ChildKind kind);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ChildKind kind_;
};

} // namespace quillbill
