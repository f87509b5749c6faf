// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The profile (INI) reader and writer behind report definition files: files
// written by the Windows profile functions must load, and files written here
// must read back exactly, here and in other INI readers.

#include "model/ProfileFile.h"

#include <quirepress/Error.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <utility>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using quirepress::Error;
using quirepress::detail::ProfileReader;
using quirepress::detail::ProfileWriter;

namespace {

// Bytes of a literal with any NUL in it kept.
template <std::size_t N>
QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

template <typename Action>
std::optional<Error> thrown(Action&& action)
{
    try {
        action();
    } catch (const Error& error) {
        return error;
    }
    return std::nullopt;
}

template <typename Action>
int numberThrown(Action&& action)
{
    const std::optional<Error> error = thrown(std::forward<Action>(action));
    return error ? error->number() : 0;
}

// Lines end in CR LF, LF and a lone CR; there are comments, a key before any
// section, repeated sections and keys, and no line end after the last line.
const QByteArray handWritten = raw("; written by hand\r\n"
                                   "Orphan=before any section\r\n"
                                   "[Report]\r\n"
                                   "  GridX   =   120  \r\n"
                                   "PrinterName=\r\n"
                                   "Title=\"  spaced  \"\r\n"
                                   "Single='x'\n"
                                   "Twice=\"\"two\"\"\n"
                                   "Unmatched=\"open\r\n"
                                   "Mixed=\"mixed'\r\n"
                                   "Formula=a=b=c\r\n"
                                   "; Hidden=in a comment\r\n"
                                   "no equals sign\r\n"
                                   "gridx=999\r\n"
                                   "  [ Section1 ]  text after the bracket\r"
                                   "SectionName=Detail\r\n"
                                   "[REPORT]\r\n"
                                   "Extra=in the repeated section\r\n"
                                   "[Last]\r\n"
                                   "Key=no line end");

struct Lookup {
    const char* section;
    const char* key;
    std::optional<QString> expected;
    const char* reason;
};

TEST(ProfileReader, ReadsAHandWrittenFile)
{
    const ProfileReader reader = ProfileReader::fromBytes(handWritten);
    const Lookup rows[] = {
        {"Report", "GridX", QStringLiteral("120"), "blanks around key, '=' and value are trimmed"},
        {"rEPORT", "GRIDX", QStringLiteral("120"), "names match in any letter case; the first GridX wins"},
        {"Report", "PrinterName", QString(), "an empty value is present, not missing"},
        {"Report", "Title", QStringLiteral("  spaced  "), "blanks inside quotes are kept"},
        {"Report", "Single", QStringLiteral("x"), "single quotes are dropped too; LF ends a line"},
        {"Report", "Twice", QStringLiteral("\"two\""), "only one pair of quotes is dropped"},
        {"Report", "Unmatched", QStringLiteral("\"open"), "an unmatched quote is kept"},
        {"Report", "Mixed", QStringLiteral("\"mixed'"), "different quote marks are no pair"},
        {"Report", "Formula", QStringLiteral("a=b=c"), "the key ends at the first '='"},
        {"Report", "Hidden", std::nullopt, "a comment line gives no key"},
        {"Report", "Orphan", std::nullopt, "a key before any section is dropped"},
        {"Report", "Extra", std::nullopt, "a repeated section is skipped; the first wins"},
        {"Report", "SectionName", std::nullopt, "a lone CR ends the section header line"},
        {"Section1", "SectionName", QStringLiteral("Detail"), "blanks in brackets trimmed, text after ] ignored"},
        {"Last", "Key", QStringLiteral("no line end"), "the last line needs no line end"},
        {"Report", "GridY", std::nullopt, "a missing key"},
        {"Nowhere", "GridX", std::nullopt, "a missing section"},
    };
    for (const Lookup& row : rows) {
        SCOPED_TRACE(row.reason);
        const std::optional<QString> value = reader.text(QString::fromUtf8(row.section), QString::fromUtf8(row.key));
        ASSERT_EQ(value.has_value(), row.expected.has_value()) << row.section << '/' << row.key;
        if (value) {
            EXPECT_EQ(*value, *row.expected);
        }
    }
    EXPECT_EQ(reader.text("Report", "GridY", "fallback"), "fallback");
    EXPECT_EQ(reader.text("Report", "PrinterName", "fallback"), "");
}

TEST(ProfileReader, MatchesNamesInAnyLetterCaseBeyondAscii)
{
    const ProfileReader reader =
        ProfileReader::fromBytes("[Stra\xC3\x9F"
                                 "e \xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1 \xF0\x90\x90\x80]\r\nKelvin=1\r\n");
    EXPECT_EQ(reader.text(QString::fromUtf8("STRA\xE1\xBA\x9E"
                                            "E \xCF\x83\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1 \xF0\x90\x90\xA8"),
                          QString::fromUtf8("\xE2\x84\xAA"
                                            "ELVIN"),
                          ""),
              "1");
}

TEST(ProfileReader, CutsValuesAtNulAndAt254Characters)
{
    const QByteArray longValue(300, 'x');
    QString emoji;
    for (int i = 0; i < 260; ++i)
        emoji += QString::fromUtf8("\xF0\x9F\x98\x80");
    const ProfileReader reader = ProfileReader::fromBytes(
        raw("[S]\r\nNul=ab\0cd\r\nAfter=still read\r\n") + "Long=" + longValue + "\r\nWide=" + emoji.toUtf8() + "\r\n");
    EXPECT_EQ(reader.text("S", "Nul", ""), "ab");
    EXPECT_EQ(reader.text("S", "After", ""), "still read") << "a NUL does not end the file";
    EXPECT_EQ(reader.text("S", "Long", ""), QString(254, u'x'));
    EXPECT_EQ(reader.text("S", "Wide", ""), emoji.left(2 * 254))
        << "a character outside the BMP counts once and is never split";
}

TEST(ProfileReader, ReadsIntegersByTheProfileRule)
{
    constexpr int64_t max = std::numeric_limits<int64_t>::max();
    constexpr int64_t min = std::numeric_limits<int64_t>::min();
    const struct {
        const char* value;
        int64_t expected;
        const char* reason;
    } rows[] = {
        {"12abc", 12, "the digits at the start count"},
        {"abc", 0, "no number at the start reads as 0"},
        {"", 0, "an empty value reads as 0, not as the fallback"},
        {"-7", -7, "a minus sign"},
        {" +3", 3, "a plus sign, after the trimmed blank"},
        {"- 5", 0, "a sign must be followed by digits"},
        {"'42'", 42, "quotes are dropped before the number is read"},
        {"8.5", 8, "a fraction is dropped"},
        {"9223372036854775807", max, "the largest number"},
        {"-9223372036854775808", min, "the smallest number"},
        {"9223372036854775808", max, "one beyond the largest saturates"},
        {"123456789012345678901234567890", max, "a 30-digit number saturates"},
        {"-123456789012345678901234567890", min, "a 30-digit negative number saturates"},
    };
    QByteArray file = "[Numbers]\r\n";
    for (std::size_t i = 0; i < std::size(rows); ++i)
        file += "K" + QByteArray::number(qulonglong(i)) + "=" + rows[i].value + "\r\n";
    const ProfileReader reader = ProfileReader::fromBytes(file);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].reason);
        EXPECT_EQ(reader.integer("numbers", QStringLiteral("k%1").arg(i), -9999), rows[i].expected) << rows[i].value;
    }
    EXPECT_EQ(reader.integer("Numbers", "Missing", -9999), -9999);
    EXPECT_EQ(reader.integer("Missing", "K0", 77), 77);
}

TEST(ProfileReader, DecodesUtf8AndWindows1252)
{
    const auto valueOfA = [](const QByteArray& file) { return ProfileReader::fromBytes(file).text("S", "A", ""); };
    const QString cafe = QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(valueOfA("[S]\r\nA=caf\xC3\xA9 \xE2\x82\xAC\r\n"), cafe) << "UTF-8 without a byte-order mark";
    EXPECT_EQ(valueOfA("\xEF\xBB\xBF[S]\r\nA=caf\xC3\xA9 \xE2\x82\xAC\r\n"), cafe)
        << "a byte-order mark is skipped, so the first line is still a section";
    EXPECT_EQ(valueOfA("[S]\r\nA=caf\xE9 \x80\r\n"), cafe) << "Windows-1252";
    EXPECT_EQ(valueOfA("[S]\r\nA=\x81\x8D\x8F\x90\x9D\x92\x9F\xA0\xFF\r\n"),
              QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D\u2019\u0178\u00A0\u00FF"))
        << "the bytes that Windows-1252 leaves undefined keep their number";
    EXPECT_EQ(valueOfA("[S]\r\nA=abc\xC3"), QString::fromUtf8("abc\xC3\x83"))
        << "a UTF-8 sequence cut short at the end is not UTF-8";
}

TEST(ProfileReader, ReadsUtf16WithAByteOrderMarkAndRefusesItWithout)
{
    const QString text = QString::fromUtf8("[S]\r\nA=caf\xC3\xA9 \xF0\x9F\x98\x80\r\n");
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder withMark(encoding, QStringEncoder::Flag::WriteBom);
        const QByteArray marked = withMark.encode(text);
        EXPECT_EQ(ProfileReader::fromBytes(marked).text("S", "A", ""),
                  QString::fromUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80"));
        EXPECT_EQ(numberThrown([&] { ProfileReader::fromBytes(marked + 'x'); }), 5) << "a byte left over";

        QStringEncoder bare(encoding);
        const std::optional<Error> error = thrown([&] { ProfileReader::fromBytes(bare.encode(text)); });
        ASSERT_TRUE(error.has_value()) << "UTF-16 without a byte-order mark";
        EXPECT_EQ(error->number(), 5);
        EXPECT_TRUE(error->description().contains("UTF-16")) << error->description().toStdString();
    }
    EXPECT_EQ(ProfileReader::fromBytes(raw("[S]\r\nA=x\0y\r\nB=z\r\n")).text("S", "B", ""), "z")
        << "a stray NUL does not make a file UTF-16";
}

TEST(ProfileWriter, WritesTheExactBytes)
{
    ProfileWriter writer;
    writer.section("Report");
    writer.key("GridX", "120");
    writer.key("PrinterName", "");
    writer.key("Title", " a ");
    writer.section("Section1");
    writer.key("SectionName", QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(writer.bytes(),
              QByteArray("[Report]\r\nGridX=120\r\nPrinterName=\r\nTitle=\" a \"\r\n"
                         "[Section1]\r\nSectionName=Caf\xC3\xA9\r\n"));
}

TEST(ProfileWriter, ValuesReadBackExactly)
{
    // Blanks and quotes at the ends, characters that mean something at the
    // start of a line, and text beyond ASCII.
    const QString values[] = {
        "",
        " lead",
        "trail ",
        "\tboth\t",
        "\"quoted\"",
        "'single'",
        "\"",
        "'",
        "\"half",
        "\"mixed'",
        "  \"x\"  ",
        "a=b",
        ";semi",
        "# hash",
        "[bracket]",
        "x\u00A0",
        QString::fromUtf8("\xC3\x9Cml\xC3\xA4ut \xE2\x82\xAC \xF0\x9F\x98\x80"),
    };
    ProfileWriter writer;
    writer.section("Values");
    for (std::size_t i = 0; i < std::size(values); ++i)
        writer.key(QStringLiteral("K%1").arg(i), values[i]);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("values.rdn");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(4096, 'z'));
    old.close();
    writer.saveTo(path);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), writer.bytes()) << "the old, longer file is replaced, not overwritten in part";

    const ProfileReader reader = ProfileReader::fromFile(path);
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(reader.text("Values", QStringLiteral("K%1").arg(i)), std::optional<QString>(values[i])) << i;
}

TEST(ProfileWriter, RefusesWhatAFileCannotHold)
{
    ProfileWriter writer;
    EXPECT_EQ(numberThrown([&] { writer.key("Early", "1"); }), 5)
        << "a key before any section would be dropped by readers";
    writer.section("S");
    const QByteArray before = writer.bytes();
    for (const char* value : {"a\nb", "a\rb", "a\r\nb", "trailing\n"})
        EXPECT_EQ(numberThrown([&] { writer.key("K", value); }), 5) << "a line break in a value";
    for (const char* name : {"a=b", " padded", "[Key"})
        EXPECT_EQ(numberThrown([&] { writer.key(name, "1"); }), 5) << name;
    EXPECT_EQ(numberThrown([&] { writer.section("a]b"); }), 5);
    QString emoji;
    for (int i = 0; i < 255; ++i)
        emoji += QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(numberThrown([&] { writer.key("K", QString(255, u'x')); }), 5) << "a value the reader would cut";
    EXPECT_EQ(numberThrown([&] { writer.key("K", emoji); }), 5) << "255 characters outside the BMP";
    EXPECT_EQ(writer.bytes(), before) << "a refused call writes nothing";
    writer.key("Longest", QString(254, u'x'));
    writer.key("Quoted", QLatin1Char(' ') + QString(252, u'x') + QLatin1Char(' '));
    writer.key("Wide", emoji.left(2 * 254));
    const ProfileReader reader = ProfileReader::fromBytes(writer.bytes());
    EXPECT_EQ(reader.text("S", "Longest", ""), QString(254, u'x'));
    EXPECT_EQ(reader.text("S", "Quoted", ""), QLatin1Char(' ') + QString(252, u'x') + QLatin1Char(' '))
        << "the quotes around blank ends do not count";
    EXPECT_EQ(reader.text("S", "Wide", ""), emoji.left(2 * 254));
}

TEST(ProfileFile, FileErrorsThrow)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::optional<Error> readError = thrown([&] { ProfileReader::fromFile(folder.filePath("none.rdn")); });
    ASSERT_TRUE(readError.has_value()) << "a missing file";
    EXPECT_EQ(readError->number(), 53);
    EXPECT_EQ(readError->source(), "Quirepress.ProfileFile");
    EXPECT_TRUE(readError->description().contains("none.rdn")) << readError->description().toStdString();

    ProfileWriter writer;
    writer.section("S");
    const std::optional<Error> writeError = thrown([&] { writer.saveTo(folder.filePath("missing/report.rdn")); });
    ASSERT_TRUE(writeError.has_value()) << "a folder that does not exist";
    EXPECT_EQ(writeError->number(), 75);
    EXPECT_TRUE(writeError->description().contains("report.rdn")) << writeError->description().toStdString();
    EXPECT_FALSE(QDir(folder.filePath("missing")).exists());
}

} // namespace
