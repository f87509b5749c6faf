// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/help/HelpTopics.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include <array>
#include <utility>

namespace quillbill::HelpTopics {

namespace {

// Every window a user can press F1 in, by object name, and the page of the
// guide that explains it. The report engine's windows are named too: its
// preview, output choice and progress windows open over the program's.
constexpr std::array<std::pair<const char*, const char*>, 22> pages{{
    {"frmMain", "main-window.html"},
    {"frmLogin", "login.html"},
    {"frmTip", "tip-of-the-day.html"},
    {"frmAbout", "about.html"},
    {"frmEdit", "my-company.html"},
    {"frmNew", "new-customer.html"},
    {"frmReviewCompany", "review-customers.html"},
    {"frmRemoveCompany", "remove-customer.html"},
    {"frmAddInvoice", "new-invoice.html"},
    {"frmReprint", "reprint-invoice.html"},
    {"frmInvoiceReports", "invoice-reports.html"},
    {"frmStatement", "statement.html"},
    {"frmAging", "aging.html"},
    {"frmEmail", "email.html"},
    {"frmOptions", "options.html"},
    {"frmUsers", "users.html"},
    {"frmRestore", "restore.html"},
    {"frmMoveToServer", "database-server.html"},
    {"frmFileMoveCopy", "copying-files.html"},
    {"frmDisplay", "preview.html"},
    {"frmProgress", "preview.html"},
    {"frmOutput", "output-choice.html"},
}};

QString pageForWindow(const QString& windowName)
{
    for (const auto& [name, page] : pages)
        if (windowName == QLatin1String(name))
            return QString::fromLatin1(page);
    return {};
}

const QWidget* currentChildOf(const QWidget* window)
{
    const auto* frame = qobject_cast<const QMainWindow*>(window);
    const auto* area = frame ? qobject_cast<const QMdiArea*>(frame->centralWidget()) : nullptr;
    // The current child, not the active one: a child stays current while
    // the program is in the background or a dialog is over it.
    const QMdiSubWindow* child = area ? area->currentSubWindow() : nullptr;
    return child ? child->widget() : nullptr;
}

} // namespace

QStringList allPages()
{
    QStringList all;
    for (const auto& entry : pages)
        all.append(QString::fromLatin1(entry.second));
    all.removeDuplicates();
    return all;
}

QString pageFor(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        const QString page = pageForWindow(widget->objectName());
        if (page.isEmpty())
            continue;
        if (const QWidget* child = currentChildOf(widget)) {
            const QString childPage = pageForWindow(child->objectName());
            if (!childPage.isEmpty())
                return childPage;
        }
        return page;
    }
    return {};
}

} // namespace quillbill::HelpTopics
