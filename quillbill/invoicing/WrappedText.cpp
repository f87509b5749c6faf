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

std::shared_ptr<quirepress::Section> sectionIfAny(const quirepress::Report& report, const QString& name)
{
    for (int index = 1; index <= report.SectionCount(); ++index) {
        std::shared_ptr<quirepress::Section> section = report.Section(index);
        if (section->SectionName().compare(name, Qt::CaseInsensitive) == 0)
            return section;
    }
    return nullptr;
}

} // namespace quillbill
