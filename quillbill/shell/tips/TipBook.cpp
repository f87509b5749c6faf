// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/tips/TipBook.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace quillbill {

bool TipBook::LoadTips(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    QString line;
    while (in.readLineInto(&line))
        tips_.append(line);
    PickRandomTip();
    return true;
}

void TipBook::PickRandomTip()
{
    if (tips_.isEmpty())
        return;
    current_ = static_cast<int>(random_.bounded(static_cast<quint32>(tips_.size()))) + 1;
}

QString TipBook::currentTip() const { return hasCurrentTip() ? tips_.at(current_ - 1) : QString(); }

} // namespace quillbill
