// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "common/Money.h"

#include <QString>

class QTreeWidget;

namespace quillbill {

// The list of an invoice's jobs, as the invoice windows show it: the
// description, and the amount in bold at the right as the invoice prints it
// ("$1,234.50").
QTreeWidget* makeJobList(const QString& name, const QString& accessibleName);
void addJobLine(QTreeWidget* list, const QString& description, Money amount);

} // namespace quillbill
