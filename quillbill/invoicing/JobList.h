#pragma once

#include <QString>

class QTreeWidget;

namespace quillbill {

// The list of an invoice's jobs, as the invoice windows show it: the
// description, and the amount after a "$" in bold at the right.
QTreeWidget* makeJobList(const QString& name, const QString& accessibleName);
void addJobLine(QTreeWidget* list, const QString& description, const QString& amount);

} // namespace quillbill
