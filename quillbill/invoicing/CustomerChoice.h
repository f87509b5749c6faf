#pragma once

#include "records/customers/Customer.h"

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

} // namespace quillbill
