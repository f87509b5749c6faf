// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/CustomerChoice.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>
#include <cstddef>
#include <unordered_map>
#include <unordered_set>

namespace quillbill {

void showCustomers(QComboBox& list, const std::vector<Customer>& customers, const QVariant& keep)
{
    const QSignalBlocker quiet(&list);
    list.clear();
    for (const Customer& customer : customers)
        list.addItem(listedName(customer), customer.id);
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
    if (!showByRows(customers)) {
        beginResetModel();
        customers_ = std::move(customers);
        endResetModel();
    }
    return true;
}

bool CustomerListModel::showByRows(const std::vector<CustomerName>& customers)
{
    // Rows whose customer is gone, or renamed (and so elsewhere in the
    // order), go first, from the bottom up so that row numbers hold.
    std::unordered_map<int32_t, QString> shownNext;
    shownNext.reserve(customers.size());
    for (const CustomerName& customer : customers)
        shownNext.emplace(customer.id, customer.company);
    const auto stays = [&shownNext](const CustomerName& customer) {
        const auto found = shownNext.find(customer.id);
        return found != shownNext.end() && found->second == customer.company;
    };
    for (int end = rowCount(); end > 0;) {
        if (stays(customers_[static_cast<size_t>(end - 1)])) {
            --end;
            continue;
        }
        int first = end - 1;
        while (first > 0 && !stays(customers_[static_cast<size_t>(first - 1)]))
            --first;
        beginRemoveRows({}, first, end - 1);
        customers_.erase(customers_.begin() + first, customers_.begin() + end);
        endRemoveRows();
        end = first;
    }

    // Then the new ones go in where they belong among those left.
    std::unordered_set<int32_t> shownNow;
    shownNow.reserve(customers_.size());
    for (const CustomerName& customer : customers_)
        shownNow.insert(customer.id);
    for (size_t row = 0; row < customers.size();) {
        if (row < customers_.size() && customers_[row] == customers[row]) {
            ++row;
            continue;
        }
        if (shownNow.contains(customers[row].id))
            return false; // the order itself changed
        size_t end = row + 1;
        while (end < customers.size() && !shownNow.contains(customers[end].id))
            ++end;
        beginInsertRows({}, static_cast<int>(row), static_cast<int>(end) - 1);
        customers_.insert(customers_.begin() + static_cast<std::ptrdiff_t>(row),
                          customers.begin() + static_cast<std::ptrdiff_t>(row),
                          customers.begin() + static_cast<std::ptrdiff_t>(end));
        endInsertRows();
        row = end;
    }
    return customers_ == customers;
}

int CustomerListModel::rowOf(int32_t id) const
{
    const auto found = std::find_if(customers_.begin(), customers_.end(),
                                    [id](const CustomerName& customer) { return customer.id == id; });
    return found == customers_.end() ? -1 : static_cast<int>(found - customers_.begin());
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
