// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/Enums.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace quirepress {
class Field;
class FieldPrivate;
} // namespace quirepress

namespace quirepress::detail {

// The forms of the targets without pages: text, HTML and CSV files and the
// three e-mail bodies.
enum class LineFormat { Text, Html, Csv };

// One section written as lines of characters: a line per grid row of GridY
// twips, each text field placed into the line of its FieldTop, at a
// character column (text), as a table cell (HTML) or as a value (CSV).
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
    // Places `field` with the text `text` (its value, placeholders expanded).
    // Fields arrive from left to right.
    void write(const Field& field, QStringView text);
    // The section's lines; each is followed by rowEnd() when it is written.
    const QStringList& lines() const { return lines_; }
    QStringView rowEnd() const;

private:
    int lineOf(int32_t top) const;
    void writeText(QString& line, const Field& field, QStringView text) const;
    void writeHtml(int index, const Field& field, QStringView text);
    void writeCsv(QString& line, QStringView text) const;

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
        QString opening; // from the alignment to the last opening tag
        QString closing;
    };
    const HtmlCellMarkup& htmlCellMarkup(const FieldPrivate& field);

    LineFormat format_;
    int16_t gridX_;
    int16_t gridY_;
    int32_t pageWidth_;
    bool htmlValuesAreText_ = false;
    QStringList lines_;
    std::vector<int32_t> cellLeft_;
    // For HTML, where in each line the width of its last cell is written, so
    // that the next field of the line can narrow that cell; -1 before the
    // line has a cell.
    std::vector<qsizetype> lastWidthAt_;
    std::vector<qsizetype> lastWidthSize_; // and how many digits it has
    std::vector<HtmlCellMarkup> htmlCells_;
};

// A colour 0x00BBGGRR as six upper-case hexadecimal digits red, green, blue.
QString colourToHex(int32_t colour);

// The HTML font size ("Size=1>" to "Size=7>") for a size in points.
QLatin1StringView htmlFontSize(float points);

// A CSV value: quoted, with quotes doubled, when it holds a comma, a quote or
// a line break, so that a spreadsheet reads it as one value; else as it is.
QString csvValue(QStringView value);
void appendCsvValue(QString& line, QStringView value);

// Rounds to the nearest whole number, halves to the even neighbour.
int32_t roundHalfEven(double value);

} // namespace quirepress::detail
