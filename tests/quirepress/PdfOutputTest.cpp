// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Reports written as PDF files: the pages the printer would print, read back
// with pdfinfo and pdftotext; the file named through the output and save
// dialogs; a file that cannot be written; and the PDF surface driven page
// by page, as the preview's pages are saved.

#include "ReportRunSupport.h"

#include "PrintedPdf.h"

#include "drawing/PdfSurface.h"
#include "output/ReportSettings.h"
#include "windows/frmOutput.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

using namespace quirepress;
using namespace runsupport;
using quillbill::testing::pageTexts;
using quillbill::testing::toolOutput;

namespace {

class PdfOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (auto set :
             {&Report::setTopMargin, &Report::setBottomMargin, &Report::setLeftMargin, &Report::setRightMargin})
            (report.*set)(720);
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    // A heading, a table of 80 rows and a closing line, with a numbered page
    // footer. A piece of a table is as long as a page can take, so the
    // first piece starts page 2 and the rest is on page 3.
    void printThreePages()
    {
        if (report.SectionCount() == 0) {
            auto heading = addSection(report, QStringLiteral("Heading"), 1200);
            addText(*heading, QStringLiteral("Title"), 0, 0, 6000, QStringLiteral("Quarterly figures"))->setSize(16);
            addSquare(*heading, QStringLiteral("Band"), 0, 500, 6000, 300, true, 0xE0E0E0);
            auto body = addSection(report, QStringLiteral("Body"), 300);
            auto table = addText(*body, QStringLiteral("Table"), 0, 0, 0, QString());
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
            addText(*footer, QStringLiteral("Number"), 6000, 0, 1000, QStringLiteral("{Page Number}"));
        }
        for (const char* section : {"Heading", "Body", "Closing"})
            report.PrintSection(QString::fromLatin1(section));
        EXPECT_EQ(report.PageCount(), 3);
        report.EndReport();
    }

    static QString infoOf(const QString& pdf, const QString& key)
    {
        const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(key), QRegularExpression::MultilineOption);
        return line.match(toolOutput(QStringLiteral("pdfinfo"), {pdf})).captured(1).trimmed();
    }

    QTemporaryDir folder;
    DesktopOpener opener;
    Report report{std::make_shared<RecordedMessages>()};
};

TEST_F(PdfOutputTest, AThreePageReportHasItsPagesInOrderAndTheReportsNameAsTitle)
{
    const QString pdf = path(QStringLiteral("figures.pdf"));
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(200000, 'x'));
    old.close();
    report.setReportName(path(QStringLiteral("quarterly.rdn")));
    report.setOutputTo(cOutputToPDFFile);
    report.setOutputFilename(pdf);
    RecordedEvents events(report);
    printThreePages();

    EXPECT_EQ(infoOf(pdf, QStringLiteral("Pages")), QStringLiteral("3"));
    EXPECT_EQ(infoOf(pdf, QStringLiteral("Title")), QStringLiteral("quarterly"));
    // The pages are those the layout used.
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("^([\\d.]+) x ([\\d.]+) pts"))
                                             .match(infoOf(pdf, QStringLiteral("Page size")));
    ASSERT_TRUE(size.hasMatch()) << infoOf(pdf, QStringLiteral("Page size")).toStdString();
    EXPECT_NEAR(size.captured(1).toDouble() * 20, report.PageWidth(), 20);
    EXPECT_NEAR(size.captured(2).toDouble() * 20, report.PageHeight(), 20);
    // Each page's texts, in order from its top; the footer's page number
    // beside its words.
    const QStringList pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), 3);
    const QStringList expected[] = {
        {QStringLiteral("Quarterly figures"), QStringLiteral("Footer line +1\\n")},
        {QStringLiteral("Region1 "), QStringLiteral("Region2 "), QStringLiteral("Footer line +2\\n")},
        {QStringLiteral("Region80"), QStringLiteral("Closing remarks"), QStringLiteral("Footer line +3\\n")},
    };
    for (int page = 0; page < 3; ++page) {
        qsizetype at = 0;
        for (const QString& pattern : expected[page]) {
            const QRegularExpressionMatch found = QRegularExpression(pattern).match(pages[page], at);
            EXPECT_TRUE(found.hasMatch()) << pattern.toStdString() << " missing on page " << page + 1;
            at = std::max(at, found.capturedEnd());
        }
    }
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Region"))) << "the table starts a page of its own";
    EXPECT_EQ(
        events.said,
        (QStringList{"PrintPageFooter Footer not last page 1", "NewPage 2", "PrintPageFooter Footer not last page 2",
                     "NewPage 3", "PrintPageFooter Footer last page 3", "Delivered 9 " + pdf}))
        << "its caller hears of the file once it is written";
    EXPECT_EQ(opener.opened(), QStringList{pdf});
}

TEST_F(PdfOutputTest, ItHasThePagesThePrinterPrints)
{
    SKIP_WITHOUT_PDF_QUEUE();
    const QString jobName = QStringLiteral("quirepress-pdf-test-%1-%2")
                                .arg(QCoreApplication::applicationPid())
                                .arg(QDateTime::currentMSecsSinceEpoch());
    report.setReportName(path(jobName + QStringLiteral(".rdn")));
    report.setPrinterName(quillbill::testing::pdfQueue);
    report.setOrientation(2);
    const QString pdf = path(QStringLiteral("figures.pdf"));
    report.setOutputTo(cOutputToPDFFile);
    report.setOutputFilename(pdf);
    printThreePages();
    const QSize pdfPage(report.PageWidth(), report.PageHeight());
    EXPECT_GT(pdfPage.width(), pdfPage.height()) << "landscape";

    report.CloseWindow();
    report.setOutputTo(cOutputToPrinter);
    printThreePages();
    EXPECT_EQ(QSize(report.PageWidth(), report.PageHeight()), pdfPage);
    const QString printed = quillbill::testing::printedFile(jobName);
    ASSERT_FALSE(printed.isEmpty()) << "no PDF of the job in ~/PDF";
    EXPECT_EQ(infoOf(pdf, QStringLiteral("Pages")), infoOf(printed, QStringLiteral("Pages")));
    const QStringList written = pageTexts(pdf);
    const QStringList onPaper = pageTexts(printed);
    ASSERT_EQ(written.size(), onPaper.size());
    for (qsizetype page = 0; page < written.size(); ++page)
        EXPECT_EQ(written[page].simplified().toStdString(), onPaper[page].simplified().toStdString())
            << "page " << page + 1;
}

// A word of pdftotext's -bbox output: its text and right edge in points.
struct PlacedWord {
    QString text;
    double right = 0;
};

QList<PlacedWord> wordsOfPage(const QString& pdf, int page)
{
    const QString html = toolOutput(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                                     QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    QList<PlacedWord> words;
    const QRegularExpression word(QStringLiteral("<word [^>]*xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    for (auto found = word.globalMatch(html); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        words.append({match.captured(2), match.captured(1).toDouble()});
    }
    return words;
}

TEST_F(PdfOutputTest, TheFileHasThePreviewsPagesWithItsTextInOrderInEmbeddedFontSubsets)
{
    // Accented names, amounts in euros against the right edge of their
    // column, and a bold title: enough rows for three pages.
    const QStringList names{QStringLiteral("Crème brûlée"), QStringLiteral("Façade Noël"), QStringLiteral("Ærøskøbing"),
                            QStringLiteral("Plain text")};
    constexpr int rows = 100;
    constexpr int amountLeft = 5000;
    constexpr int amountWidth = 2500;
    const auto nameOf = [&](int row) { return QStringLiteral("%1 %2").arg(names[row % names.size()]).arg(row); };
    const auto amountOf = [](int row) {
        return QStringLiteral("€%1.%2").arg(row * 137).arg(row % 100, 2, 10, QChar(u'0'));
    };
    auto heading = addSection(report, QStringLiteral("Heading"), 600);
    addText(*heading, QStringLiteral("Title"), 0, 0, 7000, QStringLiteral("Relevé des comptes à recevoir"))
        ->setBold(true);
    auto line = addSection(report, QStringLiteral("Row"), 300);
    auto name = addText(*line, QStringLiteral("Name"), 0, 0, 4000, QString());
    auto amount = addText(*line, QStringLiteral("Amount"), amountLeft, 0, amountWidth, QString(), cJustificationRight);
    auto footer = addSection(report, QStringLiteral("Footer"), 300);
    footer->setFooter(true);
    addText(*footer, QStringLiteral("Number"), 3000, 0, 1000, QStringLiteral("{Page Number}"), cJustificationCentre);

    // The page each row lands on.
    const auto run = [&](OutputOptions target) {
        report.setOutputTo(target);
        std::vector<int> pageOfRow;
        report.PrintSection(QStringLiteral("Heading"));
        for (int row = 0; row < rows; ++row) {
            name->setValue(nameOf(row));
            amount->setValue(amountOf(row));
            report.PrintSection(QStringLiteral("Row"));
            pageOfRow.push_back(report.PageCount());
        }
        report.EndReport();
        return pageOfRow;
    };
    const std::vector<int> previewPages = run(cOutputToScreen);
    const detail::PageSpool& preview = ReportPrivate::of(report)->pageSpool;
    const int pageCount = preview.pageCount();
    const QSize previewPage = preview.pageSize();
    ASSERT_EQ(pageCount, 3);
    report.CloseWindow();
    const QString pdf = path(QStringLiteral("statement.pdf"));
    report.setOutputFilename(pdf);
    EXPECT_EQ(run(cOutputToPDFFile), previewPages) << "the rows are on the preview's pages";

    const QString info =
        toolOutput(QStringLiteral("pdfinfo"),
                   {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QString::number(pageCount), pdf});
    EXPECT_EQ(infoOf(pdf, QStringLiteral("Pages")), QString::number(pageCount));
    const QRegularExpression sizeLine(QStringLiteral("^Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"),
                                      QRegularExpression::MultilineOption);
    int sizes = 0;
    for (auto found = sizeLine.globalMatch(info); found.hasNext(); ++sizes) {
        const QRegularExpressionMatch size = found.next();
        EXPECT_NEAR(size.captured(1).toDouble() * 20, previewPage.width(), 1) << "page " << sizes + 1;
        EXPECT_NEAR(size.captured(2).toDouble() * 20, previewPage.height(), 1) << "page " << sizes + 1;
    }
    EXPECT_EQ(sizes, pageCount);

    // Each page's lines from its top: the title on the first, the page's
    // rows, and its number at the foot.
    const QStringList pages = pageTexts(pdf);
    ASSERT_EQ(pages.size(), pageCount);
    const double amountRight = (720 + amountLeft + amountWidth) / 20.0;
    for (int page = 1; page <= pageCount; ++page) {
        QStringList expected;
        QStringList amounts;
        if (page == 1)
            expected << QStringLiteral("Relevé des comptes à recevoir");
        for (int row = 0; row < rows; ++row) {
            if (previewPages[static_cast<size_t>(row)] == page) {
                expected << nameOf(row) + u' ' + amountOf(row);
                amounts << amountOf(row);
            }
        }
        expected << QString::number(page);
        QStringList lines;
        for (const QString& text : pages[page - 1].split(u'\n')) {
            if (!text.simplified().isEmpty())
                lines << text.simplified();
        }
        EXPECT_EQ(lines.join(u'\n').toStdString(), expected.join(u'\n').toStdString()) << "page " << page;
        // The amounts end where their column does.
        QStringList aligned;
        for (const PlacedWord& word : wordsOfPage(pdf, page)) {
            if (word.text.startsWith(u'€')) {
                aligned << word.text;
                EXPECT_NEAR(word.right, amountRight, 0.05) << word.text.toStdString();
            }
        }
        EXPECT_EQ(aligned, amounts) << "page " << page;
    }

    // Two fonts, regular and bold, each embedded as the subset it uses,
    // with the characters behind its glyphs.
    const QStringList fonts = toolOutput(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_EQ(fonts.size(), 2) << fonts.join(u'\n').toStdString();
    const QRegularExpression subset(
        QStringLiteral("^[A-Z]{6}\\+LiberationSans(-Bold)?\\s.*\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"));
    for (const QString& font : fonts) {
        const QRegularExpressionMatch match = subset.match(font);
        ASSERT_TRUE(match.hasMatch()) << font.toStdString();
        EXPECT_EQ(match.captured(2), QStringLiteral("yes")) << "embedded: " << font.toStdString();
        EXPECT_EQ(match.captured(3), QStringLiteral("yes")) << "a subset: " << font.toStdString();
        EXPECT_EQ(match.captured(4), QStringLiteral("yes")) << "its characters: " << font.toStdString();
    }
}

// The surface as the preview's "Save as PDF" drives it: pages of their
// own sizes, one after the other, each with its own text.
TEST(PdfSurface, EachPageHasItsOwnSizeAndText)
{
    struct Page {
        QSize twips;
        QString text;
    };
    const Page pages[] = {
        {{12240, 15840}, QStringLiteral("Letter, upright")},
        {{16838, 11906}, QStringLiteral("A4 à l'italienne")},
        {{5760, 2880}, QStringLiteral("Étiquette 4×2")},
    };
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("pages.pdf"));
    {
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const auto made = detail::makePdfSurface(&file, pages[0].twips);
        detail::PdfSurface& surface = *made;
        surface.setTitle(QStringLiteral("Pages of three sizes"));
        for (const Page& page : pages) {
            surface.beginPage(page.twips);
            surface.drawText(720, 720, page.text, 0);
            surface.endPage();
        }
        ASSERT_TRUE(surface.finish()) << surface.failure().toStdString();
    }
    const QString info =
        toolOutput(QStringLiteral("pdfinfo"),
                   {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("3"), pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("^Pages: +3$"), QRegularExpression::MultilineOption)));
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("^Title: +Pages of three sizes$"), QRegularExpression::MultilineOption)));
    const QStringList texts = pageTexts(pdf);
    ASSERT_EQ(texts.size(), 3);
    for (int number = 1; number <= 3; ++number) {
        const Page& page = pages[number - 1];
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("^Page +%1 size: +([\\d.]+) x ([\\d.]+) pts").arg(number),
                               QRegularExpression::MultilineOption)
                .match(info);
        ASSERT_TRUE(size.hasMatch()) << "page " << number;
        EXPECT_NEAR(size.captured(1).toDouble() * 20, page.twips.width(), 1) << "page " << number;
        EXPECT_NEAR(size.captured(2).toDouble() * 20, page.twips.height(), 1) << "page " << number;
        EXPECT_EQ(texts[number - 1].simplified().toStdString(), page.text.toStdString()) << "page " << number;
    }
}

// Answers the output dialog with the PDF file, noting whether the format
// list could still be changed, once the dialog is on screen.
void choosePdfInOutputDialog(bool& formatEnabled)
{
    QTimer::singleShot(0, [&formatEnabled] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<detail::frmOutput*>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            auto* choice = dialog->findChild<QRadioButton*>(QStringLiteral("optPDF"));
            QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
            formatEnabled = dialog->findChild<QComboBox*>(QStringLiteral("cboFile"))->isEnabled();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
            return;
        }
        choosePdfInOutputDialog(formatEnabled);
    });
}

// Accepts the save dialog with the name it proposes, noting its filter and
// that name.
void acceptSaveDialog(QString& filter, QString& proposed)
{
    QTimer::singleShot(0, [&filter, &proposed] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            filter = dialog->selectedNameFilter();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            proposed = name->text();
            QTest::keyClick(name, Qt::Key_Return);
            return;
        }
        acceptSaveDialog(filter, proposed);
    });
}

TEST_F(PdfOutputTest, ChosenInTheOutputDialogItIsNamedBesideTheLastFileWithoutReplacingIt)
{
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("A"), 0, 0, 3000, QStringLiteral("Chosen by the user"));
    report.setReportName(path(QStringLiteral("sales.rdn")));
    const QString csv = path(QStringLiteral("sales.csv"));
    QFile last(csv);
    ASSERT_TRUE(last.open(QIODevice::WriteOnly));
    last.write("last month's figures\r\n");
    last.close();
    detail::ReportSettings(report.ReportName()).writeFileName(csv);

    bool formatEnabled = true;
    QString filter;
    QString proposed;
    choosePdfInOutputDialog(formatEnabled);
    acceptSaveDialog(filter, proposed);
    report.PrintSection(QStringLiteral("Line"));
    report.EndReport();

    const QString pdf = path(QStringLiteral("sales.pdf"));
    EXPECT_EQ(report.OutputTo(), cOutputToPDFFile);
    EXPECT_FALSE(formatEnabled) << "a PDF file has no format to choose";
    EXPECT_EQ(filter.toStdString(), "PDF files (*.pdf)");
    EXPECT_EQ(proposed.toStdString(), "sales.pdf");
    EXPECT_EQ(report.OutputFilename(), pdf);
    EXPECT_EQ(readAll(csv), "last month's figures\r\n");
    EXPECT_TRUE(toolOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("Chosen by the user")));
    const detail::ReportSettings remembered(report.ReportName());
    EXPECT_EQ(remembered.readFileName(QStringLiteral("pdf")), pdf);
    EXPECT_EQ(remembered.readChoice().kind, detail::OutputKind::Pdf);
    EXPECT_EQ(opener.opened(), QStringList{pdf});
}

TEST_F(PdfOutputTest, AFileThatCannotBeWrittenIsAnErrorAndACancelledRunLeavesNoFile)
{
    addText(*addSection(report, QStringLiteral("Line"), 240), QStringLiteral("A"), 0, 0, 3000, QStringLiteral("x"));
    report.setOutputTo(cOutputToPDFFile);
    report.setOutputFilename(path(QStringLiteral("no such folder/list.pdf")));
    int number = 0;
    QString description;
    try {
        report.PrintSection(QStringLiteral("Line"));
        report.EndReport();
    } catch (const Error& error) {
        number = error.number();
        description = error.description();
    }
    EXPECT_EQ(number, 75);
    EXPECT_TRUE(description.contains(QStringLiteral("no such folder/list.pdf"))) << description.toStdString();

    const QString pdf = path(QStringLiteral("cancelled.pdf"));
    report.setOutputFilename(pdf);
    report.PrintSection(QStringLiteral("Line"));
    report.setCancel(true);
    report.EndReport();
    EXPECT_FALSE(QFile::exists(pdf)) << "half a document is no document";
    EXPECT_TRUE(opener.nothingOpened());
}

} // namespace
