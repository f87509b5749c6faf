// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "records/customers/Customer.h"
#include "records/customers/CustomerRecords.h"

#include <QAbstractListModel>
#include <QVariant>

#include <vector>

class QComboBox;

namespace quillbill {

// Puts `customers` into `list` by company name (a hidden one marked so, see
// listedName), each carrying its number, so
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

    // Shows `customers` (in the order CustomerRecords::names() gives them)
    // from now on. Nothing happens when they are the ones shown; customers
    // added, removed or renamed are inserted and removed as rows; a change
    // of the order itself resets the model. False when nothing changed.
    bool show(std::vector<CustomerName> customers);

    // The row of the customer numbered `id`, or -1.
    int rowOf(int32_t id) const;

private:
    // Turns the rows shown into `customers` by removing and inserting rows;
    // false when that is not enough, the rows then being left part way.
    bool showByRows(const std::vector<CustomerName>& customers);

    std::vector<CustomerName> customers_;
};

// Shows `customers` in `list`, whose model is `model`, keeping the customer
// chosen in it when it is still listed (otherwise nothing is chosen). As with
// showCustomers(), no signal of the list is raised.
void refillCustomers(QComboBox& list, CustomerListModel& model, std::vector<CustomerName> customers);

} // namespace quillbill
