// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace quillbill {

// The tips of the tip window: one tip a line of a text file, every line a tip,
// an empty one included. The current tip is numbered from 1; 0 means none.
class TipBook {
public:
    // Reads the tips from `path` and picks one. False when there is no file
    // at `path`; an empty file gives true and no tips.
    bool LoadTips(const QString& path);

    // Makes a tip chosen uniformly at random the current one; the same tip may
    // come twice in a row. Does nothing while there are no tips.
    void PickRandomTip();

    const QStringList& tips() const { return tips_; }
    int currentIndex() const { return current_; }
    // The current tip; empty when there is none.
    bool hasCurrentTip() const { return current_ >= 1 && current_ <= tips_.size(); }
    QString currentTip() const;

private:
    QStringList tips_;
    int current_ = 0;
    QRandomGenerator random_{QRandomGenerator::securelySeeded()};
};

} // namespace quillbill
