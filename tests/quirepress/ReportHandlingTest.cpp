// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// A report as a caller's own code holds it: returned from a function, kept in
// a container, moved while a run is under way.

#include "ReportRunSupport.h"

#include "windows/frmProgress.h"

#include <QPushButton>

#include <vector>

using namespace runsupport;

namespace {

// A report of one "Row" section whose field "Text" the caller fills.
quirepress::Report rowReport(const QString& csvFile)
{
    quirepress::Report report(std::make_shared<RecordedMessages>());
    auto row = report.AddSection(QStringLiteral("Row"));
    row->setHeight(240);
    addText(*row, QStringLiteral("Text"), 0, 0, 3000, QString());
    report.setOutputTo(quirepress::cOutputToCSVFile);
    report.setOutputFilename(csvFile);
    return report;
}

void printRow(quirepress::Report& report, const QString& text)
{
    report.Section(QStringLiteral("Row"))->Field(QStringLiteral("Text"))->setValue(text);
    report.PrintSection(QStringLiteral("Row"));
}

} // namespace

TEST(ReportHandlingTest, AReportMovedDuringARunFinishesItWhereItNowLives)
{
    QTemporaryDir folder;
    const DesktopOpener opener;
    std::vector<quirepress::Report> reports;
    reports.push_back(rowReport(folder.filePath(QStringLiteral("moved.csv"))));
    printRow(reports.front(), QStringLiteral("first"));

    // Growing the container moves the report and its run to a new place.
    for (int other = 0; other < 8; ++other)
        reports.push_back(rowReport(folder.filePath(QStringLiteral("other%1.csv").arg(other))));
    quirepress::Report report = std::move(reports.front());
    printRow(report, QStringLiteral("second"));

    // The progress window's Cancel reaches the report where it now is.
    quirepress::detail::frmProgress* progress = progressOf(report);
    ASSERT_NE(progress, nullptr);
    progress->findChild<QPushButton*>()->click();
    EXPECT_TRUE(report.Cancel());
    report.setCancel(false);

    printRow(report, QStringLiteral("third"));
    report.EndReport();
    const QString written = folder.filePath(QStringLiteral("moved.csv"));
    EXPECT_EQ(readAll(written),
              "\xEF\xBB\xBF"
              "first\r\nsecond\r\nthird\r\n");
    EXPECT_EQ(opener.opened(), QStringList{written});
}

TEST(ReportHandlingTest, ASectionNamedByATemporaryTakesTheNextFreeName)
{
    quirepress::Report report(std::make_shared<RecordedMessages>());
    report.AddSection(QStringLiteral("Detail"));
    EXPECT_EQ(report.AddSection(QStringLiteral("detail"))->SectionName(), QStringLiteral("detail(1)"));
    EXPECT_EQ(report.SectionCount(), 2);
}
