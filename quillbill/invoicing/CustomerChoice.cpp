#include "invoicing/CustomerChoice.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>
#include <iterator>

namespace quillbill {

void showCustomers(QComboBox& list, const std::vector<Customer>& customers, const QVariant& keep)
{
    const QSignalBlocker quiet(&list);
    list.clear();
    for (const Customer& customer : customers)
        list.addItem(customer.company, customer.id);
    list.setCurrentIndex(keep.isValid() ? list.findData(keep) : -1);
}

int CustomerListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(customers_.size());
}

QVariant CustomerListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CustomerName& customer = customers_[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::AccessibleTextRole:
        return customer.company;
    case Qt::UserRole:
        return customer.id;
    default:
        return {};
    }
}

bool CustomerListModel::show(std::vector<CustomerName> customers)
{
    if (customers == customers_)
        return false;
    const bool onlyAdded =
        customers.size() > customers_.size() && std::equal(customers_.begin(), customers_.end(), customers.begin());
    if (onlyAdded) {
        beginInsertRows({}, rowCount(), static_cast<int>(customers.size()) - 1);
        customers_.insert(customers_.end(), std::make_move_iterator(customers.begin() + std::ssize(customers_)),
                          std::make_move_iterator(customers.end()));
        endInsertRows();
    } else {
        beginResetModel();
        customers_ = std::move(customers);
        endResetModel();
    }
    return true;
}

int CustomerListModel::rowOf(int32_t id) const
{
    const auto byId = [](const CustomerName& customer, int32_t wanted) { return customer.id < wanted; };
    const auto found = std::lower_bound(customers_.begin(), customers_.end(), id, byId);
    if (found != customers_.end() && found->id == id)
        return static_cast<int>(found - customers_.begin());
    // Not in number order after all: look at every row.
    const auto any = std::find_if(customers_.begin(), customers_.end(),
                                  [id](const CustomerName& customer) { return customer.id == id; });
    return any == customers_.end() ? -1 : static_cast<int>(any - customers_.begin());
}

void refillCustomers(QComboBox& list, CustomerListModel& model, std::vector<CustomerName> customers)
{
    const QVariant keep = list.currentData();
    const QSignalBlocker quiet(&list);
    if (!model.show(std::move(customers)))
        return;
    const int row = keep.isValid() ? model.rowOf(keep.toInt()) : -1;
    if (list.currentIndex() != row)
        list.setCurrentIndex(row);
}

} // namespace quillbill
