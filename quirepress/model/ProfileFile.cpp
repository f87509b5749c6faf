#include "model/ProfileFile.h"

#include <quirepress/Error.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <limits>
#include <utility>

namespace quirepress::detail {

namespace {

const QString& source()
{
    static const QString name = QStringLiteral("Quirepress.ProfileFile");
    return name;
}

// The longest value the Windows profile functions hand back: their buffers
// hold 255 characters with the closing NUL.
constexpr qsizetype maxValueLength = 254;

// The blanks that the profile functions trim around names and values. Line
// breaks never reach here: the text is split into lines first.
bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f'; }

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isQuote(QChar c) { return c == u'"' || c == u'\''; }

bool hasEnclosingQuotes(QStringView text)
{
    return text.size() >= 2 && isQuote(text.front()) && text.front() == text.back();
}

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes that
// Windows leaves undefined there map to the control characters of the same
// number, as Windows' own conversion does, so no byte is lost.
QString decodeWindows1252(QByteArrayView bytes)
{
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(code >= 0x80 && code <= 0x9F ? QChar(high[code - 0x80]) : QChar(code));
    }
    return text;
}

[[noreturn]] void refuse(const QString& description) { throw Error(5, source(), description); }

// The profile functions read UTF-16 only after a byte-order mark; so does
// this reader, and it refuses text cut short rather than guess at it.
QString decodeUtf16(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    if (bytes.size() % 2 != 0)
        refuse(QStringLiteral("The profile file is UTF-16 with an odd number of bytes: it is damaged"));
    QStringDecoder utf16(encoding, QStringDecoder::Flag::Stateless);
    QString text = utf16.decode(bytes);
    if (utf16.hasError())
        refuse(QStringLiteral("The profile file is damaged UTF-16"));
    return text;
}

// UTF-16 without a byte-order mark: its ASCII characters have a NUL byte in
// one half, so one of the two byte positions is mostly NULs. A few stray
// NULs in a value of UTF-8 or Windows-1252 text come nowhere near that.
bool looksLikeUtf16(QByteArrayView bytes)
{
    const qsizetype pairs = bytes.size() / 2;
    qsizetype evenNuls = 0;
    qsizetype oddNuls = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        evenNuls += bytes[i] == '\0' ? 1 : 0;
        oddNuls += bytes[i + 1] == '\0' ? 1 : 0;
    }
    return pairs > 0 && std::max(evenNuls, oddNuls) * 4 >= pairs;
}

// Files written here are UTF-8; files written by the Windows profile
// functions of old are in the ANSI code page, which for the users of these
// reports is Windows-1252, or in UTF-16 with a byte-order mark. Text that is
// valid UTF-8 is taken as UTF-8, since Windows-1252 text with non-ASCII
// letters is almost never valid UTF-8.
QString decodeText(QByteArrayView bytes)
{
    // Checked before UTF-16, whose little-endian mark begins the same way.
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)) || bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        refuse(QStringLiteral("The profile file is UTF-32, which is not read: save it as UTF-8"));
    if (bytes.startsWith("\xFF\xFE"))
        return decodeUtf16(bytes.sliced(2), QStringDecoder::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return decodeUtf16(bytes.sliced(2), QStringDecoder::Utf16BE);
    if (looksLikeUtf16(bytes))
        refuse(QStringLiteral("The profile file looks like UTF-16 without a byte-order mark (NUL bytes throughout), "
                              "which is not read: save it as UTF-8, or as UTF-16 with a byte-order mark"));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    // Stateless, so that a sequence cut short at the end counts as an error
    // rather than waiting for bytes that never come.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

// The end of the first `count` characters of `text`, or of `text` when it is
// shorter. A character outside the BMP counts once and is never split.
qsizetype endOfCharacters(QStringView text, qsizetype count)
{
    qsizetype end = 0;
    for (qsizetype counted = 0; end < text.size() && counted < count; ++counted) {
        const bool pair = text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return end;
}

// A value as the profile functions return it: blanks trimmed, one pair of
// enclosing quotes dropped, cut at the first NUL and at 254 characters.
QString profileValue(QStringView raw)
{
    QStringView value = trimBlanks(raw);
    if (hasEnclosingQuotes(value))
        value = value.sliced(1, value.size() - 2);
    if (const qsizetype nul = value.indexOf(QChar(u'\0')); nul >= 0)
        value.truncate(nul);
    return value.first(endOfCharacters(value, maxValueLength)).toString();
}

// The profile-integer rule. The magnitude is gathered unsigned and held at
// 2^63 once it gets there, so that no number in a file can overflow.
int64_t profileInteger(QStringView value)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) {
        negative = value[i] == u'-';
        ++i;
    }
    constexpr uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + 1;
    uint64_t magnitude = 0;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
        const uint64_t digit = value[i].unicode() - u'0';
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (negative)
        return magnitude == limit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
    return magnitude >= limit ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(magnitude);
}

bool hasLineBreakOrNul(const QString& text)
{
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(u'\0'));
}

// Names are written bare, so a name must come back unchanged from every
// reader: no blanks at the ends, nothing that would end the line, and for a
// key nothing that a reader takes for a section, a comment or the end of the
// key (":" and "#" are that for Python's configparser).
void checkName(const QString& name, bool isSection)
{
    const QString what = isSection ? QStringLiteral("section") : QStringLiteral("key");
    const bool blankEnds = !name.isEmpty() && (name.front().isSpace() || name.back().isSpace());
    bool bad = name.isEmpty() || blankEnds || hasLineBreakOrNul(name);
    if (isSection)
        bad = bad || name.contains(u']');
    else
        bad = bad || name.contains(u'=') || name.contains(u':') || name.startsWith(u'[') || name.startsWith(u';')
            || name.startsWith(u'#');
    if (bad)
        refuse(QStringLiteral("The %1 name \"%2\" cannot be written to a profile file").arg(what, name));
}

} // namespace

ProfileReader ProfileReader::fromBytes(const QByteArray& bytes)
{
    ProfileReader reader;
    const QString text = decodeText(bytes);

    // The first section or key of a name wins, and a later one is skipped.
    // `current` stays valid while keys go into it: only adding a section
    // moves the sections, and that makes a new current one.
    Section* current = nullptr;

    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != u'\r' && all[end] != u'\n')
            ++end;
        const QStringView line = trimBlanks(all.sliced(start, end - start));
        start = end + 1;
        if (end + 1 < all.size() && all[end] == u'\r' && all[end + 1] == u'\n')
            ++start;

        if (line.isEmpty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            const qsizetype close = line.indexOf(u']');
            if (close < 0)
                continue; // not a section header, and no key either
            CaseInsensitiveName name{trimBlanks(line.sliced(1, close - 1)).toString()};
            if (reader.sections_.contains(name)) {
                current = nullptr;
                continue;
            }
            current = &reader.sections_[name];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0 || current == nullptr)
            continue;
        const QStringView key = trimBlanks(line.first(equals));
        if (key.isEmpty())
            continue;
        CaseInsensitiveName name{key.toString()};
        if (!current->contains(name))
            current->insert(name, profileValue(line.sliced(equals + 1)));
    }
    return reader;
}

ProfileReader ProfileReader::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(53, source(),
                    QStringLiteral("The profile file %1 cannot be read: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error(53, source(),
                    QStringLiteral("The profile file %1 cannot be read: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    try {
        return fromBytes(bytes);
    } catch (const Error& error) {
        throw Error(error.number(), error.source(),
                    QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), error.description()));
    }
}

const ProfileReader::Section* ProfileReader::find(const QString& section) const
{
    const auto found = sections_.constFind(CaseInsensitiveName{section});
    return found == sections_.cend() ? nullptr : &*found;
}

std::optional<QString> ProfileReader::text(const QString& section, const QString& key) const
{
    const Section* found = find(section);
    if (found == nullptr)
        return std::nullopt;
    const auto value = found->constFind(CaseInsensitiveName{key});
    if (value == found->cend())
        return std::nullopt;
    return *value;
}

QString ProfileReader::text(const QString& section, const QString& key, const QString& fallback) const
{
    return text(section, key).value_or(fallback);
}

int64_t ProfileReader::integer(const QString& section, const QString& key, int64_t fallback) const
{
    const std::optional<QString> value = text(section, key);
    return value ? profileInteger(*value) : fallback;
}

void ProfileWriter::section(const QString& name)
{
    checkName(name, true);
    bytes_ += '[' + name.toUtf8() + "]\r\n";
}

void ProfileWriter::key(const QString& name, const QString& value)
{
    checkName(name, false);
    // Every section line starts with "[", so an empty buffer means that no
    // section has been opened, and a reader would drop the key.
    if (bytes_.isEmpty())
        refuse(QStringLiteral("The key \"%1\" is written before any section").arg(name));
    if (hasLineBreakOrNul(value))
        refuse(QStringLiteral("The value of the key \"%1\" holds a line break or a NUL, "
                              "which a profile file cannot hold")
                   .arg(name));
    if (endOfCharacters(value, maxValueLength) < value.size())
        refuse(QStringLiteral("The value of the key \"%1\" is longer than the %2 characters "
                              "that a profile file gives back")
                   .arg(name)
                   .arg(maxValueLength));
    // Quote whatever a reader would trim or unquote, so that it reads back
    // exactly. Any white space counts here, more than readers trim: quoting
    // too much costs nothing, since the quotes are dropped again.
    const bool quote =
        (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace())) || hasEnclosingQuotes(value);
    bytes_ += name.toUtf8() + '=';
    bytes_ += quote ? '"' + value.toUtf8() + '"' : value.toUtf8();
    bytes_ += "\r\n";
}

void ProfileWriter::saveTo(const QString& path) const
{
    // Error 75 is the "path/file access error" of the report engine's callers.
    const auto fail = [&path](const QString& reason) {
        throw Error(
            75, source(),
            QStringLiteral("The profile file %1 cannot be written: %2").arg(QDir::toNativeSeparators(path), reason));
    };
    QSaveFile file(path);
    // A folder that the user may not write to can still hold a file that the
    // user may replace; write that file in place rather than fail.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    if (file.write(bytes_) != bytes_.size())
        fail(file.errorString());
    if (!file.commit())
        fail(file.errorString());
}

} // namespace quirepress::detail
