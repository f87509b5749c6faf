#include "output/SplitLine.h"

#include "output/SectionLines.h"

#include <quirepress/Field.h>

namespace quirepress::detail {

namespace {

// A line break in a value: the carriage return and line feed of stored
// texts, or the line feed alone that text boxes here produce. Returns the
// position and the length of the first one, or -1.
qsizetype findLineBreak(const QString& text, qsizetype& length)
{
    const qsizetype feed = text.indexOf(u'\n');
    if (feed > 0 && text[feed - 1] == u'\r') {
        length = 2;
        return feed - 1;
    }
    length = 1;
    return feed;
}

} // namespace

void splitToWidth(const std::function<double(const QString&)>& width, double available, QString& value,
                  QString& right)
{
    right.clear();
    while (value.endsWith(u' '))
        value.chop(1);
    QString line = value;
    bool breakPending = false;
    qsizetype breakLength = 0;
    if (const qsizetype at = findLineBreak(value, breakLength); at >= 0) {
        line = value.left(at);
        right = value.mid(at + breakLength);
        breakPending = true;
    }
    // Nothing joins what moves to an empty rest: the rest ends without a
    // stray blank or break.
    const auto joinRest = [&](const QString& moved, const QString& gap) {
        if (right.isEmpty())
            right = moved;
        else
            right = moved + (breakPending ? QStringLiteral("\r\n") : gap) + right;
        breakPending = false;
    };
    while (line.size() > 1 && width(line) > available) {
        if (const qsizetype blank = line.lastIndexOf(u' '); blank >= 0) {
            joinRest(line.mid(blank + 1), QStringLiteral(" "));
            line.truncate(blank);
        } else {
            // A surrogate pair moves as one character.
            const qsizetype last = line.size() >= 2 && line.back().isLowSurrogate() ? 2 : 1;
            joinRest(line.right(last), QString());
            line.chop(last);
        }
    }
    value = line;
}

QString limitToWidth(const std::function<double(const QString&)>& width, const QString& text, double available)
{
    QString cut = text;
    while (!cut.isEmpty() && width(cut) > available)
        cut.chop(cut.size() >= 2 && cut.back().isLowSurrogate() ? 2 : 1);
    return cut;
}

void splitToColumns(const Field& field, int16_t gridX, QString& value, QString& right)
{
    right.clear();
    QString line = value;
    if (gridX != 0) {
        const qsizetype columns = std::max(0, roundHalfEven(static_cast<double>(field.FieldWidth()) / gridX));
        line = value.left(columns);
        right = value.mid(line.size());
    }
    qsizetype breakLength = 0;
    qsizetype at = findLineBreak(line, breakLength);
    if (at >= 0) {
        // The break itself goes; a line feed that follows a carriage return
        // is dropped below with the rest's first character.
        breakLength = 1;
    } else if (!right.isEmpty()) {
        at = line.lastIndexOf(u' ');
    }
    if (at < 0) {
        value = line;
        return;
    }
    right = line.mid(at + breakLength) + right;
    if (right.startsWith(u'\n'))
        right.remove(0, 1);
    value = line.left(at);
}

void splitAtLineBreak(QString& value, QString& right)
{
    right.clear();
    qsizetype breakLength = 0;
    const qsizetype at = findLineBreak(value, breakLength);
    if (at < 0)
        return;
    right = value.mid(at + breakLength);
    value.truncate(at);
}

} // namespace quirepress::detail
