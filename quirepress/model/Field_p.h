#pragma once

#include <quirepress/Enums.h>
#include <quirepress/Field.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace quirepress {

class FieldPrivate {
public:
    QString fieldName;
    QString value;
    QString defaultValue;
    QString font;
    float size = 0;
    bool bold = false;
    bool italics = false;
    bool underline = false;
    int32_t foreColour = 0;
    int32_t backColour = 0;
    Justifications justification = cJustificationLeft;
    int32_t top = 0;
    int32_t left = 0;
    int32_t width = 0;
    int32_t height = 0;
    FieldTypes type = static_cast<FieldTypes>(0);
    bool box = false;
    int16_t lineWidth = 1;
    bool limitSize = false;
    bool printed = false;
    bool firstRowLabel = false;
    bool firstColLabel = false;
    int16_t maxColumnWidth = 0;
    int16_t rows = 0;
    int16_t cols = 0;
    // (rows + 1) x (cols + 1) cells, row by row.
    std::vector<QString> cells = std::vector<QString>(1);

    // The stored values of a field, read without a call and a copy each:
    // the file writers place hundreds of thousands of fields in a run.
    static const FieldPrivate& of(const Field& field) { return *field.d; }

    void resetCells() { cells.assign(static_cast<size_t>(rows + 1) * static_cast<size_t>(cols + 1), QString()); }
};

} // namespace quirepress
