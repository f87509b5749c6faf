// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Reports printed on a real printer: the CUPS queue "PDF" of cups-pdf, which
// writes every job as a PDF file into ~/PDF. The tests read those files back
// with pdfinfo and pdftotext. scripts/print-server.sh sets the queue up;
// without it these tests are skipped, unless QUIREPRESS_REQUIRE_PRINTER is
// set (as the test command sets it), when they fail.

#include "ReportRunSupport.h"

#include "model/PageImages.h"
#include "windows/frmDisplay.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>

#include <QDirIterator>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QTimer>

using namespace quirepress;
using namespace runsupport;

namespace {

const QString queue = QStringLiteral("PDF");

class PrinterOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QPrinterInfo::availablePrinterNames().contains(queue)) {
            if (qEnvironmentVariableIsSet("QUIREPRESS_REQUIRE_PRINTER"))
                FAIL() << "no CUPS queue \"PDF\": run scripts/print-server.sh";
            GTEST_SKIP() << "no CUPS queue \"PDF\"";
        }
        for (auto set :
             {&Report::setTopMargin, &Report::setBottomMargin, &Report::setLeftMargin, &Report::setRightMargin})
            (report.*set)(720);
        report.setOutputTo(cOutputToPrinter);
        report.setPrinterName(queue);
        // The job, and so the PDF file, is named after the report.
        report.setReportName(folder.filePath(jobName + QStringLiteral(".rdn")));
    }

    // The PDF file of this test's job, once the job is complete: cups-pdf
    // creates the file when it starts writing, so a file that is there may
    // still be half written. The job number is in the file's name
    // ("...-job_12.pdf"); CUPS lists the job as completed once cups-pdf has
    // finished with it. Empty when no job of this test arrives in time.
    QString printedFile(int waitMs = 60000) const
    {
        QString found;
        QString job;
        const QString output = QDir::homePath() + QStringLiteral("/PDF");
        const QRegularExpression jobNumber(QStringLiteral("job_(\\d+)\\.pdf$"));
        const bool complete = QTest::qWaitFor(
            [&] {
                if (job.isEmpty()) {
                    QDirIterator files(output, {jobName + QStringLiteral("*.pdf")}, QDir::Files);
                    while (files.hasNext() && job.isEmpty()) {
                        found = files.next();
                        job = jobNumber.match(found).captured(1);
                    }
                }
                return !job.isEmpty() && completedJobs().contains(queue + u'-' + job);
            },
            waitMs);
        EXPECT_TRUE(found.isEmpty() || !job.isEmpty()) << "no job number in " << found.toStdString();
        return complete ? found : QString();
    }

    // The queue's completed jobs, as "PDF-12".
    static QStringList completedJobs()
    {
        QStringList jobs;
        const QString listed = run(QStringLiteral("lpstat"),
                                   {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), queue});
        for (const QString& line : listed.split(u'\n', Qt::SkipEmptyParts))
            jobs << line.section(u' ', 0, 0, QString::SectionSkipEmpty);
        return jobs;
    }

    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir folder;
    const QString jobName = QStringLiteral("quirepress-test-%1-%2")
                                .arg(QCoreApplication::applicationPid())
                                .arg(QDateTime::currentMSecsSinceEpoch());
    Report report{std::make_shared<RecordedMessages>()};
};

TEST_F(PrinterOutputTest, AThreePageReportArrivesWithItsTextsInOrder)
{
    QImage logo(60, 30, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    const QString logoPath = folder.filePath(QStringLiteral("logo.png"));
    ASSERT_TRUE(logo.save(logoPath));

    auto heading = addSection(report, QStringLiteral("Heading"), 1200);
    addText(*heading, QStringLiteral("Title"), 0, 0, 6000, QStringLiteral("Quarterly figures"))->setSize(16);
    addSquare(*heading, QStringLiteral("Band"), 0, 500, 6000, 300, true, 0xE0E0E0);
    addSquare(*heading, QStringLiteral("Rule"), 0, 1000, 9000, 0, false);
    auto picture = addText(*heading, QStringLiteral("Logo"), 8000, 0, 0, logoPath);
    picture->setFieldType(cFieldPicture);

    auto body = addSection(report, QStringLiteral("Body"), 300);
    QString tableName = QStringLiteral("Table");
    auto table = body->AddField(tableName);
    table->setFieldType(cFieldTable);
    table->setTableNumberRows(80);
    table->setTableNumberCols(2);
    for (int16_t row = 1; row <= 80; ++row) {
        table->setCellValue(1, row, QStringLiteral("Region%1").arg(row));
        table->setCellValue(2, row, QString::number(row * 100));
    }
    auto closing = addSection(report, QStringLiteral("Closing"), 400);
    addText(*closing, QStringLiteral("Text"), 0, 0, 6000, QStringLiteral("Closing remarks"));
    auto footer = addSection(report, QStringLiteral("Footer"), 300);
    footer->setFooter(true);
    addText(*footer, QStringLiteral("Words"), 0, 0, 3000, QStringLiteral("Footer line"));
    addText(*footer, QStringLiteral("Page"), 6000, 0, 1000, QStringLiteral("{Page Number}"));

    report.PrintSection(QStringLiteral("Heading"));
    const int32_t height = report.PageHeight();
    EXPECT_GT(height, 15000) << "the page size is the printer's";
    // A piece of a table is as long as a page can take, so the first piece
    // does not fit below the heading and starts page 2; the rest is on 3.
    report.PrintSection(QStringLiteral("Body"));
    EXPECT_EQ(report.PageCount(), 3);
    report.PrintSection(QStringLiteral("Closing"));
    report.EndReport();

    const QString pdf = printedFile();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF of the job in ~/PDF";
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b"))));
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QStringList inOrder{QStringLiteral("Quarterly figures"), QStringLiteral("Footer line"),
                              QStringLiteral("Region1 "),          QStringLiteral("Footer line"),
                              QStringLiteral("Region80"),          QStringLiteral("Closing remarks"),
                              QStringLiteral("Footer line")};
    qsizetype at = 0;
    for (const QString& expected : inOrder) {
        const qsizetype found = text.indexOf(expected, at);
        EXPECT_GE(found, 0) << expected.toStdString() << " missing after position " << at;
        if (found >= 0)
            at = found + expected.size();
    }
    EXPECT_EQ(text.count(QStringLiteral("Footer line")), 3);
    EXPECT_EQ(report.PrinterName(), queue);
}

TEST_F(PrinterOutputTest, LandscapeTurnsThePageBeforeItsSizeIsRead)
{
    addSection(report, QStringLiteral("Line"), 300);
    report.setOrientation(2);
    report.PrintSection(QStringLiteral("Line"));
    EXPECT_GT(report.PageWidth(), report.PageHeight());
    report.setCancel(true);
    report.EndReport();
    EXPECT_FALSE(report.Cancel());
    EXPECT_TRUE(printedFile(5000).isEmpty()) << "a cancelled job prints nothing";
}

TEST_F(PrinterOutputTest, ANameThatDiffersInLetterCaseAsksAndCancellingTheDialogCancelsTheRun)
{
    addSection(report, QStringLiteral("Line"), 300);
    report.setPrinterName(queue.toLower());
    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QPrintDialog*>(widget); dialog && dialog->isVisible()) {
                dialogShown = true;
                dialog->reject();
            }
    });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QPrintDialog*>(widget))
                dialog->reject();
    });
    safety.start(10000);
    report.PrintSection(QStringLiteral("Line"));
    EXPECT_TRUE(dialogShown);
    EXPECT_TRUE(report.Cancel());
    EXPECT_EQ(report.PrinterName(), queue.toLower()) << "a cancelled choice keeps the old name";
    report.EndReport();
    EXPECT_FALSE(report.Cancel());
}

// What a caller does when the preview's print button is pressed: the same
// report again, to the printer.
class PrintAgain : public ReportEvents {
public:
    explicit PrintAgain(Report& report) : report_(report) {}
    void PrintToPrinterButton() override
    {
        report_.setOutputTo(cOutputToPrinter);
        report_.PrintSection(QStringLiteral("Line"));
        report_.EndReport();
    }

private:
    Report& report_;
};

TEST_F(PrinterOutputTest, ThePreviewsPrintButtonPrintsTheReportAgain)
{
    auto line = addSection(report, QStringLiteral("Line"), 300);
    addText(*line, QStringLiteral("Text"), 0, 0, 6000, QStringLiteral("Printed from the preview"));
    PrintAgain caller(report);
    report.setEvents(&caller);
    report.setOutputTo(cOutputToScreen);
    report.PrintSection(QStringLiteral("Line"));
    report.EndReport();
    detail::frmDisplay* preview = previewOf(report);
    ASSERT_NE(preview, nullptr);
    QTest::mouseClick(preview->findChild<QAbstractButton*>(QStringLiteral("cmdToolbar4")), Qt::LeftButton);
    report.setEvents(nullptr);

    const QString pdf = printedFile();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF of the job in ~/PDF";
    EXPECT_TRUE(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("Printed from the preview")));
}

// A caller that prints `sections` copies of "Block" when the preview's
// print button is pressed, with the printer and orientation given.
class PrintBlocks : public ReportEvents {
public:
    PrintBlocks(Report& report, int sections) : report_(report), sections_(sections) {}
    void PrintToPrinterButton() override
    {
        report_.setOutputTo(cOutputToPrinter);
        report_.setPrinterName(printerName);
        report_.setOrientation(orientation);
        for (int section = 0; section < sections_; ++section)
            report_.PrintSection(QStringLiteral("Block"));
        printedPages = report_.PageCount();
        report_.EndReport();
    }
    void Delivered(OutputOptions Target, const QString& FileName) override
    {
        delivered << QStringLiteral("%1 %2").arg(int(Target)).arg(FileName).trimmed();
    }

    QStringList delivered;
    QString printerName;
    int32_t orientation = 0;
    int printedPages = 0;

private:
    Report& report_;
    int sections_;
};

class PrintFromPreviewTest : public PrinterOutputTest {
protected:
    // A screen run of three full pages of blocks; returns how many blocks
    // it took.
    int previewThreePages()
    {
        auto block = addSection(report, QStringLiteral("Block"), 3000);
        addText(*block, QStringLiteral("Text"), 0, 0, 6000, QStringLiteral("A block of the report"));
        report.setOutputTo(cOutputToScreen);
        int sections = 0;
        do {
            report.PrintSection(QStringLiteral("Block"));
            ++sections;
        } while (report.PageCount() == 1);
        const int perPage = sections - 1;
        while (sections < 3 * perPage) {
            report.PrintSection(QStringLiteral("Block"));
            ++sections;
        }
        EXPECT_EQ(report.PageCount(), 3);
        report.EndReport();
        return sections;
    }

    detail::frmDisplay* preview() { return previewOf(report); }
    QString pageLabel() { return preview()->findChild<QLabel*>(QStringLiteral("lblPage"))->text(); }
    void press(int button)
    {
        QTest::mouseClick(preview()->findChild<QAbstractButton*>(QStringLiteral("cmdToolbar%1").arg(button)),
                          Qt::LeftButton);
    }
};

TEST_F(PrintFromPreviewTest, CancellingThePrinterDialogKeepsThePreviewAndItsPagesGoWhenItCloses)
{
    PrintBlocks caller(report, previewThreePages());
    caller.printerName = QStringLiteral("No such printer");
    report.setEvents(&caller);
    ASSERT_NE(preview(), nullptr);
    press(2);
    QTimer::singleShot(0, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QPrintDialog*>(widget); dialog && dialog->isVisible())
                dialog->reject();
    });
    press(4);
    report.setEvents(nullptr);
    EXPECT_FALSE(report.Cancel());
    EXPECT_TRUE(caller.delivered.isEmpty()) << "nothing was printed";

    ASSERT_NE(preview(), nullptr) << "the preview stays open";
    EXPECT_TRUE(preview()->isVisible());
    EXPECT_EQ(pageLabel(), QStringLiteral("Page 2 of 3"));
    EXPECT_FALSE(report.CanExit());
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(keepsPage(report, page)) << "page " << page;
    press(3);
    EXPECT_EQ(pageLabel(), QStringLiteral("Page 3 of 3"));

    preview()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(report.CanExit());
    for (int page = 1; page <= 3; ++page)
        EXPECT_FALSE(keepsPage(report, page)) << "page " << page;
}

TEST_F(PrintFromPreviewTest, AfterALandscapePrintThePreviewShowsItsOwnPagesAsBefore)
{
    PrintBlocks caller(report, previewThreePages());
    caller.printerName = queue;
    caller.orientation = 2;
    report.setEvents(&caller);
    press(2);
    press(4);
    report.setEvents(nullptr);
    ASSERT_GT(caller.printedPages, 3) << "a landscape page takes fewer blocks";
    EXPECT_EQ(caller.delivered, QStringList{"2"}) << "the job went to the printer";

    ASSERT_NE(preview(), nullptr);
    EXPECT_EQ(pageLabel(), QStringLiteral("Page 2 of 3"));
    press(3);
    EXPECT_EQ(pageLabel(), QStringLiteral("Page 3 of 3"));
    EXPECT_FALSE(preview()->findChild<QAbstractButton*>(QStringLiteral("cmdToolbar2"))->isEnabled());

    const QString pdf = printedFile();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF of the job in ~/PDF";
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {pdf})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(caller.printedPages))));
    report.CloseWindow();
}

} // namespace
