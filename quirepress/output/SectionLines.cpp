// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/SectionLines.h"

#include <quirepress/Error.h>
#include <quirepress/Field.h>

#include "model/Field_p.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace quirepress::detail {

namespace {

constexpr int htmlWidth = 800;
constexpr int32_t white = 0xFFFFFF;
const QString htmlRowStart = QStringLiteral("<TABLE border=0><TR>");
const QString htmlRowEnd = QStringLiteral("</TR></TABLE>");

// A number's decimal digits, as UTF-16 so that a line takes them without a
// conversion.
struct Digits {
    explicit Digits(int32_t number)
    {
        char narrow[16];
        char* end = std::to_chars(narrow, narrow + sizeof narrow, number).ptr;
        size = end - narrow;
        std::copy(narrow, end, wide);
    }
    QStringView view() const { return QStringView(wide, size); }

    char16_t wide[16];
    qsizetype size;
};

void appendNumber(QString& line, int32_t number) { line += Digits(number).view(); }

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

} // namespace

int32_t roundHalfEven(double value)
{
    // std::rint rounds as nearbyint does, halves to even in the default
    // rounding mode, but is one instruction where nearbyint saves and
    // restores the floating-point state around it.
    const double rounded = std::rint(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        throw Error(6, QStringLiteral("Quirepress.Output"),
                    QCoreApplication::translate("quirepress::Error", "Overflow"));
    return static_cast<int32_t>(rounded);
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

void appendCsvValue(QString& line, QStringView value)
{
    const bool needsQuotes = std::any_of(value.begin(), value.end(),
                                         [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; });
    if (!needsQuotes) {
        line += value;
        return;
    }
    line += u'"';
    for (const QChar c : value) {
        if (c == u'"')
            line += u'"';
        line += c;
    }
    line += u'"';
}

QString csvValue(QStringView value)
{
    QString quoted;
    appendCsvValue(quoted, value);
    return quoted;
}

SectionLines::SectionLines(LineFormat format, int16_t gridX, int16_t gridY, int32_t pageWidth)
    : format_(format), gridX_(gridX), gridY_(gridY), pageWidth_(pageWidth)
{}

void SectionLines::setGrid(int16_t gridX, int16_t gridY, int32_t pageWidth)
{
    gridX_ = gridX;
    gridY_ = gridY;
    pageWidth_ = pageWidth;
}

void SectionLines::begin(int32_t height)
{
    const int32_t count = std::max(0, roundHalfEven(static_cast<double>(height) / gridY_));
    lines_.resize(count);
    for (QString& line : lines_) {
        line.truncate(0);
        if (format_ == LineFormat::Html)
            line += htmlRowStart;
    }
    if (format_ == LineFormat::Html) {
        cellLeft_.assign(static_cast<size_t>(count), 0);
        lastWidthAt_.assign(static_cast<size_t>(count), -1);
        lastWidthSize_.assign(static_cast<size_t>(count), 0);
    }
}

QStringView SectionLines::rowEnd() const
{
    return format_ == LineFormat::Html ? QStringView(htmlRowEnd) : QStringView();
}

int SectionLines::lineOf(int32_t top) const
{
    const int32_t line = roundHalfEven(static_cast<double>(top) / gridY_) + 1;
    return static_cast<int>(std::clamp<int32_t>(line, 1, static_cast<int32_t>(lines_.size()))) - 1;
}

void SectionLines::write(const Field& field, QStringView text)
{
    if (lines_.isEmpty())
        return; // a section at most half a grid row high has no lines
    const int index = lineOf(FieldPrivate::of(field).top);
    switch (format_) {
    case LineFormat::Text:
        writeText(lines_[index], field, text);
        break;
    case LineFormat::Html:
        writeHtml(index, field, text);
        break;
    case LineFormat::Csv:
        writeCsv(lines_[index], text);
        break;
    }
}

void SectionLines::writeText(QString& line, const Field& field, QStringView text) const
{
    const FieldPrivate& f = FieldPrivate::of(field);
    const auto n = static_cast<int32_t>(text.size());
    int32_t column = 1;
    switch (f.justification) {
    case cJustificationRight:
        column = roundHalfEven(static_cast<double>(f.left + f.width) / gridX_) + 1 - n;
        break;
    case cJustificationCentre:
        column = roundHalfEven((f.left + f.width / 2.0) / gridX_ + 1 - n / 2.0);
        break;
    default:
        column = roundHalfEven(static_cast<double>(f.left) / gridX_) + 1;
        break;
    }
    column = std::max(column, 1);
    QStringView s = text;
    if (f.limitSize)
        s = s.left(std::max(0, roundHalfEven(static_cast<double>(f.width) / gridX_)));
    if (line.size() < column)
        line.resize(column, u' ');
    if (line.size() <= column + n) {
        line.truncate(column); // the text starts at character column + 1
        line += s;
    } else {
        line.replace(column, s.size(), s.data(), s.size()); // the line runs on past the text: overwrite in place
    }
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
    HtmlCellMarkup cell{look, {}, {}};
    QString& opening = cell.opening;
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
    if (look.underline)
        cell.closing += u"</U>";
    if (look.italics)
        cell.closing += u"</I>";
    if (look.bold)
        cell.closing += u"</B>";
    cell.closing += u"</FONT></TD>";
    htmlCells_.push_back(std::move(cell));
    return htmlCells_.back();
}

void SectionLines::writeHtml(int index, const Field& field, QStringView text)
{
    static constexpr QStringView cellStart = u"<TD WIDTH=";
    const FieldPrivate& f = FieldPrivate::of(field);
    QString& line = lines_[index];
    const int32_t px = roundHalfEven(static_cast<double>(f.left) / pageWidth_ * htmlWidth);
    qsizetype& lastWidth = lastWidthAt_[static_cast<size_t>(index)];
    qsizetype& lastWidthSize = lastWidthSize_[static_cast<size_t>(index)];
    if (lastWidth >= 0) {
        // The previous cell now reaches to this field's left.
        const Digits width(px - cellLeft_[static_cast<size_t>(index)]);
        line.replace(lastWidth, lastWidthSize, reinterpret_cast<const QChar*>(width.wide), width.size);
    } else {
        line += u"<TD width=";
        appendNumber(line, px);
        line += u"></TD>";
    }
    const HtmlCellMarkup& cell = htmlCellMarkup(f);
    QString escaped;
    if (htmlValuesAreText_)
        escaped = text.toString().toHtmlEscaped();
    const QStringView value = htmlValuesAreText_ ? QStringView(escaped) : text;
    const Digits width(htmlWidth - px);
    // The cell's pieces go straight into the line, which grows once.
    const qsizetype start = line.size();
    line.resize(start + cellStart.size() + width.size + cell.opening.size() + value.size() + cell.closing.size());
    QChar* out = line.data() + start;
    const auto put = [&out](QStringView piece) {
        std::memcpy(static_cast<void*>(out), piece.data(), static_cast<size_t>(piece.size()) * sizeof(QChar));
        out += piece.size();
    };
    put(cellStart);
    lastWidth = out - line.constData();
    lastWidthSize = width.size;
    put(width.view());
    put(cell.opening);
    put(value);
    put(cell.closing);
    cellLeft_[static_cast<size_t>(index)] = px;
}

void SectionLines::writeCsv(QString& line, QStringView text) const
{
    if (!line.isEmpty())
        line += u',';
    appendCsvValue(line, text);
}

} // namespace quirepress::detail
