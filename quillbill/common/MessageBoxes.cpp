// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/MessageBoxes.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace quillbill {

bool DialogMessageBoxes::askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

bool DialogMessageBoxes::askYesNoDefaultNo(QWidget* parent, const QString& text, const QString& title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void DialogMessageBoxes::inform(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::information(parent, title, text);
}

void DialogMessageBoxes::warn(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::warning(parent, title, text);
}

bool DialogMessageBoxes::askRetry(QWidget* parent, const QString& text, const QString& title)
{
    return QMessageBox::warning(parent, title, text, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry)
        == QMessageBox::Retry;
}

std::optional<QString> DialogMessageBoxes::askPassword(QWidget* parent, const QString& text, const QString& title)
{
    bool accepted = false;
    const QString password = QInputDialog::getText(parent, title, text, QLineEdit::Password, QString(), &accepted);
    if (!accepted)
        return std::nullopt;
    return password;
}

} // namespace quillbill
