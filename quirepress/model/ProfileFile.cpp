// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "model/ProfileFile.h"

#include <quirepress/Error.h>

#include <QAnyStringView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QUtf8StringView>

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
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

QByteArrayView trimBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isQuote(QChar c) { return c == u'"' || c == u'\''; }
bool isQuote(char c) { return c == '"' || c == '\''; }

template <typename View>
bool hasEnclosingQuotes(View text)
{
    return text.size() >= 2 && isQuote(text.front()) && text.front() == text.back();
}

[[noreturn]] void refuse(const QString& description) { throw Error(5, source(), description); }

QString megabytes(qint64 bytes) { return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1); }

[[noreturn]] void refuseSize(qint64 size)
{
    refuse(QCoreApplication::translate("quirepress::detail::ProfileFile",
                                       "The file is %1 MB, more than the %2 MB that a report definition may take")
               .arg(megabytes(size))
               .arg(ProfileReader::maxFileSize / (1024 * 1024)));
}

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes that
// Windows leaves undefined there map to the control characters of the same
// number, as Windows' own conversion does, so no byte is lost. The text is
// measured first, so that it is made in one piece of the size it needs.
QByteArray windows1252ToUtf8(QByteArrayView bytes)
{
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    const auto codeOf = [](char byte) -> char16_t {
        const auto code = static_cast<unsigned char>(byte);
        return code >= 0x80 && code <= 0x9F ? high[code - 0x80] : char16_t{code};
    };
    qsizetype size = 0;
    for (const char byte : bytes) {
        const char16_t code = codeOf(byte);
        size += code < 0x80 ? 1 : code < 0x800 ? 2 : 3;
    }
    QByteArray text(size, Qt::Uninitialized);
    char* out = text.data();
    for (const char byte : bytes) {
        const char16_t code = codeOf(byte);
        if (code < 0x80) {
            *out++ = static_cast<char>(code);
        } else if (code < 0x800) {
            *out++ = static_cast<char>(0xC0 | (code >> 6));
            *out++ = static_cast<char>(0x80 | (code & 0x3F));
        } else {
            *out++ = static_cast<char>(0xE0 | (code >> 12));
            *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

// The profile functions read UTF-16 only after a byte-order mark; so does
// this reader, and it refuses text cut short rather than guess at it.
QByteArray utf16ToUtf8(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    if (bytes.size() % 2 != 0)
        refuse(QCoreApplication::translate("quirepress::detail::ProfileFile",
                                           "The profile file is UTF-16 with an odd number of bytes: it is damaged"));
    QStringDecoder utf16(encoding, QStringDecoder::Flag::Stateless);
    const QString text = utf16.decode(bytes);
    if (utf16.hasError())
        refuse(QCoreApplication::translate("quirepress::detail::ProfileFile", "The profile file is damaged UTF-16"));
    return text.toUtf8();
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

// The text as UTF-8, and where it starts (after a byte-order mark). Files
// written here are UTF-8; files written by the Windows profile functions of
// old are in the ANSI code page, which for the users of these reports is
// Windows-1252, or in UTF-16 with a byte-order mark. Text that is valid
// UTF-8 is taken as UTF-8, since Windows-1252 text with non-ASCII letters is
// almost never valid UTF-8; it is kept as it came, without a copy.
QByteArray utf8Text(const QByteArray& bytes, qsizetype& start)
{
    start = 0;
    // Checked before UTF-16, whose little-endian mark begins the same way.
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)) || bytes.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        refuse(QCoreApplication::translate("quirepress::detail::ProfileFile",
                                           "The profile file is UTF-32, which is not read: save it as UTF-8"));
    if (bytes.startsWith("\xFF\xFE"))
        return utf16ToUtf8(QByteArrayView(bytes).sliced(2), QStringDecoder::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return utf16ToUtf8(QByteArrayView(bytes).sliced(2), QStringDecoder::Utf16BE);
    if (looksLikeUtf16(bytes))
        refuse(QCoreApplication::translate(
            "quirepress::detail::ProfileFile",
            "The profile file looks like UTF-16 without a byte-order mark (NUL bytes throughout), "
            "which is not read: save it as UTF-8, or as UTF-16 with a byte-order mark"));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        start = 3;
    // isValidUtf8() refuses a sequence cut short at the end, rather than
    // waiting for bytes that never come.
    if (QByteArrayView(bytes).sliced(start).isValidUtf8())
        return bytes;
    QByteArray text = windows1252ToUtf8(QByteArrayView(bytes).sliced(start));
    start = 0;
    return text;
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
// Only the bytes that can make 254 characters are decoded, so that a long
// line costs no more than a short one.
QString profileValue(QByteArrayView raw)
{
    QByteArrayView value = trimBlanks(raw);
    if (hasEnclosingQuotes(value))
        value = value.sliced(1, value.size() - 2);
    if (const qsizetype nul = value.indexOf('\0'); nul >= 0)
        value.truncate(nul);
    constexpr qsizetype longestCharacter = 4; // bytes of UTF-8
    if (qsizetype cut = maxValueLength * longestCharacter; value.size() > cut) {
        while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
            --cut; // not inside a character
        value.truncate(cut);
    }
    const QString text = QString::fromUtf8(value);
    return text.first(endOfCharacters(text, maxValueLength));
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

bool isAscii(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// FNV-1a over the case-folded code points of a name, the same for a name in
// the file (UTF-8) as for one asked for (UTF-16), as QString::compare(...,
// Qt::CaseInsensitive) would match them.
constexpr uint32_t hashStart = 0x811c9dc5u;
constexpr uint32_t hashFactor = 0x01000193u;

uint32_t nameHash(QStringView name)
{
    uint32_t hash = hashStart;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t code = name[i].unicode();
        if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(name[i], name[i + 1]);
            ++i;
        }
        code = code < 0x80 ? static_cast<char32_t>(asciiLower(static_cast<char>(code))) : QChar::toCaseFolded(code);
        hash = (hash ^ code) * hashFactor;
    }
    return hash;
}

uint32_t nameHash(QByteArrayView utf8)
{
    if (!isAscii(utf8))
        return nameHash(QString::fromUtf8(utf8));
    uint32_t hash = hashStart;
    for (const char c : utf8)
        hash = (hash ^ static_cast<unsigned char>(asciiLower(c))) * hashFactor;
    return hash;
}

// A name asked for, and whether it is plain ASCII, which most are: those
// are compared byte by byte.
struct WantedName {
    explicit WantedName(const QString& name) : text(name), ascii(isAscii(QStringView(name))) {}
    const QString& text;
    bool ascii;
};

bool sameName(QByteArrayView inFile, const WantedName& wanted)
{
    if (wanted.ascii) {
        // Every character takes a byte at least, so a shorter name cannot
        // match; one as long is ASCII too if it matches; only a longer one
        // may be a name of other letters (the Kelvin sign) that folds to it.
        if (inFile.size() < wanted.text.size())
            return false;
        if (inFile.size() == wanted.text.size()) {
            for (qsizetype i = 0; i < inFile.size(); ++i)
                if (asciiLower(inFile[i]) != asciiLower(static_cast<char>(wanted.text[i].unicode())))
                    return false;
            return true;
        }
        if (isAscii(inFile))
            return false;
    }
    return QAnyStringView::compare(QUtf8StringView(inFile.data(), inFile.size()), wanted.text, Qt::CaseInsensitive)
        == 0;
}

// Calls onSection(nameStart) for every section header and onKey(nameStart)
// for every key line after the first header, in file order, with positions
// in `text`.
template <typename OnSection, typename OnKey>
void forEachLine(QByteArrayView text, qsizetype start, OnSection&& onSection, OnKey&& onKey)
{
    bool inSection = false;
    qsizetype position = start;
    while (position < text.size()) {
        qsizetype end = position;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        qsizetype first = position;
        qsizetype last = end;
        while (first < last && isBlank(text[first]))
            ++first;
        while (last > first && isBlank(text[last - 1]))
            --last;
        position = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++position;

        if (first == last || text[first] == ';')
            continue;
        const QByteArrayView line = text.sliced(first, last - first);
        if (line.front() == '[') {
            const qsizetype close = line.indexOf(']');
            if (close < 0)
                continue; // not a section header, and no key either
            qsizetype nameStart = first + 1;
            while (nameStart < first + close && isBlank(text[nameStart]))
                ++nameStart;
            onSection(nameStart);
            inSection = true;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0 || !inSection)
            continue;
        if (trimBlanks(line.first(equals)).isEmpty())
            continue;
        onKey(first);
    }
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
    const bool blankEnds = !name.isEmpty() && (name.front().isSpace() || name.back().isSpace());
    bool bad = name.isEmpty() || blankEnds || hasLineBreakOrNul(name);
    if (isSection)
        bad = bad || name.contains(u']');
    else
        bad = bad || name.contains(u'=') || name.contains(u':') || name.startsWith(u'[') || name.startsWith(u';')
            || name.startsWith(u'#');
    if (bad && isSection)
        refuse(QCoreApplication::translate("quirepress::detail::ProfileFile",
                                           "The section name \"%1\" cannot be written to a profile file")
                   .arg(name));
    if (bad)
        refuse(QCoreApplication::translate("quirepress::detail::ProfileFile",
                                           "The key name \"%1\" cannot be written to a profile file")
                   .arg(name));
}

} // namespace

ProfileReader ProfileReader::fromBytes(const QByteArray& bytes)
{
    if (bytes.size() > maxFileSize)
        refuseSize(bytes.size());
    ProfileReader reader;
    qsizetype start = 0;
    reader.text_ = utf8Text(bytes, start);
    reader.index(start);
    return reader;
}

void ProfileReader::index(qsizetype start)
{
    // Counted first, so that the lists are made once at their size rather
    // than grown, which would hold them twice over for a while.
    size_t sectionCount = 0;
    size_t keyCount = 0;
    forEachLine(
        text_, start, [&](qsizetype) { ++sectionCount; }, [&](qsizetype) { ++keyCount; });
    sections_.reserve(sectionCount);
    keys_.reserve(keyCount);
    byName_.reserve(sectionCount);
    // Positions fit 32 bits: the text is at most three times maxFileSize.
    forEachLine(
        text_, start,
        [&](qsizetype nameStart) {
            const SectionLine line{static_cast<uint32_t>(nameStart), static_cast<uint32_t>(keys_.size())};
            byName_.push_back({nameHash(sectionName(line)), static_cast<uint32_t>(sections_.size())});
            sections_.push_back(line);
        },
        [&](qsizetype nameStart) { keys_.push_back(static_cast<uint32_t>(nameStart)); });
    std::sort(byName_.begin(), byName_.end(), [](const NameHash& a, const NameHash& b) {
        return a.hash != b.hash ? a.hash < b.hash : a.section < b.section;
    });
}

ProfileReader ProfileReader::fromFile(const QString& path)
{
    const auto cannotRead = [&path](const QFile& file) {
        throw Error(
            53, source(),
            QCoreApplication::translate("quirepress::detail::ProfileFile", "The profile file %1 cannot be read: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
    };
    try {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            cannotRead(file);
        if (file.size() > maxFileSize)
            refuseSize(file.size());
        // Read in pieces up to one byte past the limit: a file may grow, and
        // some (those of /proc) do not tell their size.
        QByteArray bytes;
        bytes.reserve(file.size() + 1);
        while (bytes.size() <= maxFileSize) {
            const qsizetype used = bytes.size();
            const qsizetype piece = std::min<qsizetype>(maxFileSize + 1 - used, 1024 * 1024);
            bytes.resize(used + piece);
            const qint64 read = file.read(bytes.data() + used, piece);
            if (read < 0)
                cannotRead(file);
            bytes.resize(used + read);
            if (read == 0)
                break;
        }
        return fromBytes(bytes);
    } catch (const Error& error) {
        if (error.number() == 53)
            throw;
        throw Error(error.number(), error.source(),
                    //: %1 is a report definition file, %2 what is wrong with it
                    QCoreApplication::translate("quirepress::detail::ProfileFile", "%1: %2")
                        .arg(QDir::toNativeSeparators(path), error.description()));
    }
}

QByteArrayView ProfileReader::sectionName(const SectionLine& line) const
{
    const QByteArrayView rest = QByteArrayView(text_).sliced(line.nameStart);
    return trimBlanks(rest.first(rest.indexOf(']')));
}

qsizetype ProfileReader::sectionAt(const QString& section) const
{
    const uint32_t hash = nameHash(QStringView(section));
    const WantedName wanted(section);
    auto candidate = std::lower_bound(byName_.begin(), byName_.end(), hash,
                                      [](const NameHash& entry, uint32_t value) { return entry.hash < value; });
    for (; candidate != byName_.end() && candidate->hash == hash; ++candidate) {
        if (sameName(sectionName(sections_[candidate->section]), wanted))
            return candidate->section;
    }
    return -1;
}

std::optional<QByteArrayView> ProfileReader::rawValue(qsizetype section, const QString& key) const
{
    if (section < 0 || static_cast<size_t>(section) >= sections_.size())
        return std::nullopt;
    const auto index = static_cast<size_t>(section);
    const size_t firstKey = sections_[index].firstKey;
    const size_t endKey = index + 1 < sections_.size() ? sections_[index + 1].firstKey : keys_.size();
    const WantedName wanted(key);
    const QByteArrayView text(text_);
    for (size_t k = firstKey; k < endKey; ++k) {
        const QByteArrayView line = text.sliced(keys_[k]);
        const qsizetype equals = line.indexOf('=');
        if (!sameName(trimBlanks(line.first(equals)), wanted))
            continue;
        qsizetype end = equals + 1;
        while (end < line.size() && line[end] != '\r' && line[end] != '\n')
            ++end;
        return line.sliced(equals + 1, end - equals - 1);
    }
    return std::nullopt;
}

std::optional<QString> ProfileReader::textAt(qsizetype section, const QString& key) const
{
    const std::optional<QByteArrayView> raw = rawValue(section, key);
    if (!raw)
        return std::nullopt;
    return profileValue(*raw);
}

int64_t ProfileReader::integerAt(qsizetype section, const QString& key, int64_t fallback) const
{
    const std::optional<QString> value = textAt(section, key);
    return value ? profileInteger(*value) : fallback;
}

std::optional<QString> ProfileReader::text(const QString& section, const QString& key) const
{
    return textAt(sectionAt(section), key);
}

QString ProfileReader::text(const QString& section, const QString& key, const QString& fallback) const
{
    return text(section, key).value_or(fallback);
}

int64_t ProfileReader::integer(const QString& section, const QString& key, int64_t fallback) const
{
    return integerAt(sectionAt(section), key, fallback);
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
        refuse(QCoreApplication::translate("quirepress::detail::ProfileFile",
                                           "The value of the key \"%1\" holds a line break or a NUL, "
                                           "which a profile file cannot hold")
                   .arg(name));
    if (endOfCharacters(value, maxValueLength) < value.size())
        refuse(QCoreApplication::translate("quirepress::detail::ProfileFile",
                                           "The value of the key \"%1\" is longer than the %2 characters "
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
            QCoreApplication::translate("quirepress::detail::ProfileFile", "The profile file %1 cannot be written: %2")
                .arg(QDir::toNativeSeparators(path), reason));
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
