// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quirepress::detail {

// Reads a profile (INI) file the way the Windows profile functions do, so
// that report definitions written there load here:
// - "[Name]" opens a section, "Key=Value" gives a key; section and key
//   names are matched without regard to letter case, and the first
//   occurrence of a section or key wins;
// - blanks around names and values are trimmed, and one pair of enclosing
//   quotation marks (" or ') is dropped from a value;
// - a value is cut at its first NUL and at 254 characters;
// - lines end in CR LF, LF or CR; the text is UTF-8 (a byte-order mark is
//   skipped) or, when it is not valid UTF-8, Windows-1252; with a byte-order
//   mark it may also be UTF-16.
// The reader keeps the text as UTF-8 and, beside it, where each section and
// key begins: a few bytes for each line, so that a file takes little more
// memory than its size whatever it holds. A value is made when it is asked
// for. Sections are found by the hash of their names, keys by a look through
// their section, so reading a file takes time in proportion to its size.
class ProfileReader {
public:
    // The largest file read, 16 MB: a report definition of thousands of
    // fields takes a few hundred kilobytes.
    static constexpr qsizetype maxFileSize = 16 * 1024 * 1024;

    // Throws Error 5 for text that no profile file holds: UTF-16 without a
    // byte-order mark (told by its NUL bytes), UTF-16 cut short, UTF-32, and
    // more than maxFileSize bytes.
    static ProfileReader fromBytes(const QByteArray& bytes);
    // Throws Error 53 when the file cannot be read, and what fromBytes throws
    // (a file too large before reading it).
    static ProfileReader fromFile(const QString& path);

    // Whether the file has a section of that name.
    bool hasSection(const QString& section) const { return sectionAt(section) >= 0; }

    // The value, or nullopt when the section or key is missing.
    std::optional<QString> text(const QString& section, const QString& key) const;
    QString text(const QString& section, const QString& key, const QString& fallback) const;

    // The profile-integer rule: an optional sign and the decimal digits at the
    // start of the value; a value that does not start with a number reads as
    // 0; a missing key gives `fallback`. Numbers beyond 64 bits saturate.
    int64_t integer(const QString& section, const QString& key, int64_t fallback) const;

    // The same for a section found once with sectionAt(), to read many keys
    // of it: -1 (no such section) reads as a missing section.
    qsizetype sectionAt(const QString& section) const;
    std::optional<QString> textAt(qsizetype section, const QString& key) const;
    int64_t integerAt(qsizetype section, const QString& key, int64_t fallback) const;

private:
    // A section header: where its trimmed name starts in the text (it ends
    // at the "]", blanks trimmed), and its first key in keys_ (its keys run up
    // to the next section's first). A key line is where its name starts; the
    // name ends at the line's first "=". Eight and four bytes: a file of
    // nothing but short lines costs a few times its size.
    struct SectionLine {
        uint32_t nameStart;
        uint32_t firstKey;
    };
    struct NameHash {
        uint32_t hash;
        uint32_t section;
    };

    void index(qsizetype start);
    QByteArrayView sectionName(const SectionLine& line) const;
    // The raw value of a key, between "=" and the line's end; nullopt when
    // the section or key is missing.
    std::optional<QByteArrayView> rawValue(qsizetype section, const QString& key) const;

    QByteArray text_; // UTF-8
    std::vector<SectionLine> sections_;
    std::vector<uint32_t> keys_;
    // The sections by the hash of their names, and in file order within one
    // hash, so that the first of a name is found first.
    std::vector<NameHash> byName_;
};

// Writes a profile file that the Windows profile functions, this reader and
// other INI readers read back: CR LF line ends, UTF-8 without a byte-order
// mark. A value with blanks at either end or enclosing quotation marks is
// written between double quotes, which a reader drops again.
class ProfileWriter {
public:
    void section(const QString& name);
    // Throws Error 5 for a value with a line break, which no profile file
    // can hold, and for one longer than the 254 characters a reader gives
    // back, which would not read back whole.
    void key(const QString& name, const QString& value);

    QByteArray bytes() const { return bytes_; }
    // Writes the file, replacing any file of that name; throws Error with the
    // reason when it cannot be written.
    void saveTo(const QString& path) const;

private:
    QByteArray bytes_;
};

} // namespace quirepress::detail
