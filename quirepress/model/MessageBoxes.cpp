// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include <quirepress/MessageBoxes.h>
#include <quirepress/ReportEvents.h>

#include "model/ApplicationKind.h"

#include <QApplication>
#include <QDebug>
#include <QMessageBox>

namespace quirepress {

MessageBoxes::~MessageBoxes() = default;
ReportEvents::~ReportEvents() = default;

namespace {

// A program without widgets cannot show a box: the text goes to the log,
// and a question gets its default answer, No.
class DialogMessageBoxes final : public MessageBoxes {
public:
    bool askYesNo(const QString& text, const QString& title) override
    {
        if (!detail::windowsAvailable()) {
            qWarning().noquote() << title + QStringLiteral(": ") + text << "(answered No)";
            return false;
        }
        return QMessageBox::question(QApplication::activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No)
            == QMessageBox::Yes;
    }
    void inform(const QString& text, const QString& title) override
    {
        if (!detail::windowsAvailable()) {
            qWarning().noquote() << title + QStringLiteral(": ") + text;
            return;
        }
        QMessageBox::information(QApplication::activeWindow(), title, text);
    }
};

} // namespace

std::shared_ptr<MessageBoxes> dialogMessageBoxes() { return std::make_shared<DialogMessageBoxes>(); }

} // namespace quirepress
