#include "output/SectionLines.h"

#include <quirepress/Error.h>
#include <quirepress/Field.h>

#include <cmath>
#include <limits>

namespace quirepress::detail {

namespace {

constexpr int htmlWidth = 800;
constexpr int32_t white = 0xFFFFFF;
const QString htmlRowStart = QStringLiteral("<TABLE border=0><TR>");
const QString htmlRowEnd = QStringLiteral("</TR></TABLE>");
const QString widthMark = QStringLiteral("WIDTH=");

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

QString htmlFontSize(float points)
{
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
    return QStringLiteral("Size=%1>").arg(size);
}

QString csvValue(const QString& value)
{
    const bool needsQuotes = value.contains(u',') || value.contains(u'"') || value.contains(u'\n')
        || value.contains(u'\r');
    if (!needsQuotes)
        return value;
    QString quoted = value;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

SectionLines::SectionLines(LineFormat format, int16_t gridX, int16_t gridY, int32_t pageWidth)
    : format_(format), gridX_(gridX), gridY_(gridY), pageWidth_(pageWidth)
{
}

void SectionLines::begin(int32_t height)
{
    const int32_t count = std::max(0, roundHalfEven(static_cast<double>(height) / gridY_));
    const QString empty = format_ == LineFormat::Html ? htmlRowStart : QString();
    lines_ = QStringList(count, empty);
    cellLeft_.assign(static_cast<size_t>(count), 0);
}

int SectionLines::lineOf(int32_t top) const
{
    const int32_t line = roundHalfEven(static_cast<double>(top) / gridY_) + 1;
    return static_cast<int>(std::clamp<int32_t>(line, 1, static_cast<int32_t>(lines_.size()))) - 1;
}

void SectionLines::write(const Field& field, const QString& text)
{
    if (lines_.isEmpty())
        return; // a section at most half a grid row high has no lines
    const int index = lineOf(field.FieldTop());
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

void SectionLines::writeText(QString& line, const Field& field, const QString& text) const
{
    const auto n = static_cast<int32_t>(text.size());
    int32_t column = 1;
    switch (field.Justification()) {
    case cJustificationRight:
        column = roundHalfEven(static_cast<double>(field.FieldLeft() + field.FieldWidth()) / gridX_) + 1 - n;
        break;
    case cJustificationCentre:
        column = roundHalfEven((field.FieldLeft() + field.FieldWidth() / 2.0) / gridX_ + 1 - n / 2.0);
        break;
    default:
        column = roundHalfEven(static_cast<double>(field.FieldLeft()) / gridX_) + 1;
        break;
    }
    column = std::max(column, 1);
    QString s = text;
    if (field.LimitSize())
        s = s.left(std::max(0, roundHalfEven(static_cast<double>(field.FieldWidth()) / gridX_)));
    if (line.size() < column)
        line = line.leftJustified(column, u' ');
    if (line.size() <= column + n)
        line = line.left(column) + s; // the text starts at character column + 1
    else
        line.replace(column, s.size(), s); // the line runs on past the text: overwrite in place
}

void SectionLines::writeHtml(int index, const Field& field, const QString& text)
{
    QString& line = lines_[index];
    const int32_t px = roundHalfEven(static_cast<double>(field.FieldLeft()) / pageWidth_ * htmlWidth);
    const qsizetype lastWidth = line.lastIndexOf(widthMark);
    if (lastWidth >= 0) {
        // The previous cell now reaches to this field's left.
        const qsizetype start = lastWidth + widthMark.size();
        qsizetype end = line.indexOf(u' ', start);
        if (end < 0)
            end = line.size();
        line.replace(start, end - start, QString::number(px - cellLeft_[static_cast<size_t>(index)]));
    } else {
        line += QStringLiteral("<TD width=%1></TD>").arg(px);
    }
    line += QStringLiteral("<TD WIDTH=%1").arg(htmlWidth - px);
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
    line += QStringLiteral("<FONT face=\"%1\" ").arg(field.Font());
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

void SectionLines::writeCsv(QString& line, const QString& text) const
{
    if (line.isEmpty())
        line = csvValue(text);
    else
        line += u',' + csvValue(text);
}

QStringList SectionLines::finished() const
{
    if (format_ != LineFormat::Html)
        return lines_;
    QStringList closed;
    for (const QString& line : lines_)
        closed << line + htmlRowEnd;
    return closed;
}

} // namespace quirepress::detail
