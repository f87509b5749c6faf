// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/quirepress.h>

#include <QString>
#include <QStringList>

#include <memory>

namespace quillbill {

// The lines `text` takes in `field` on the report's target, cut as
// Report::SplitLine cuts them: on a page at the field's width (LimitSize) and
// between words, a word wider than the field in pieces; in a text file at its
// columns; in HTML at line breaks only. A text that fits, or none, is one line.
QStringList linesIn(quirepress::Report& report, const std::shared_ptr<quirepress::Field>& field, QString text);

// A column of a row section whose text wraps: the first line goes beside the
// row's other values, each further line in a section of its own that holds
// a field of the same name. A layout without that section prints them in
// the row's section, with nothing else.
class WrappedColumn {
public:
    WrappedColumn(quirepress::Report& report, const QString& rowSection, const QString& fieldName,
                  const QString& lineSection);

    // The row section's field, for the first line.
    const std::shared_ptr<quirepress::Field>& field() const { return field_; }
    // The lines `text` takes in the column.
    QStringList lines(const QString& text) const { return linesIn(report_, field_, text); }
    // Prints each of `lines` after the first in the line section.
    void printFurtherLines(const QStringList& lines) const;

private:
    quirepress::Report& report_;
    std::shared_ptr<quirepress::Field> field_;
    std::shared_ptr<quirepress::Section> lineSection_;
    std::shared_ptr<quirepress::Field> lineField_;
};

} // namespace quillbill
