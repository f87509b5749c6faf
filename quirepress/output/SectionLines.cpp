// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/SectionLines.h"

#include <quirepress/Error.h>
#include <quirepress/Field.h>

#include "model/Field_p.h"
#include "output/Placeholders.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace quirepress::detail {

namespace {

constexpr int htmlWidth = 800;
constexpr int32_t white = 0xFFFFFF;
constexpr std::string_view htmlRowStart = "<TABLE border=0><TR>";
constexpr std::string_view htmlRowEnd = "</TR></TABLE>";
// U+FFFD in UTF-8: what a lone surrogate is written as.
constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

// A number's decimal digits.
struct Digits {
    explicit Digits(int32_t number) : size(std::to_chars(digits, digits + sizeof digits, number).ptr - digits) {}
    std::string_view view() const { return {digits, size}; }

    char digits[16];
    size_t size;
};

// 1 to 7, the HTML font size of a size in points.
int htmlSizeNumber(float points)
{
    if (points < 10)
        return 1;
    if (points <= 12)
        return 2;
    if (points <= 14)
        return 3;
    if (points <= 18)
        return 4;
    if (points <= 24)
        return 5;
    if (points <= 36)
        return 6;
    return 7;
}

// Where in a line of UTF-8 that is `units` UTF-16 code units long the code
// unit `column` (at most `units`) starts. A column may fall between the two
// halves of a character beyond the Basic Multilingual Plane: `insidePair`
// then, and `at` is where that character's four bytes start.
struct BytePosition {
    size_t at;
    bool insidePair;
};

BytePosition byteOf(const LineBytes& line, qsizetype units, qsizetype column)
{
    if (units == static_cast<qsizetype>(line.size()))
        return {static_cast<size_t>(column), false}; // all ASCII
    size_t at = 0;
    qsizetype unit = 0;
    while (unit < column) {
        // The line holds only what appendUtf8() wrote, which is valid UTF-8.
        const auto lead = static_cast<unsigned char>(line[at]);
        if (lead < 0x80) {
            at += 1;
        } else if (lead < 0xE0) {
            at += 2;
        } else if (lead < 0xF0) {
            at += 3;
        } else {
            if (unit + 1 == column)
                return {at, true};
            at += 4;
            ++unit;
        }
        ++unit;
    }
    return {at, false};
}

void appendHtmlEscaped(LineBytes& line, std::string_view text)
{
    // As QString::toHtmlEscaped(): no byte of a multi-byte character is one
    // of these.
    for (const char c : text) {
        switch (c) {
        case '<':
            line.append("&lt;");
            break;
        case '>':
            line.append("&gt;");
            break;
        case '&':
            line.append("&amp;");
            break;
        case '"':
            line.append("&quot;");
            break;
        default:
            line.append(c);
            break;
        }
    }
}

} // namespace

void throwRoundingOverflow()
{
    throw Error(6, QStringLiteral("Quirepress.Output"), QCoreApplication::translate("quirepress::Error", "Overflow"));
}

void LineBytes::grow(size_t count)
{
    const size_t capacity = std::max({size_ + count, 2 * capacity_, size_t{64}});
    auto data = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0)
        std::memcpy(data.get(), data_.get(), size_);
    data_ = std::move(data);
    capacity_ = capacity;
}

void LineBytes::replace(size_t at, size_t count, std::string_view bytes)
{
    const size_t tail = size_ - at - count;
    if (bytes.size() > count)
        extend(bytes.size() - count);
    else
        size_ -= count - bytes.size();
    if (bytes.size() != count && tail > 0)
        std::memmove(data_.get() + at + bytes.size(), data_.get() + at + count, tail);
    if (!bytes.empty())
        std::memcpy(data_.get() + at, bytes.data(), bytes.size());
}

Q_NEVER_INLINE void appendEncoded(LineBytes& out, QStringView text, size_t index)
{
    const char16_t* const source = text.utf16();
    const auto size = static_cast<size_t>(text.size());
    // At most three bytes a unit; a pair takes four for its two.
    const size_t at = out.size();
    auto* put = reinterpret_cast<unsigned char*>(out.extend(3 * (size - index)));
    auto* const start = put;
    while (index < size) {
        const char16_t unit = source[index++];
        if (unit < 0x80) {
            *put++ = static_cast<unsigned char>(unit);
        } else if (unit < 0x800) {
            *put++ = static_cast<unsigned char>(0xC0 | (unit >> 6));
            *put++ = static_cast<unsigned char>(0x80 | (unit & 0x3F));
        } else if (QChar::isHighSurrogate(unit) && index < size && QChar::isLowSurrogate(source[index])) {
            const char32_t code = QChar::surrogateToUcs4(unit, source[index++]);
            *put++ = static_cast<unsigned char>(0xF0 | (code >> 18));
            *put++ = static_cast<unsigned char>(0x80 | ((code >> 12) & 0x3F));
            *put++ = static_cast<unsigned char>(0x80 | ((code >> 6) & 0x3F));
            *put++ = static_cast<unsigned char>(0x80 | (code & 0x3F));
        } else if (QChar::isSurrogate(unit)) {
            std::memcpy(put, replacementCharacter.data(), replacementCharacter.size());
            put += replacementCharacter.size();
        } else {
            *put++ = static_cast<unsigned char>(0xE0 | (unit >> 12));
            *put++ = static_cast<unsigned char>(0x80 | ((unit >> 6) & 0x3F));
            *put++ = static_cast<unsigned char>(0x80 | (unit & 0x3F));
        }
    }
    out.truncate(at + static_cast<size_t>(put - start));
}

QString colourToHex(int32_t colour)
{
    const auto bits = static_cast<uint32_t>(colour);
    return QStringLiteral("%1%2%3")
        .arg(bits & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bits >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bits >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QLatin1StringView htmlFontSize(float points)
{
    static constexpr const char* sizes[] = {"Size=1>", "Size=2>", "Size=3>", "Size=4>",
                                            "Size=5>", "Size=6>", "Size=7>"};
    return QLatin1StringView(sizes[htmlSizeNumber(points) - 1]);
}

namespace {

bool breaksCsvValue(char16_t unit) { return unit == u',' || unit == u'"' || unit == u'\n' || unit == u'\r'; }

// Whether a value holds a comma, a quote or a line break.
bool needsCsvQuotes(QStringView value)
{
    const char16_t* const source = value.utf16();
    const auto size = static_cast<size_t>(value.size());
    size_t index = 0;
#if defined(__SSE2__)
    // Eight units a test, the last eight again where fewer are left over.
    if (size >= 8) {
        const auto anyIn = [source](size_t at) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + at));
            const __m128i found = _mm_or_si128(
                _mm_or_si128(_mm_cmpeq_epi16(units, _mm_set1_epi16(',')), _mm_cmpeq_epi16(units, _mm_set1_epi16('"'))),
                _mm_or_si128(_mm_cmpeq_epi16(units, _mm_set1_epi16('\n')),
                             _mm_cmpeq_epi16(units, _mm_set1_epi16('\r'))));
            return _mm_movemask_epi8(found) != 0;
        };
        for (; index + 8 <= size; index += 8)
            if (anyIn(index))
                return true;
        return index < size && anyIn(size - 8);
    }
#endif
    for (; index < size; ++index)
        if (breaksCsvValue(source[index]))
            return true;
    return false;
}

} // namespace

void appendCsvValue(LineBytes& line, QStringView value)
{
    const size_t start = line.size();
    appendUtf8(line, value);
    if (!needsCsvQuotes(value))
        return;
    // No byte of a multi-byte character is a quote: the bytes are quoted as
    // they are.
    const std::string copy(line.view().substr(start));
    line.truncate(start);
    line.append('"');
    for (const char c : copy) {
        if (c == '"')
            line.append('"');
        line.append(c);
    }
    line.append('"');
}

QString csvValue(QStringView value)
{
    LineBytes quoted;
    appendCsvValue(quoted, value);
    return QString::fromUtf8(quoted.data(), static_cast<qsizetype>(quoted.size()));
}

SectionLines::SectionLines(LineFormat format, int16_t gridX, int16_t gridY, int32_t pageWidth)
    : format_(format), gridX_(gridX), gridY_(gridY), pageWidth_(pageWidth)
{}

void SectionLines::setGrid(int16_t gridX, int16_t gridY, int32_t pageWidth)
{
    if (gridX == gridX_ && gridY == gridY_ && pageWidth == pageWidth_)
        return;
    gridX_ = gridX;
    gridY_ = gridY;
    pageWidth_ = pageWidth;
    // Every place was worked out on the grid before.
    placements_.clear();
    countedHeight_.reset();
}

void SectionLines::begin(int32_t height)
{
    if (height != countedHeight_) {
        const auto count = static_cast<size_t>(std::max(0, roundHalfEven(static_cast<double>(height) / gridY_)));
        lines_.resize(count);
        countedHeight_ = height;
    }
    turn_ = 0;
    // One pass over the lines, which also spares the call to memset that
    // clearing a separate array of one would make.
    lineStates_.resize(lines_.size());
    for (size_t index = 0; index < lines_.size(); ++index) {
        LineBytes& line = lines_[index];
        line.clear();
        if (format_ == LineFormat::Html)
            line.append(htmlRowStart);
        lineStates_[index] = LineState{};
    }
}

std::string_view SectionLines::rowEnd() const { return format_ == LineFormat::Html ? htmlRowEnd : std::string_view(); }

SectionLines::Placement SectionLines::place(const FieldPrivate& f) const
{
    Placement placement{f.top, f.left, f.width, f.justification, f.limitSize, 0, 0, 0, 0};
    placement.line = roundHalfEven(static_cast<double>(f.top) / gridY_) + 1;
    switch (format_) {
    case LineFormat::Text:
        // A centred text's column depends on its length, and is worked out
        // for each.
        if (f.justification == cJustificationRight)
            placement.edge = roundHalfEven(static_cast<double>(f.left + f.width) / gridX_) + 1;
        else if (f.justification != cJustificationCentre)
            placement.edge = roundHalfEven(static_cast<double>(f.left) / gridX_) + 1;
        if (f.limitSize)
            placement.columns = std::max(0, roundHalfEven(static_cast<double>(f.width) / gridX_));
        break;
    case LineFormat::Html:
        placement.px = roundHalfEven(static_cast<double>(f.left) / pageWidth_ * htmlWidth);
        break;
    case LineFormat::Csv:
        break;
    }
    return placement;
}

inline const SectionLines::Placement& SectionLines::placementOf(const FieldPrivate& f)
{
    const size_t turn = turn_++;
    if (turn < placements_.size()) {
        const Placement& kept = placements_[turn];
        if (kept.top == f.top && kept.left == f.left && kept.width == f.width && kept.justification == f.justification
            && kept.limitSize == f.limitSize)
            return kept;
    }
    return replace(turn, f);
}

Q_NEVER_INLINE const SectionLines::Placement& SectionLines::replace(size_t turn, const FieldPrivate& f)
{
    // Worked out whole before it is kept: rounding may throw.
    const Placement placement = place(f);
    if (turn >= placements_.size())
        placements_.resize(turn + 1);
    placements_[turn] = placement;
    return placements_[turn];
}

template <LineFormat format>
Q_ALWAYS_INLINE void SectionLines::writeField(const FieldPrivate& f, QStringView text, int32_t lineCount)
{
    const Placement& placement = placementOf(f);
    const auto index = static_cast<size_t>(std::clamp<int32_t>(placement.line, 1, lineCount) - 1);
    if constexpr (format == LineFormat::Text)
        writeText(index, f, placement, text);
    else if constexpr (format == LineFormat::Html)
        writeHtml(index, f, placement, text);
    else
        writeCsv(lines_[index], text);
}

void SectionLines::writeValues(std::span<const Field* const> fields, int16_t pageCount)
{
    if (lines_.empty())
        return;
    const auto lineCount = static_cast<int32_t>(lines_.size());
    const auto writeAll = [&]<LineFormat format>() {
        for (const Field* field : fields) {
            const FieldPrivate& f = FieldPrivate::of(*field);
            if (mayBePlaceholder(f.value)) [[unlikely]]
                writeField<format>(f, expandPlaceholder(f.value, pageCount), lineCount);
            else
                writeField<format>(f, f.value, lineCount);
        }
    };
    switch (format_) {
    case LineFormat::Text:
        writeAll.template operator()<LineFormat::Text>();
        break;
    case LineFormat::Html:
        writeAll.template operator()<LineFormat::Html>();
        break;
    case LineFormat::Csv:
        writeAll.template operator()<LineFormat::Csv>();
        break;
    }
}

Q_ALWAYS_INLINE void SectionLines::writeText(size_t index, const FieldPrivate& f, const Placement& placement,
                                             QStringView text)
{
    LineBytes& line = lines_[index];
    qsizetype& units = lineStates_[index].units;
    const auto n = static_cast<int32_t>(text.size());
    int32_t column = 1;
    switch (f.justification) {
    case cJustificationRight:
        column = placement.edge - n;
        break;
    case cJustificationCentre:
        column = roundHalfEven((f.left + f.width / 2.0) / gridX_ + 1 - n / 2.0);
        break;
    default:
        column = placement.edge;
        break;
    }
    column = std::max(column, 1);
    QStringView s = text;
    if (f.limitSize)
        s = s.left(placement.columns);
    if (units < column) {
        line.appendSpaces(static_cast<size_t>(column - units));
        units = column;
    }
    if (units <= qsizetype{column} + n) {
        // The text starts at character column + 1, and what ran on there
        // from the field before goes.
        if (units == static_cast<qsizetype>(line.size()))
            line.truncate(static_cast<size_t>(column)); // all ASCII
        else
            cutText(line, units, column);
        appendUtf8(line, s);
        units = column + s.size();
        return;
    }
    // The line runs on past the text: the text overwrites as many code
    // units as it has, in place.
    if (!s.isEmpty())
        overwriteText(line, units, column, s);
}

void SectionLines::cutText(LineBytes& line, qsizetype units, qsizetype column)
{
    const BytePosition cut = byteOf(line, units, column);
    line.truncate(cut.at);
    if (cut.insidePair)
        line.append(replacementCharacter); // the half that stays
}

void SectionLines::overwriteText(LineBytes& line, qsizetype units, qsizetype column, QStringView text)
{
    const BytePosition from = byteOf(line, units, column);
    const BytePosition to = byteOf(line, units, column + text.size());
    value_.clear();
    if (from.insidePair)
        value_.append(replacementCharacter);
    appendUtf8(value_, text);
    size_t end = to.at;
    if (to.insidePair) {
        value_.append(replacementCharacter);
        end += 4;
    }
    line.replace(from.at, end - from.at, value_.view());
}

bool SectionLines::HtmlCellLook::isOf(const FieldPrivate& field) const
{
    return justification == field.justification && foreColour == field.foreColour && backColour == field.backColour
        && size == field.size && bold == field.bold && italics == field.italics && underline == field.underline
        && font == field.font;
}

const SectionLines::HtmlCellMarkup& SectionLines::htmlCellMarkup(const FieldPrivate& field)
{
    for (const HtmlCellMarkup& cell : htmlCells_)
        if (cell.look.isOf(field))
            return cell;
    // A caller that gives every field a look of its own would otherwise grow
    // the list without end.
    if (htmlCells_.size() >= 64)
        htmlCells_.clear();
    const HtmlCellLook look{field.justification, field.font, field.foreColour, field.backColour,
                            field.size,          field.bold, field.italics,    field.underline};
    QString opening;
    switch (look.justification) {
    case cJustificationRight:
        opening += u" ALIGN=right>";
        break;
    case cJustificationCentre:
        opening += u" ALIGN=middle>";
        break;
    default:
        opening += u" ALIGN=left>";
        break;
    }
    // A font name from a definition file stays inside its attribute,
    // whatever it holds; the markup is made once per look of a cell.
    opening += u"<FONT face=\"";
    opening += look.font.toHtmlEscaped().replace(u'\'', QStringLiteral("&#39;"));
    opening += u"\" ";
    if (look.foreColour != 0)
        opening += QStringLiteral("color=%1 ").arg(colourToHex(look.foreColour));
    if (look.backColour != white)
        opening += QStringLiteral("style=\"BACKGROUND-COLOR: #%1\" ").arg(colourToHex(look.backColour));
    opening += htmlFontSize(look.size);
    if (look.bold)
        opening += u"<B>";
    if (look.italics)
        opening += u"<I>";
    if (look.underline)
        opening += u"<U>";
    LineBytes openingBytes;
    appendUtf8(openingBytes, opening);
    HtmlCellMarkup cell{look, std::string(openingBytes.view()), {}};
    if (look.underline)
        cell.closing += "</U>";
    if (look.italics)
        cell.closing += "</I>";
    if (look.bold)
        cell.closing += "</B>";
    cell.closing += "</FONT></TD>";
    htmlCells_.push_back(std::move(cell));
    return htmlCells_.back();
}

void SectionLines::writeHtml(size_t index, const FieldPrivate& f, const Placement& placement, QStringView text)
{
    LineBytes& line = lines_[index];
    const int32_t px = placement.px;
    LineState& state = lineStates_[index];
    qsizetype& lastWidth = state.lastWidthAt;
    qsizetype& lastWidthSize = state.lastWidthSize;
    if (lastWidth >= 0) {
        // The previous cell now reaches to this field's left.
        const Digits width(px - state.cellLeft);
        line.replace(static_cast<size_t>(lastWidth), static_cast<size_t>(lastWidthSize), width.view());
    } else {
        line.append("<TD width=");
        line.append(Digits(px).view());
        line.append("></TD>");
    }
    const HtmlCellMarkup& cell = htmlCellMarkup(f);
    const Digits width(htmlWidth - px);
    line.append("<TD WIDTH=");
    lastWidth = static_cast<qsizetype>(line.size());
    lastWidthSize = static_cast<qsizetype>(width.size);
    line.append(width.view());
    line.append(cell.opening);
    if (htmlValuesAreText_) {
        value_.clear();
        appendUtf8(value_, text);
        appendHtmlEscaped(line, value_.view());
    } else {
        appendUtf8(line, text);
    }
    line.append(cell.closing);
    state.cellLeft = px;
}

void SectionLines::writeCsv(LineBytes& line, QStringView text) const
{
    if (!line.empty())
        line.append(',');
    appendCsvValue(line, text);
}

} // namespace quirepress::detail
