// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "invoicing/JobList.h"

#include "invoicing/InvoiceForms.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLocale>
#include <QTreeWidget>

namespace quillbill {

QTreeWidget* makeJobList(const QString& name, const QString& accessibleName)
{
    auto* list = new QTreeWidget;
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setHeaderLabels({QCoreApplication::translate("quillbill::JobList", "Job Description"),
                           //: Column heading: the amount each job bills.
                           QCoreApplication::translate("quillbill::JobList", "Sums")});
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    return list;
}

void addJobLine(QTreeWidget* list, const QString& description, Money amount)
{
    auto* item = new QTreeWidgetItem(list, {description, dollars(fromTenThousandths(amount.units()), QLocale())});
    QFont bold = item->font(1);
    bold.setBold(true);
    item->setFont(1, bold);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace quillbill
