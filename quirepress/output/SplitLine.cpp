// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/SplitLine.h"

#include "output/SectionLines.h"

#include <quirepress/Field.h>

#include <algorithm>
#include <vector>

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

// `length` moved on past the low half of a surrogate pair it would part.
qsizetype characterEnd(const QString& text, qsizetype length)
{
    if (length > 0 && length < text.size() && text[length - 1].isHighSurrogate() && text[length].isLowSurrogate())
        return length + 1;
    return length;
}

} // namespace

qsizetype fittingLength(const std::function<double(const QString&)>& width, const QString& text, double available)
{
    const auto fits = [&](qsizetype length) { return width(text.left(length)) <= available; };
    // Starts twice as long each time, until one does not fit...
    qsizetype fitting = 0;
    qsizetype tooWide = characterEnd(text, std::min<qsizetype>(1, text.size()));
    while (tooWide > fitting && fits(tooWide)) {
        fitting = tooWide;
        tooWide = characterEnd(text, std::min(text.size(), 2 * tooWide));
    }
    if (tooWide <= fitting)
        return fitting; // the whole text fits
    // ... then halving the stretch between the longest that fits and the
    // shortest that does not.
    while (tooWide - fitting > 1) {
        qsizetype middle = characterEnd(text, fitting + (tooWide - fitting) / 2);
        if (middle >= tooWide) {
            middle = characterEnd(text, fitting + 1);
            if (middle >= tooWide)
                break; // only one character lies between
        }
        if (fits(middle))
            fitting = middle;
        else
            tooWide = middle;
    }
    return fitting;
}

QString limitToWidth(const std::function<double(const QString&)>& width, const QString& text, double available)
{
    return text.left(fittingLength(width, text, available));
}

void splitToWidth(const std::function<double(const QString&)>& width, double available, QString& value, QString& right)
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
    // Whole words go from the end of the line, the last one first, each put
    // in front of the rest with a blank (or the pending line break); once no
    // blank is left, characters go. The pieces are gathered and joined once:
    // nothing is measured or copied for each word that goes.
    std::vector<QStringView> pieces; // from the last to the first
    bool restEmpty = right.isEmpty();
    const auto moveToRest = [&](qsizetype from, qsizetype to, QStringView gap) {
        const QStringView moved = QStringView(line).sliced(from, to - from);
        if (!restEmpty)
            pieces.push_back(breakPending ? QStringView(u"\r\n") : gap);
        pieces.push_back(moved);
        restEmpty = restEmpty && moved.isEmpty();
        breakPending = false;
    };
    qsizetype length = line.size();
    if (length > 1) {
        const qsizetype fitting = fittingLength(width, line, available);
        // At least one character always stays on the line, so that a caller
        // splitting a value line by line ends.
        const qsizetype room = std::max<qsizetype>(fitting, 1);
        while (length > room) {
            const qsizetype blank = line.lastIndexOf(u' ', length - 1);
            if (blank < 0)
                break;
            moveToRest(blank + 1, length, u" ");
            length = blank;
        }
        if (length > room) {
            const qsizetype keep = std::max(fitting, characterEnd(line, 1));
            moveToRest(keep, length, u"");
            length = keep;
        }
    }
    if (!pieces.empty()) {
        QString joined;
        qsizetype size = right.size();
        for (const QStringView piece : pieces)
            size += piece.size();
        joined.reserve(size);
        for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece)
            joined += *piece;
        joined += right;
        right = std::move(joined);
    }
    line.truncate(length);
    value = line;
}

void splitToColumns(const Field& field, int16_t gridX, QString& value, QString& right)
{
    right.clear();
    QString line = value;
    if (gridX != 0) {
        // At least one character stays, however narrow the field, so that a
        // caller splitting a value line by line ends; a surrogate pair stays
        // whole.
        const qsizetype columns = std::max(1, roundHalfEven(static_cast<double>(field.FieldWidth()) / gridX));
        line = value.left(characterEnd(value, columns));
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
