#include "output/SectionLines.h"

#include <quirepress/Error.h>
#include <quirepress/Field.h>

#include "model/Field_p.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace quirepress::detail {

namespace {

constexpr int htmlWidth = 800;
constexpr int32_t white = 0xFFFFFF;
const QString htmlRowStart = QStringLiteral("<TABLE border=0><TR>");
const QString htmlRowEnd = QStringLiteral("</TR></TABLE>");

void appendNumber(QString& line, int32_t number)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    line += QLatin1StringView(digits, end);
}

} // namespace

int32_t roundHalfEven(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        throw Error(6, QStringLiteral("Quirepress.Output"), QStringLiteral("Overflow"));
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
    int size = 7;
    if (points < 10)
        size = 1;
    else if (points <= 12)
        size = 2;
    else if (points <= 14)
        size = 3;
    else if (points <= 18)
        size = 4;
    else if (points <= 24)
        size = 5;
    else if (points <= 36)
        size = 6;
    return QLatin1StringView(sizes[size - 1]);
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

void SectionLines::writeHtml(int index, const Field& field, QStringView text)
{
    QString& line = lines_[index];
    const int32_t px = roundHalfEven(static_cast<double>(field.FieldLeft()) / pageWidth_ * htmlWidth);
    qsizetype& lastWidth = lastWidthAt_[static_cast<size_t>(index)];
    if (lastWidth >= 0) {
        // The previous cell now reaches to this field's left.
        qsizetype end = line.indexOf(u' ', lastWidth);
        if (end < 0)
            end = line.size();
        line.replace(lastWidth, end - lastWidth, QString::number(px - cellLeft_[static_cast<size_t>(index)]));
    } else {
        line += QLatin1StringView("<TD width=");
        appendNumber(line, px);
        line += QLatin1StringView("></TD>");
    }
    line += QLatin1StringView("<TD WIDTH=");
    lastWidth = line.size();
    appendNumber(line, htmlWidth - px);
    switch (field.Justification()) {
    case cJustificationRight:
        line += QStringLiteral(" ALIGN=right>");
        break;
    case cJustificationCentre:
        line += QStringLiteral(" ALIGN=middle>");
        break;
    default:
        line += QStringLiteral(" ALIGN=left>");
        break;
    }
    line += QLatin1StringView("<FONT face=\"");
    line += field.Font();
    line += QLatin1StringView("\" ");
    if (field.ForeColour() != 0)
        line += QStringLiteral("color=%1 ").arg(colourToHex(field.ForeColour()));
    if (field.BackColour() != white)
        line += QStringLiteral("style=\"BACKGROUND-COLOR: #%1\" ").arg(colourToHex(field.BackColour()));
    line += htmlFontSize(field.Size());
    if (field.Bold())
        line += QStringLiteral("<B>");
    if (field.Italics())
        line += QStringLiteral("<I>");
    if (field.Underline())
        line += QStringLiteral("<U>");
    if (htmlValuesAreText_)
        line += text.toString().toHtmlEscaped();
    else
        line += text;
    if (field.Underline())
        line += QStringLiteral("</U>");
    if (field.Italics())
        line += QStringLiteral("</I>");
    if (field.Bold())
        line += QStringLiteral("</B>");
    line += QStringLiteral("</FONT></TD>");
    cellLeft_[static_cast<size_t>(index)] = px;
}

void SectionLines::writeCsv(QString& line, QStringView text) const
{
    if (!line.isEmpty())
        line += u',';
    appendCsvValue(line, text);
}

} // namespace quirepress::detail
