// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/ChildWindow.h"
#include "invoicing/InvoiceOutput.h"
#include "invoicing/NewInvoice.h"
#include "records/ChangeWatch.h"

#include <QDate>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace quillbill {

struct AppContext;
class CustomerListModel;

// The invoice creation window: choose a customer, give it an invoice
// number, add jobs one by one (changing or deleting them while the invoice
// is a draft), then preview and print the invoice or send it by e-mail,
// which issues it. What it stores is stored at once (see NewInvoice).
class frmAddInvoice : public ChildWindow {
    Q_OBJECT
public:
    static constexpr int customerRefreshMs = 5000;

    explicit frmAddInvoice(AppContext& app, QWidget* parent = nullptr);
    ~frmAddInvoice() override;

    // Takes up the stored draft `invoiceId` of customer `customerId` to add,
    // change or delete its jobs; an issued invoice is refused with a
    // message. The invoice on screen before stays stored as it was.
    void openDraft(int32_t customerId, int32_t invoiceId);

    // What Timer1 runs: brings the customer list up to the database when
    // the database has changed since it was filled, and only then reads the
    // customers. It never waits for another program holding the file (the
    // next tick looks again), and leaves alone a list the user has open.
    void refreshCustomers();

protected:
    // Asks before a job typed but not added is lost with the window.
    void closeEvent(QCloseEvent* event) override;

private:
    // `waitForOthers`: wait, as a save does, while another program holds
    // the file, rather than leave the list as it is.
    void fillCustomers(bool waitForOthers);
    void chooseCustomer(int index);
    void showCustomer(const Customer* customer);
    void generateInvoiceId();
    // Adds the typed job, or stores the change of the job being changed.
    void addJob();
    void storeJobChange(size_t index, const QString& description, const std::optional<Money>& sum);
    // Tells why a typed job was refused; true when it was not.
    bool showRefusal(NewInvoice::JobOutcome outcome);
    // Puts the selected job into the boxes to be changed.
    void editJob();
    void deleteJob();
    // The list as the invoice's jobs now are.
    void showJobs();
    // The buttons that change jobs, as the invoice and the selection allow.
    void enableJobButtons();
    // Tells that the invoice can no longer change, and shows it so.
    void refuseIssued();
    // The discount box as whole percents; when it holds none, says so and
    // puts the focus in the box.
    std::optional<int> typedDiscount();
    // Stores the discount box's value on the issued invoice when it differs
    // from the stored one. False when it could not be stored (the user has
    // been told, and the box shows what to fix or what is stored).
    bool storeDiscount();
    void printInvoice();
    void emailInvoice();
    // Empty, disabled job boxes and an empty job list.
    void resetJobEntry();
    // Job boxes open for the invoice's jobs.
    void openJobEntry();
    void endEditing();
    bool jobTypedButNotAdded() const;
    // Back to issuing a number for the chosen customer.
    void startOver();

    AppContext& app_;
    NewInvoice invoice_;
    QDate invoiceDate_;
    InvoiceOutput output_;
    ChangeWatch customerChanges_;
    CustomerListModel* customers_;
    // While a discount is being stored: a message box taking the focus ends
    // the box's editing once more.
    bool storingDiscount_ = false;
    // The job whose change the boxes hold, by its place in the list.
    std::optional<size_t> editing_;

    QComboBox* cmbCustomerID_;
    QLabel* lblCompany_;
    QLabel* lblAddress_;
    QLabel* lblCity_;
    QLabel* lblProv_;
    QLabel* lblPostal_;
    QLineEdit* txtInvoiceID_;
    QLineEdit* txtDate_;
    QLineEdit* txtDiscount_;
    QPushButton* cmdMakeInvoiceID_;
    QLineEdit* txtJobDescription_;
    QLineEdit* txtSums_;
    QPushButton* cmdAddJob_;
    QTreeWidget* ListView1_;
    QPushButton* cmdEditJob_;
    QPushButton* cmdDeleteJob_;
    QPushButton* cmdPrintInvoice_;
    QPushButton* cmdEmail_;
    QPushButton* cmdClose_;
    QTimer* Timer1_;
};

} // namespace quillbill
