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

// The invoice creation window: choose a customer, issue an invoice number
// for it, add jobs one by one, then preview and print the invoice or send it
// by e-mail. What it stores is stored at once (see NewInvoice).
class frmAddInvoice : public ChildWindow {
    Q_OBJECT
public:
    static constexpr int customerRefreshMs = 5000;

    explicit frmAddInvoice(AppContext& app, QWidget* parent = nullptr);
    ~frmAddInvoice() override;

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
    void addJob();
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
    QPushButton* cmdPrintInvoice_;
    QPushButton* cmdEmail_;
    QPushButton* cmdClose_;
    QTimer* Timer1_;
};

} // namespace quillbill
