#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include "model/CaseInsensitiveName.h"

#include <cstdint>
#include <optional>

namespace quirepress::detail {

// Reads a profile (INI) file the way the Windows profile functions do, so
// that report definitions written there load here:
// - "[Name]" opens a section, "Key=Value" gives a key; section and key
//   names are matched without regard to letter case, and the first
//   occurrence of a section or key wins;
// - blanks around names and values are trimmed, and one pair of enclosing
//   quotation marks (" or ') is dropped from a value;
// - a value is cut at its first NUL and at 254 characters;
// - lines end in CR LF or LF; the text is UTF-8 (a byte-order mark is
//   skipped) or, when it is not valid UTF-8, Windows-1252; with a byte-order
//   mark it may also be UTF-16.
// Names are looked up by hash, so reading a file takes time in proportion to
// its size however many sections it has.
class ProfileReader {
public:
    // Throws Error 5 for text that no profile file holds: UTF-16 without a
    // byte-order mark (told by its NUL bytes), UTF-16 cut short, UTF-32.
    static ProfileReader fromBytes(const QByteArray& bytes);
    // Throws Error 53 when the file cannot be read, and what fromBytes throws.
    static ProfileReader fromFile(const QString& path);

    // Whether the file has a section of that name.
    bool hasSection(const QString& section) const { return find(section) != nullptr; }

    // The value, or nullopt when the section or key is missing.
    std::optional<QString> text(const QString& section, const QString& key) const;
    QString text(const QString& section, const QString& key, const QString& fallback) const;

    // The profile-integer rule: an optional sign and the decimal digits at the
    // start of the value; a value that does not start with a number reads as
    // 0; a missing key gives `fallback`. Numbers beyond 64 bits saturate.
    int64_t integer(const QString& section, const QString& key, int64_t fallback) const;

private:
    using Section = QHash<CaseInsensitiveName, QString>;
    const Section* find(const QString& section) const;

    QHash<CaseInsensitiveName, Section> sections_;
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
