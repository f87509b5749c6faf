// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The report target that each choice of the output dialog stands for, and
// the file extension of each target.

#include "output/OutputChoice.h"

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using namespace quirepress;
using namespace quirepress::detail;

namespace {

struct Case {
    OutputKind kind;
    const char* fileType;
    OutputOptions target;
};

TEST(OutputChoice, EveryKindAndFileTypeGivesItsTarget)
{
    const Case cases[] = {
        // Screen and printer have no file form.
        {OutputKind::Screen, "Text", cOutputToScreen},
        {OutputKind::Screen, "HTML", cOutputToScreen},
        {OutputKind::Screen, "CSV", cOutputToScreen},
        {OutputKind::Printer, "Text", cOutputToPrinter},
        {OutputKind::Printer, "HTML", cOutputToPrinter},
        {OutputKind::Printer, "CSV", cOutputToPrinter},
        {OutputKind::File, "Text", cOutputToTextFile},
        {OutputKind::File, "HTML", cOutputToHTMLFile},
        {OutputKind::File, "CSV", cOutputToCSVFile},
        // The e-mail forms are numbered text, HTML, CSV, unlike the files.
        {OutputKind::Email, "Text", cOutputToEmailText},
        {OutputKind::Email, "HTML", cOutputToEmailHTML},
        {OutputKind::Email, "CSV", cOutputToEmailCSV},
        // A file type that is none of the three is text.
        {OutputKind::File, "", cOutputToTextFile},
        {OutputKind::File, "PDF", cOutputToTextFile},
        {OutputKind::Email, "", cOutputToEmailText},
        // The PDF file has no other form.
        {OutputKind::Pdf, "HTML", cOutputToPDFFile},
        {OutputKind::Pdf, "Text", cOutputToPDFFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind) << ", " << c.fileType);
        EXPECT_EQ(targetFor(OutputChoice{c.kind, QString::fromLatin1(c.fileType)}), c.target);
    }
    // A choice nobody touched goes to the screen.
    EXPECT_EQ(targetFor(OutputChoice()), cOutputToScreen);
}

TEST(OutputChoice, FileAndEmailTargetsHaveTheExtensionOfTheirForm)
{
    const std::tuple<OutputOptions, const char*> cases[] = {
        {cOutputToUnknown, ""},      {cOutputToScreen, ""},        {cOutputToPrinter, ""},
        {cOutputToTextFile, "txt"},  {cOutputToHTMLFile, "html"},  {cOutputToCSVFile, "csv"},
        {cOutputToEmailText, "txt"}, {cOutputToEmailHTML, "html"}, {cOutputToEmailCSV, "csv"},
        {cOutputToPDFFile, "pdf"},
    };
    for (const auto& [target, extension] : cases)
        EXPECT_EQ(extensionFor(target), QString::fromLatin1(extension)) << "target " << target;
    EXPECT_EQ(extensionFor(static_cast<OutputOptions>(10)), "");
}

// Callers store the numbers (Quillbill keeps the last target) and other
// programs pass them in: a new target never renumbers the old ones.
TEST(OutputChoice, TargetNumbersNeverChange)
{
    const std::tuple<OutputOptions, int> numbers[] = {
        {cOutputToUnknown, 0},  {cOutputToScreen, 1},  {cOutputToPrinter, 2},   {cOutputToTextFile, 3},
        {cOutputToHTMLFile, 4}, {cOutputToCSVFile, 5}, {cOutputToEmailText, 6}, {cOutputToEmailHTML, 7},
        {cOutputToEmailCSV, 8}, {cOutputToPDFFile, 9},
    };
    for (const auto& [target, number] : numbers)
        EXPECT_EQ(static_cast<int>(target), number);
}

} // namespace
