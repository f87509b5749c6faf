#include "invoicing/CustomerChoice.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace quillbill {

void showCustomers(QComboBox& list, const std::vector<Customer>& customers, const QVariant& keep)
{
    const QSignalBlocker quiet(&list);
    list.clear();
    for (const Customer& customer : customers)
        list.addItem(listedName(customer), customer.id);
    list.setCurrentIndex(keep.isValid() ? list.findData(keep) : -1);
}

} // namespace quillbill
