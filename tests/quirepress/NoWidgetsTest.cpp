// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The engine in a program without widgets (a command-line tool, a server):
// only a QCoreApplication exists, so no window may be made. A file target
// is written; whatever a window would have asked for is an error.

#include "ReportRunSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <functional>

using namespace quirepress;
using namespace runsupport;

namespace {

class NoWidgetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_EQ(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), nullptr);
    }

    QTemporaryDir folder;
    DesktopOpener opener;
    std::shared_ptr<RecordedMessages> messages = std::make_shared<RecordedMessages>();
};

TEST_F(NoWidgetsTest, AFileTargetIsWrittenAndNotOpened)
{
    const struct {
        OutputOptions target;
        const char* name;
        QByteArray content;
    } cases[] = {
        {cOutputToTextFile, "list.txt", " Apple          12.50\r\n"},
        {cOutputToCSVFile, "list.csv",
         "\xEF\xBB\xBF"
         "Apple,12.50\r\n"},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        Report run(messages);
        auto line = addSection(run, QStringLiteral("Line"), 240);
        addText(*line, QStringLiteral("Name"), 0, 0, 1200, QStringLiteral("Apple"));
        addText(*line, QStringLiteral("Price"), 1200, 0, 1200, QStringLiteral("12.50"), cJustificationRight);
        run.setOutputTo(expected.target);
        run.setOutputFilename(folder.filePath(QString::fromLatin1(expected.name)));
        run.PrintSection(QStringLiteral("Line"));
        EXPECT_EQ(runOf(run).progress(), nullptr) << "no progress window";
        run.EndReport();
        EXPECT_EQ(readAll(run.OutputFilename()), expected.content);
    }
    EXPECT_TRUE(opener.nothingOpened()) << "no editor is started for the user to look at it";
    EXPECT_TRUE(messages->said.isEmpty());
}

TEST_F(NoWidgetsTest, WhatOnlyAWindowCouldAskForIsAnError)
{
    const struct {
        const char* what;
        std::function<void(Report&)> leaveOut;
    } cases[] = {
        {"no target", [](Report& r) { r.setOutputTo(cOutputToUnknown); }},
        {"no file name", [](Report& r) { r.setOutputTo(cOutputToHTMLFile); }},
        {"the preview", [](Report& r) { r.setOutputTo(cOutputToScreen); }},
        {"the printer",
         [](Report& r) {
             r.setOutputTo(cOutputToPrinter);
             r.setPrinterName(QStringLiteral("No such printer"));
         }},
        // Its pages are drawn in fonts.
        {"a PDF file",
         [this](Report& r) {
             r.setOutputTo(cOutputToPDFFile);
             r.setOutputFilename(folder.filePath(QStringLiteral("list.pdf")));
         }},
    };
    for (const auto& missing : cases) {
        SCOPED_TRACE(missing.what);
        Report run(messages);
        addSection(run, QStringLiteral("Line"), 240);
        missing.leaveOut(run);
        int number = 0;
        QString description;
        try {
            run.PrintSection(QStringLiteral("Line"));
        } catch (const Error& error) {
            number = error.number();
            description = error.description();
        }
        EXPECT_EQ(number, 5) << description.toStdString();
        EXPECT_TRUE(description.contains(QStringLiteral("without windows"))) << description.toStdString();
        EXPECT_FALSE(runOf(run).started());
        run.EndReport();
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(NoWidgetsTest, TextThatMustBeMeasuredInFontsIsAnErrorNotAnAbort)
{
    Report run(messages);
    auto jobs = addSection(run, QStringLiteral("Jobs"), 240);
    auto table = addText(*jobs, QStringLiteral("Table"), 0, 0, 3000, QString());
    table->setFieldType(cFieldTable);
    table->setTableNumberCols(1);
    table->setTableNumberRows(1);
    table->setCellValue(1, 1, QStringLiteral("Gutter clearing"));
    run.setOutputTo(cOutputToCSVFile);
    run.setOutputFilename(folder.filePath(QStringLiteral("jobs.csv")));

    const auto numberThrown = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const Error& error) {
            return error.number();
        }
        return 0;
    };
    EXPECT_EQ(numberThrown([&] { run.PrintSection(QStringLiteral("Jobs")); }), 5) << "a table";
    run.setCancel(true);
    run.EndReport();

    run.setOutputTo(cOutputToScreen);
    QString value = QStringLiteral("A description too long for its field");
    QString rest;
    EXPECT_EQ(numberThrown([&] { run.SplitLine(table, value, rest); }), 5) << "a split for the page";
}

} // namespace

// A command-line program's main(): a QCoreApplication and nothing more.
int main(int argc, char* argv[])
{
    QTemporaryDir temporary;
    qputenv("TMPDIR", temporary.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", temporary.path().toLocal8Bit());
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
