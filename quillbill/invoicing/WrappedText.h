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

} // namespace quillbill
