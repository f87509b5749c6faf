#include "invoicing/WrappedText.h"

#include <utility>

namespace quillbill {

QStringList linesIn(quirepress::Report& report, const std::shared_ptr<quirepress::Field>& field, QString text)
{
    QStringList lines;
    QString rest;
    for (;;) {
        // SplitLine leaves at least one character on the line, so the rest
        // shrinks with every line and a word wider than the field is broken.
        report.SplitLine(field, text, rest);
        lines.append(text);
        if (rest.isEmpty())
            return lines;
        text = std::exchange(rest, QString());
    }
}

} // namespace quillbill
