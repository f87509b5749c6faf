// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Enums.h>

#include <QString>
#include <QStringView>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quirepress {
class Field;
class FieldPrivate;
} // namespace quirepress

namespace quirepress::detail {

// The forms of the targets without pages: text, HTML and CSV files and the
// three e-mail bodies.
enum class LineFormat { Text, Html, Csv };

// A line of UTF-8 being made. Unlike a std::string it grows without first
// filling the room that is about to be written over, and keeps that room
// from one section to the next.
class LineBytes {
public:
    LineBytes() = default;
    // A line moved away from is left empty, with no room, never pointing at
    // room it no longer has.
    LineBytes(LineBytes&& other) noexcept
        : data_(std::move(other.data_)),
          size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0))
    {}
    LineBytes& operator=(LineBytes&& other) noexcept
    {
        data_ = std::move(other.data_);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        return *this;
    }

    std::string_view view() const { return {data_.get(), size_}; }
    const char* data() const { return data_.get(); }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    char operator[](size_t at) const { return data_[at]; }

    void clear() { size_ = 0; }
    void reserve(size_t capacity)
    {
        if (capacity > capacity_)
            grow(capacity - size_);
    }
    // Drops the bytes from `size` on.
    void truncate(size_t size) { size_ = size; }
    // Room for `count` more bytes at the end, for the caller to fill.
    char* extend(size_t count)
    {
        if (capacity_ - size_ < count)
            grow(count);
        char* at = data_.get() + size_;
        size_ += count;
        return at;
    }
    void append(std::string_view bytes)
    {
        if (!bytes.empty())
            std::memcpy(extend(bytes.size()), bytes.data(), bytes.size());
    }
    void append(char byte) { *extend(1) = byte; }
    void append(size_t count, char byte)
    {
        if (count > 0)
            std::memset(extend(count), byte, count);
    }
    // The blanks before a text column: mostly a few, written in one move
    // rather than by a call to memset.
    void appendSpaces(size_t count)
    {
        static constexpr char spaces[] = "                                ";
        constexpr size_t most = sizeof spaces - 1;
        if (count <= most && capacity_ - size_ >= most) {
            std::memcpy(data_.get() + size_, spaces, most);
            size_ += count;
            return;
        }
        append(count, ' ');
    }
    // The `count` bytes from `at` become `bytes`.
    void replace(size_t at, size_t count, std::string_view bytes);

private:
    void grow(size_t count);

    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

// One section written as lines of characters: a line per grid row of GridY
// twips, each text field placed into the line of its FieldTop, at a
// character column (text), as a table cell (HTML) or as a value (CSV).
//
// The lines are made as UTF-8, the bytes the file or the body takes: each
// field's value is encoded once, where it is placed, and a line goes out as
// it is, without being encoded again.
class SectionLines {
public:
    // `pageWidth` (twips) is mapped onto 800 pixels for HTML.
    SectionLines(LineFormat format, int16_t gridX, int16_t gridY, int32_t pageWidth);

    // The grid and page width of the sections that follow.
    void setGrid(int16_t gridX, int16_t gridY, int32_t pageWidth);
    // HTML: values are plain text to escape, not markup.
    void setHtmlValuesAreText(bool text) { htmlValuesAreText_ = text; }

    // Starts a section `height` twips high: its lines, all empty. The lines
    // of the section before are reused, so that a long run of sections does
    // not allocate them anew each time.
    void begin(int32_t height);
    // Places each of `fields`, which come from left to right, with its own
    // value, a placeholder in it expanded for page `pageCount`. The form is
    // chosen once for the section rather than for every field.
    void writeValues(std::span<const Field* const> fields, int16_t pageCount);
    // The section's lines in UTF-8; each is followed by rowEnd() when it is
    // written.
    const std::vector<LineBytes>& lines() const { return lines_; }
    std::string_view rowEnd() const;

private:
    // Where a field lands, from its place in twips. Rounding onto the grid
    // divides, the slowest step of placing a field, and a run writes the
    // same fields section after section: the places are kept for each
    // field's turn in its section and worked out again only when what they
    // come from differs.
    struct Placement {
        // What it was worked out from.
        int32_t top;
        int32_t left;
        int32_t width;
        Justifications justification;
        bool limitSize;
        // The line, from 1, before it is kept within the section's lines.
        int32_t line;
        // Text: the column of the left edge, or of the right one when
        // right-justified; and how many characters a LimitSize field keeps.
        int32_t edge;
        int32_t columns;
        // HTML: the left edge in pixels.
        int32_t px;
    };
    // The place kept for the field's turn, nearly always still right; else
    // it is replaced, apart from the quick look.
    const Placement& placementOf(const FieldPrivate& field);
    const Placement& replace(size_t turn, const FieldPrivate& field);
    Placement place(const FieldPrivate& field) const;
    // `lineCount` is the size of lines_, worked out once for the section.
    template <LineFormat format>
    void writeField(const FieldPrivate& field, QStringView text, int32_t lineCount);
    void writeText(size_t index, const FieldPrivate& field, const Placement& placement, QStringView text);
    // A line that is not all ASCII cut at a column; a text that overwrites
    // some of a line in place.
    static void cutText(LineBytes& line, qsizetype units, qsizetype column);
    void overwriteText(LineBytes& line, qsizetype units, qsizetype column, QStringView text);
    void writeHtml(size_t index, const FieldPrivate& field, const Placement& placement, QStringView text);
    void writeCsv(LineBytes& line, QStringView text) const;

    // The markup of an HTML cell around its text, which depends only on the
    // field's look: made once for each look rather than piece by piece for
    // every field of every line.
    struct HtmlCellLook {
        Justifications justification;
        QString font;
        int32_t foreColour;
        int32_t backColour;
        float size;
        bool bold;
        bool italics;
        bool underline;

        bool isOf(const FieldPrivate& field) const;
    };
    struct HtmlCellMarkup {
        HtmlCellLook look;
        std::string opening; // from the alignment to the last opening tag, UTF-8
        std::string closing;
    };
    const HtmlCellMarkup& htmlCellMarkup(const FieldPrivate& field);

    LineFormat format_;
    int16_t gridX_;
    int16_t gridY_;
    int32_t pageWidth_;
    bool htmlValuesAreText_ = false;
    std::vector<Placement> placements_;
    size_t turn_ = 0; // of the next field in the section
    // The section height the lines were last counted for on this grid.
    std::optional<int32_t> countedHeight_;
    std::vector<LineBytes> lines_;
    // What is known of each line besides its bytes, made anew with it.
    struct LineState {
        // Text: the line's length in UTF-16 code units, which is what a
        // column counts (an accented letter one, a character beyond the
        // Basic Multilingual Plane two), as it always has. A line is as long
        // in bytes exactly when it is all ASCII, and then a column is its
        // byte.
        qsizetype units = 0;
        // HTML: the left edge of the line's last cell, and where in the line
        // its width is written and in how many digits, so that the next
        // field of the line can narrow that cell; -1 before the line has a
        // cell.
        int32_t cellLeft = 0;
        qsizetype lastWidthAt = -1;
        qsizetype lastWidthSize = 0;
    };
    std::vector<LineState> lineStates_;
    // A value that does not go straight onto the end of its line, one that
    // overwrites some of it or HTML text to escape, is encoded here first.
    LineBytes value_;
    std::vector<HtmlCellMarkup> htmlCells_;
};

// Copies the ASCII units at the start of `source` to `target`, a byte each,
// and tells how many there are. Values are nearly always ASCII throughout.
inline size_t copyAscii(const char16_t* source, size_t size, char* target)
{
    size_t index = 0;
#if defined(__SSE2__)
    // Eight units a step, the last eight again where fewer are left over.
    if (size >= 8) {
        const __m128i notAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
        const auto copyEight = [&](size_t at) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + at));
            if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(units, notAscii), _mm_setzero_si128())) != 0xFFFF)
                return false;
            _mm_storel_epi64(reinterpret_cast<__m128i*>(target + at), _mm_packus_epi16(units, units));
            return true;
        };
        while (index + 8 <= size && copyEight(index))
            index += 8;
        if (index + 8 > size && index < size && copyEight(size - 8))
            index = size;
    }
#else
    for (; index + 4 <= size; index += 4) {
        uint64_t four;
        std::memcpy(&four, source + index, sizeof four);
        if (four & 0xFF80'FF80'FF80'FF80u)
            break;
        for (size_t unit = index; unit < index + 4; ++unit)
            target[unit] = static_cast<char>(source[unit]);
    }
#endif
    for (; index < size && source[index] < 0x80; ++index)
        target[index] = static_cast<char>(source[index]);
    return index;
}

// The units of `text` from `index` on, which are not all ASCII, appended to
// `out` as UTF-8: the rest of appendUtf8(), which most values never need.
void appendEncoded(LineBytes& out, QStringView text, size_t index);

// Appends `text` to `out` as UTF-8. A lone surrogate becomes U+FFFD, the
// replacement character, as Qt's encoder writes it, in the one column it
// took. Inline: every field of every line goes through it.
Q_ALWAYS_INLINE void appendUtf8(LineBytes& out, QStringView text)
{
    const auto size = static_cast<size_t>(text.size());
    // A byte a unit, while they are ASCII.
    char* const ascii = out.extend(size);
    const size_t index = copyAscii(text.utf16(), size, ascii);
    if (index != size) {
        out.truncate(out.size() - (size - index));
        appendEncoded(out, text, index);
    }
}

// A colour 0x00BBGGRR as six upper-case hexadecimal digits red, green, blue.
QString colourToHex(int32_t colour);

// The HTML font size ("Size=1>" to "Size=7>") for a size in points.
QLatin1StringView htmlFontSize(float points);

// A CSV value: quoted, with quotes doubled, when it holds a comma, a quote or
// a line break, so that a spreadsheet reads it as one value; else as it is.
QString csvValue(QStringView value);
// The same appended to a line of UTF-8.
void appendCsvValue(LineBytes& line, QStringView value);

// The Error 6 (Overflow) of roundHalfEven(), apart from it so that what is
// inlined stays small.
[[noreturn]] void throwRoundingOverflow();

// Rounds to the nearest whole number, halves to the even neighbour. Inline:
// the layout rounds places on the grid again and again.
inline int32_t roundHalfEven(double value)
{
    // std::rint rounds as nearbyint does, halves to even in the default
    // rounding mode, but without saving and restoring the floating-point
    // state around it.
    const double rounded = std::rint(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        throwRoundingOverflow();
    return static_cast<int32_t>(rounded);
}

} // namespace quirepress::detail
