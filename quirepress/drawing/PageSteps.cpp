// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "drawing/PageSteps.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>

#include <cmath>
#include <cstring>
#include <optional>

namespace quirepress::detail {

namespace {

enum class Step : char { Style = 1, Text, AlignedText, Line, Box, Image };

enum StyleFlag : uint8_t { bold = 1, italic = 2, underline = 4 };

// Numbers are written seven bits a byte, the low bits first, with the top
// bit telling that more follow: the twips of a page take two or three bytes.
void putUnsigned(QByteArray& out, uint64_t value)
{
    while (value >= 0x80) {
        out.append(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.append(static_cast<char>(value));
}

// Negative numbers alternate with positive ones (0, -1, 1, -2 ...), so
// that small ones of either sign stay short.
void putSigned(QByteArray& out, int64_t value)
{
    putUnsigned(out, (static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63));
}

// A position: whole twips, as nearly all are, with a low bit of 0; any
// other value with a low bit of 1 and then its eight bytes as they are, so
// that what is drawn again is exactly what was recorded.
void putPosition(QByteArray& out, double value)
{
    constexpr double largest = 1e15;
    if (value == std::trunc(value) && std::abs(value) < largest) {
        const auto whole = static_cast<int64_t>(value);
        putUnsigned(out, ((static_cast<uint64_t>(whole) << 1) ^ static_cast<uint64_t>(whole >> 63)) << 1);
        return;
    }
    putUnsigned(out, 1);
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof value);
}

void putBytes(QByteArray& out, QByteArrayView bytes)
{
    putUnsigned(out, static_cast<uint64_t>(bytes.size()));
    out.append(bytes);
}

void putText(QByteArray& out, const QString& text) { putBytes(out, text.toUtf8()); }

void putStep(QByteArray& out, Step step) { out.append(static_cast<char>(step)); }

// Reads what the put functions wrote; every read checks that the bytes
// hold it, and once one fails the reader stays failed.
class StepReader {
public:
    explicit StepReader(QByteArrayView bytes) : bytes_(bytes) {}

    bool atEnd() const { return at_ >= bytes_.size(); }
    bool failed() const { return failed_; }

    std::optional<uint64_t> unsignedNumber()
    {
        uint64_t value = 0;
        for (int shift = 0; shift < 64 && at_ < bytes_.size(); shift += 7) {
            const auto byte = static_cast<uint8_t>(bytes_[at_++]);
            value |= uint64_t{byte & 0x7Fu} << shift;
            if ((byte & 0x80) == 0)
                return value;
        }
        return fail<uint64_t>();
    }
    std::optional<int64_t> signedNumber()
    {
        const auto value = unsignedNumber();
        if (!value)
            return std::nullopt;
        return static_cast<int64_t>(*value >> 1) ^ -static_cast<int64_t>(*value & 1);
    }
    std::optional<int32_t> number32()
    {
        const auto value = signedNumber();
        if (!value || *value < INT32_MIN || *value > INT32_MAX)
            return fail<int32_t>();
        return static_cast<int32_t>(*value);
    }
    std::optional<double> position()
    {
        const auto value = unsignedNumber();
        if (!value)
            return std::nullopt;
        if ((*value & 1) == 0) {
            const uint64_t zigzag = *value >> 1;
            return static_cast<double>(static_cast<int64_t>(zigzag >> 1) ^ -static_cast<int64_t>(zigzag & 1));
        }
        double raw = 0;
        const auto bytes = take(sizeof raw);
        if (!bytes)
            return std::nullopt;
        std::memcpy(&raw, bytes->data(), sizeof raw);
        return raw;
    }
    std::optional<QByteArrayView> bytes()
    {
        const auto size = unsignedNumber();
        if (!size)
            return std::nullopt;
        return take(*size);
    }
    std::optional<QString> text()
    {
        const auto utf8 = bytes();
        if (!utf8)
            return std::nullopt;
        return QString::fromUtf8(*utf8);
    }
    std::optional<uint8_t> byte()
    {
        const auto one = take(1);
        if (!one)
            return std::nullopt;
        return static_cast<uint8_t>((*one)[0]);
    }

private:
    std::optional<QByteArrayView> take(uint64_t size)
    {
        if (size > static_cast<uint64_t>(bytes_.size() - at_))
            return fail<QByteArrayView>();
        const QByteArrayView part = bytes_.sliced(at_, static_cast<qsizetype>(size));
        at_ += static_cast<qsizetype>(size);
        return part;
    }
    template <typename T>
    std::optional<T> fail()
    {
        failed_ = true;
        at_ = bytes_.size();
        return std::nullopt;
    }

    QByteArrayView bytes_;
    qsizetype at_ = 0;
    bool failed_ = false;
};

bool drawStyle(StepReader& in, PageSurface& surface)
{
    const auto family = in.text();
    const auto size = in.bytes();
    const auto flags = in.byte();
    if (in.failed() || size->size() != sizeof(float))
        return false;
    TextStyle style;
    style.font = *family;
    std::memcpy(&style.size, size->data(), sizeof(float));
    style.bold = (*flags & bold) != 0;
    style.italic = (*flags & italic) != 0;
    style.underline = (*flags & underline) != 0;
    surface.setTextStyle(style);
    return true;
}

bool drawText(StepReader& in, PageSurface& surface)
{
    const auto x = in.position();
    const auto y = in.position();
    const auto text = in.text();
    const auto colour = in.number32();
    if (in.failed())
        return false;
    surface.drawText(*x, *y, *text, *colour);
    return true;
}

bool drawAlignedText(StepReader& in, PageSurface& surface)
{
    const auto left = in.position();
    const auto width = in.position();
    const auto y = in.position();
    const auto alignment = in.byte();
    const auto text = in.text();
    const auto colour = in.number32();
    if (in.failed() || *alignment > static_cast<uint8_t>(TextAlignment::Centre))
        return false;
    surface.drawAlignedText(*left, *width, *y, *text, static_cast<TextAlignment>(*alignment), *colour);
    return true;
}

bool drawLine(StepReader& in, PageSurface& surface)
{
    const auto x1 = in.number32();
    const auto y1 = in.number32();
    const auto x2 = in.number32();
    const auto y2 = in.number32();
    const auto colour = in.number32();
    const auto lineWidth = in.number32();
    if (in.failed())
        return false;
    surface.drawLine(*x1, *y1, *x2, *y2, *colour, *lineWidth);
    return true;
}

bool drawBox(StepReader& in, PageSurface& surface)
{
    const auto x = in.number32();
    const auto y = in.number32();
    const auto width = in.number32();
    const auto height = in.number32();
    const auto outline = in.number32();
    const auto fill = in.number32();
    const auto lineWidth = in.number32();
    if (in.failed())
        return false;
    surface.drawBox(QRect(*x, *y, *width, *height), *outline, *fill, *lineWidth);
    return true;
}

bool drawImage(StepReader& in, PageSurface& surface)
{
    const auto x = in.number32();
    const auto y = in.number32();
    const auto stored = in.bytes();
    if (in.failed())
        return false;
    QByteArray bytes = stored->toByteArray();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    QImage image;
    stream >> image;
    if (stream.status() != QDataStream::Ok)
        return false;
    surface.drawImage(*x, *y, image);
    return true;
}

} // namespace

RecordingSurface::RecordingSurface(FontCache& fonts) : fonts_(fonts), metrics_(fonts.fontFor(style_).metrics) {}

void RecordingSurface::setTextStyle(const TextStyle& style)
{
    if (style == style_)
        return;
    style_ = style;
    metrics_ = fonts_.fontFor(style).metrics;
    styleWritten_ = false;
}

double RecordingSurface::textWidth(const QString& text) const { return metrics_.horizontalAdvance(text); }

double RecordingSurface::textHeight(const QString& text) const
{
    (void)text;
    return metrics_.height();
}

void RecordingSurface::writeStyleIfChanged()
{
    if (styleWritten_)
        return;
    putStep(steps_, Step::Style);
    putText(steps_, style_.font);
    char size[sizeof(float)];
    std::memcpy(size, &style_.size, sizeof size);
    putBytes(steps_, QByteArrayView(size, sizeof size));
    steps_.append(static_cast<char>((style_.bold ? bold : 0) | (style_.italic ? italic : 0)
                                    | (style_.underline ? underline : 0)));
    styleWritten_ = true;
}

void RecordingSurface::drawText(double x, double y, const QString& text, int32_t colour)
{
    writeStyleIfChanged();
    putStep(steps_, Step::Text);
    putPosition(steps_, x);
    putPosition(steps_, y);
    putText(steps_, text);
    putSigned(steps_, colour);
}

void RecordingSurface::drawAlignedText(double left, double width, double y, const QString& text,
                                       TextAlignment alignment, int32_t colour)
{
    // The text is aligned where it is drawn, in the fonts of that device.
    writeStyleIfChanged();
    putStep(steps_, Step::AlignedText);
    putPosition(steps_, left);
    putPosition(steps_, width);
    putPosition(steps_, y);
    steps_.append(static_cast<char>(alignment));
    putText(steps_, text);
    putSigned(steps_, colour);
}

void RecordingSurface::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int lineWidth)
{
    putStep(steps_, Step::Line);
    for (const int64_t value :
         {int64_t{x1}, int64_t{y1}, int64_t{x2}, int64_t{y2}, int64_t{colour}, int64_t{lineWidth}})
        putSigned(steps_, value);
}

void RecordingSurface::drawBox(const QRect& box, int32_t outline, int32_t fill, int lineWidth)
{
    putStep(steps_, Step::Box);
    for (const int64_t value : {int64_t{box.x()}, int64_t{box.y()}, int64_t{box.width()}, int64_t{box.height()},
                                int64_t{outline}, int64_t{fill}, int64_t{lineWidth}})
        putSigned(steps_, value);
}

void RecordingSurface::drawImage(int32_t x, int32_t y, const QImage& image)
{
    // Kept as Qt stores an image (PNG), with its resolution: it sets the
    // picture's natural size.
    QByteArray bytes;
    {
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << image;
    }
    putStep(steps_, Step::Image);
    putSigned(steps_, x);
    putSigned(steps_, y);
    putBytes(steps_, bytes);
}

void RecordingSurface::clear()
{
    steps_.clear();
    // A new page starts with no style written, whatever the surface's is.
    styleWritten_ = false;
}

bool drawSteps(QByteArrayView steps, PageSurface& surface)
{
    StepReader in(steps);
    while (!in.atEnd()) {
        const auto step = in.byte();
        bool drawn = false;
        switch (static_cast<Step>(*step)) {
        case Step::Style:
            drawn = drawStyle(in, surface);
            break;
        case Step::Text:
            drawn = drawText(in, surface);
            break;
        case Step::AlignedText:
            drawn = drawAlignedText(in, surface);
            break;
        case Step::Line:
            drawn = drawLine(in, surface);
            break;
        case Step::Box:
            drawn = drawBox(in, surface);
            break;
        case Step::Image:
            drawn = drawImage(in, surface);
            break;
        }
        if (!drawn)
            return false;
    }
    return true;
}

} // namespace quirepress::detail
