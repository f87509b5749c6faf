// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// A PDF file written by a program with fonts but no widgets (a
// QGuiApplication: a command-line tool that draws): the file is written,
// and no window is shown or program started for the user to look at it.

#include "ReportRunSupport.h"

#include "PrintedPdf.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QTemporaryDir>

using namespace quirepress;
using namespace runsupport;

namespace {

TEST(PdfWithoutWidgets, TheFileIsWrittenAndNotOpened)
{
    ASSERT_EQ(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
    QTemporaryDir folder;
    DesktopOpener opener;
    auto messages = std::make_shared<RecordedMessages>();
    Report report(messages);
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("Name"), 0, 0, 3000, QStringLiteral("Written without windows"));
    report.setOutputTo(cOutputToPDFFile);
    const QString pdf = folder.filePath(QStringLiteral("list.pdf"));
    report.setOutputFilename(pdf);
    report.PrintSection(QStringLiteral("Line"));
    EXPECT_EQ(progressOf(report), nullptr) << "no progress window";
    report.EndReport();

    EXPECT_TRUE(quillbill::testing::toolOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("Written without windows")));
    EXPECT_TRUE(opener.nothingOpened());
    EXPECT_TRUE(messages->said.isEmpty());
}

} // namespace

// A command-line program that draws: a QGuiApplication, no widgets.
int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir temporary;
    qputenv("TMPDIR", temporary.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", temporary.path().toLocal8Bit());
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
