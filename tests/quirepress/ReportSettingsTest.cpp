// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// What is remembered per report in the settings store: the output choice
// and the last output file, each report under a group of its own.

#include "output/ReportSettings.h"

#include "StoredSettings.h"

#include "model/LibraryFolder.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using namespace quirepress::detail;

namespace {

const QString report = QStringLiteral("/home/ann/reports/invoice.rdn");
const QStringList flagKeys = {"Screen", "Printer", "File", "Email", "PDF"};

const char* nameOf(OutputKind kind)
{
    switch (kind) {
    case OutputKind::Screen:
        return "Screen";
    case OutputKind::Printer:
        return "Printer";
    case OutputKind::File:
        return "File";
    case OutputKind::Email:
        return "Email";
    case OutputKind::Pdf:
        return "PDF";
    }
    return "?";
}

} // namespace

namespace quirepress::detail {
void PrintTo(OutputKind kind, std::ostream* out) { *out << nameOf(kind); }
} // namespace quirepress::detail

namespace {

class ReportSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { emptyStoredSettings(); }

    // The group that holds `name`'s settings, found by letting
    // ReportSettings make it in the empty store.
    static QString groupOf(const QString& name)
    {
        if (!storedSettings().childGroups().isEmpty())
            ADD_FAILURE() << "groupOf needs an empty store";
        ReportSettings(name).writeChoice({});
        const QStringList groups = storedSettings().childGroups();
        if (groups.size() != 1) {
            ADD_FAILURE() << "writing made " << groups.size() << " groups";
            return {};
        }
        return groups.first();
    }

    // Stores the flags as they stand in the file; an empty or missing one
    // is left out.
    static void plantFlags(const QString& group, const QStringList& flags)
    {
        QSettings settings = storedSettings();
        settings.beginGroup(group);
        for (qsizetype i = 0; i < flagKeys.size(); ++i) {
            if (flags.value(i).isEmpty())
                settings.remove(flagKeys.at(i));
            else
                settings.setValue(flagKeys.at(i), flags.at(i));
        }
    }

    static QString stored(const QString& group, const QString& key)
    {
        QSettings settings = storedSettings();
        settings.beginGroup(group);
        return settings.value(key, "(missing)").toString();
    }
};

TEST_F(ReportSettingsTest, NothingStoredGivesScreenTextAndReportFileBesideLibrary)
{
    const ReportSettings settings(report);
    const OutputChoice choice = settings.readChoice();
    EXPECT_EQ(choice.kind, OutputKind::Screen);
    EXPECT_EQ(choice.fileType, "Text");

    EXPECT_FALSE(libraryFolder().isEmpty());
    EXPECT_EQ(settings.readFileName("html"), libraryFolder() + "/report.html");
    EXPECT_EQ(settings.readFileName("csv"), libraryFolder() + "/report.csv");
    // Reading made no entries.
    EXPECT_TRUE(storedSettings().allKeys().isEmpty());
}

TEST_F(ReportSettingsTest, EmptyNameReadsDefaultsAndWritesNothing)
{
    // What a report without a name would find if it used the top level.
    QSettings settings = storedSettings();
    settings.setValue("Screen", "False");
    settings.setValue("Email", "True");
    settings.setValue("FileType", "CSV");
    settings.setValue("FileName", "/srv/out/top.csv");
    settings.sync();
    const QStringList planted = settings.allKeys();

    ReportSettings unnamed({});
    EXPECT_EQ(unnamed.readChoice().kind, OutputKind::Screen);
    EXPECT_EQ(unnamed.readChoice().fileType, "Text");
    EXPECT_EQ(unnamed.readFileName("txt"), libraryFolder() + "/report.txt");

    unnamed.writeChoice({OutputKind::Printer, "HTML"});
    unnamed.writeFileName("/srv/out/new.html");
    settings.sync();
    EXPECT_EQ(settings.allKeys(), planted);
    EXPECT_EQ(settings.value("Screen").toString(), "False");
    EXPECT_EQ(settings.value("FileName").toString(), "/srv/out/top.csv");
}

TEST_F(ReportSettingsTest, WrittenChoiceReadsBackAndIsStoredAsTrueFalse)
{
    const QString group = groupOf(report);
    for (const OutputKind kind :
         {OutputKind::Printer, OutputKind::File, OutputKind::Email, OutputKind::Pdf, OutputKind::Screen}) {
        for (const QString fileType : {"HTML", "CSV", "Text"}) {
            SCOPED_TRACE(testing::Message() << nameOf(kind) << " " << fileType.toStdString());
            ReportSettings(report).writeChoice({kind, fileType});
            const OutputChoice read = ReportSettings(report).readChoice();
            EXPECT_EQ(read.kind, kind);
            EXPECT_EQ(read.fileType, fileType);
            // Other programs read the same entries.
            for (const QString& key : flagKeys)
                EXPECT_EQ(stored(group, key), key == nameOf(kind) ? "True" : "False") << key.toStdString();
            EXPECT_EQ(stored(group, "FileType"), fileType);
        }
    }
}

TEST_F(ReportSettingsTest, StoredFlagsAreReadAsWrittenByHandOrOtherPrograms)
{
    const struct {
        QStringList flags; // Screen, Printer, File, Email, PDF; empty: not stored
        OutputKind kind;
    } cases[] = {
        {{"0", "1", "0", "0"}, OutputKind::Printer},
        {{"False", "0", "-1", "0"}, OutputKind::File},
        {{"false", "FALSE", "0", "tRuE"}, OutputKind::Email},
        // Only "true", "1" and "-1" choose.
        {{"yes", "2", "on", "True"}, OutputKind::Email},
        {{"0", "0", "0", "0"}, OutputKind::Screen},
        {{"no", "False", "", ""}, OutputKind::Screen},
        // The first chosen decides.
        {{"1", "1", "1", "1"}, OutputKind::Screen},
        {{"0", "True", "True", "True"}, OutputKind::Printer},
        {{"0", "0", "1", "1"}, OutputKind::File},
        {{"0", "0", "0", "0", "True"}, OutputKind::Pdf},
        {{"0", "0", "0", "1", "1"}, OutputKind::Email},
        // A missing Screen flag is chosen by default and comes first.
        {{"", "0", "True", "0"}, OutputKind::Screen},
    };
    const QString group = groupOf(report);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags.join(',').toStdString());
        plantFlags(group, c.flags);
        EXPECT_EQ(ReportSettings(report).readChoice().kind, c.kind);
    }
}

TEST_F(ReportSettingsTest, ReportPathsWithSlashesKeepGroupsOfTheirOwn)
{
    // Read as nested groups, these would share entries.
    const QStringList names = {
        "C:/reports/inv.rdn", "C:\\reports\\inv.rdn", "C:", "C:/reports", "/reports/inv.rdn", "reports/inv.rdn"};
    const OutputChoice choices[] = {{OutputKind::Printer, "Text"}, {OutputKind::File, "CSV"},
                                    {OutputKind::Email, "HTML"},   {OutputKind::File, "HTML"},
                                    {OutputKind::Email, "CSV"},    {OutputKind::Printer, "CSV"}};
    for (qsizetype i = 0; i < names.size(); ++i) {
        ReportSettings settings(names.at(i));
        settings.writeChoice(choices[i]);
        settings.writeFileName(QStringLiteral("/srv/out/%1.txt").arg(i));
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names.at(i).toStdString());
        const ReportSettings settings(names.at(i));
        EXPECT_EQ(settings.readChoice().kind, choices[i].kind);
        EXPECT_EQ(settings.readChoice().fileType, choices[i].fileType);
        EXPECT_EQ(settings.readFileName("txt"), QStringLiteral("/srv/out/%1.txt").arg(i));
    }

    QSettings settings = storedSettings();
    const QStringList groups = settings.childGroups();
    EXPECT_EQ(groups.size(), names.size()) << groups.join(" | ").toStdString();
    for (const QString& group : groups) {
        settings.beginGroup(group);
        EXPECT_TRUE(settings.childGroups().isEmpty()) << group.toStdString() << " is nested";
        settings.endGroup();
    }
    // A report never seen still has the defaults.
    EXPECT_EQ(ReportSettings("C:/reports/other.rdn").readChoice().kind, OutputKind::Screen);
}

TEST_F(ReportSettingsTest, LastFileNameReadsBackWhateverExtensionIsAsked)
{
    ReportSettings(report).writeFileName("/srv/out/march.csv");
    EXPECT_EQ(ReportSettings(report).readFileName("html"), "/srv/out/march.csv");
    EXPECT_EQ(ReportSettings(report).readFileName("csv"), "/srv/out/march.csv");
    // Storing the file name leaves the choice alone.
    EXPECT_EQ(ReportSettings(report).readChoice().kind, OutputKind::Screen);
    EXPECT_EQ(ReportSettings("/home/ann/reports/other.rdn").readFileName("html"), libraryFolder() + "/report.html");
}

} // namespace
