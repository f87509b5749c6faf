#pragma once

#include "records/customers/Customer.h"
#include "records/customers/CustomerRecords.h"

#include <QAbstractListModel>
#include <QVariant>

#include <vector>

class QComboBox;

namespace quillbill {

// Puts `customers` into `list` by company name, each carrying its number, so
// that two customers of one name are two choices and a chosen one needs no
// second look-up. The customer numbered `keep` stays chosen when it is still
// listed; otherwise nothing is. Refilling is not choosing: no signal of the
// list is raised.
void showCustomers(QComboBox& list, const std::vector<Customer>& customers, const QVariant& keep = {});

// The customers of a list that is refilled while it is in use, as a model:
// company names, each carrying its number in Qt::UserRole as a QComboBox
// item does. A refill changes the model only where the customers changed,
// so the list it feeds keeps its choice, its place and its speed with
// 100,000 customers.
class CustomerListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Shows `customers` (in CustomerID order, as CustomerRecords::names()
    // gives them) from now on. Nothing happens when they are the ones shown;
    // customers added at the end are inserted; any other change resets the
    // model. False when nothing changed.
    bool show(std::vector<CustomerName> customers);

    // The row of the customer numbered `id`, or -1.
    int rowOf(int32_t id) const;

private:
    std::vector<CustomerName> customers_;
};

// Shows `customers` in `list`, whose model is `model`, keeping the customer
// chosen in it when it is still listed (otherwise nothing is chosen). As with
// showCustomers(), no signal of the list is raised.
void refillCustomers(QComboBox& list, CustomerListModel& model, std::vector<CustomerName> customers);

} // namespace quillbill
