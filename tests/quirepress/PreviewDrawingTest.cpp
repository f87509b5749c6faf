// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Preview pages kept as drawings: what the preview shows is what the printer's
// painter draws, it is drawn anew at each zoom, and "Save as PDF" writes the
// shown pages without running the report again.

#include "FileDialogAnswer.h"
#include "ReportRunSupport.h"
#include "WindowControls.h"

#include "drawing/PageSteps.h"
#include "model/PageSpool.h"
#include "output/ScreenTarget.h"
#include "windows/frmDisplay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdlib>

using namespace quirepress;
using namespace quirepress::detail;
using namespace runsupport;

namespace {

const QSize letter(12240, 15840);

// Page `page`'s content, drawn the same way on any surface: text in two
// styles, a line, a filled box and a small image, at places that differ
// from page to page.
void drawSamplePage(PageSurface& surface, int page)
{
    const int32_t shift = page * 400;
    surface.setTextStyle({QStringLiteral("Arial"), 10, false, false, false});
    surface.drawText(1440, 1440 + shift, QStringLiteral("Harbourside Joinery Ltd, page %1").arg(page), 0x000000);
    surface.setTextStyle({QStringLiteral("Arial"), 14, true, true, false});
    surface.drawText(1440, 2400 + shift, QStringLiteral("Total due 1,284.50"), 0x0000FF);
    surface.drawLine(1440, 3000 + shift, 9000, 3000 + shift, 0x000000, 1);
    surface.drawBox(QRect(1440, 3300 + shift, 3000, 600), 0x000000, 0xEEEEEE, 2);
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(QColor(0, 128, 255));
    surface.drawImage(6000, 3300 + shift, logo);
}

// Channel differences above a few levels, as a share of the pixels.
double differingShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1;
    int64_t differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > 8 || std::abs(p.green() - q.green()) > 8
                || std::abs(p.blue() - q.blue()) > 8)
                ++differing;
        }
    return double(differing) / (double(a.width()) * a.height());
}

int64_t inkedPixels(const QImage& image)
{
    int64_t inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
    return inked;
}

TEST(PreviewDrawing, EachKeptPageDrawsAsThePrintersPainterDrawsIt)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // Kept in memory, and spooled to the file page by page.
    for (const qsizetype bound : {PageSpool::defaultMemoryBound, qsizetype(0)}) {
        SCOPED_TRACE(bound);
        PageSpool pages;
        pages.setMemoryBound(bound);
        pages.start(folder.filePath(QStringLiteral("qrp.qpg")), letter);
        {
            ScreenTarget screen(letter, pages);
            for (int page = 1; page <= 3; ++page) {
                drawSamplePage(screen.surface(), page);
                if (page < 3)
                    screen.ejectPage(static_cast<int16_t>(page));
            }
            screen.finish(3);
        }
        EXPECT_EQ(QFile::exists(pages.path()), bound == 0);
        ASSERT_EQ(pages.pageCount(), 3);
        for (int page = 1; page <= 3; ++page) {
            SCOPED_TRACE(page);
            ScreenPage printed(letter.width(), letter.height());
            {
                PainterSurface surface(&printed.image(), ScreenPage::dotsPerInch);
                drawSamplePage(surface, page);
            }
            const auto drawing = pages.page(page);
            ASSERT_TRUE(drawing.has_value());
            ScreenPage shown(letter.width(), letter.height());
            {
                PainterSurface surface(&shown.image(), ScreenPage::dotsPerInch);
                EXPECT_TRUE(drawSteps(*drawing, surface));
            }
            EXPECT_GT(inkedPixels(shown.image()), 1000);
            EXPECT_LT(differingShare(shown.image(), printed.image()), 0.0005);
        }
        pages.clear();
        EXPECT_FALSE(QFile::exists(pages.path()));
    }
}

TEST(PreviewDrawing, ADamagedPageDrawsWhatCanBeReadAndSaysItIsDamaged)
{
    FontCache fonts;
    RecordingSurface recorded(fonts);
    drawSamplePage(recorded, 1);
    // Positions that are not whole twips are kept exactly.
    recorded.drawText(1440.375, 7000.5, QStringLiteral("Crème brûlée €"), 0x000000);
    const QByteArray whole = recorded.steps();
    ASSERT_LT(whole.size(), 1024) << "a page's steps are compact";

    // Cut anywhere, no page reads past its end (the sanitizers watch). A
    // cut between two steps reads as the page of the steps before it, which
    // recorded again are those bytes (but for a style no text used); a cut
    // inside a step is damage.
    int readWhole = 0;
    for (qsizetype size = 0; size < whole.size(); ++size) {
        const QByteArray cut = whole.first(size);
        RecordingSurface before(fonts);
        if (drawSteps(cut, before)) {
            ++readWhole;
            EXPECT_TRUE(cut.startsWith(before.steps())) << size;
        }
    }
    EXPECT_GE(readWhole, 8) << "one for each step of the page and the empty page";
    EXPECT_LT(readWhole, whole.size() / 4);
    RecordingSurface unknown(fonts);
    EXPECT_FALSE(drawSteps(whole + char(0x7F), unknown)) << "a step of no known kind";

    // What is recorded again from the steps is the same steps.
    RecordingSurface again(fonts);
    ASSERT_TRUE(drawSteps(whole, again));
    EXPECT_EQ(again.steps(), whole);
}

class PreviewOfAReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        report.setReportName(QStringLiteral("Quarterly sales"));
        auto line = addSection(report, QStringLiteral("Line"), 400);
        text = addText(*line, QStringLiteral("Text"), 0, 0, 9000, QString());
        text->setSize(12);
        runReport(1);
    }
    void TearDown() override { report.CloseWindow(); }

    // One page per text, in `orientation` (1 portrait, 2 landscape), in a
    // run of its own.
    void runReport(int32_t orientation)
    {
        report.CloseWindow();
        report.setOutputTo(cOutputToScreen);
        report.setOrientation(orientation);
        const QStringList lines = pageTexts();
        for (const QString& value : lines) {
            if (value != lines.first())
                report.NewPage();
            text->setValue(value);
            report.PrintSection(QStringLiteral("Line"));
        }
        report.EndReport();
        ASSERT_NE(preview(), nullptr);
    }

    static QStringList pageTexts()
    {
        return {QStringLiteral("Alder Street Bakery owes 310.00"), QStringLiteral("Birchwood Garage owes 1,020.75"),
                QStringLiteral("Cedar Lane Florist owes 88.40")};
    }

    frmDisplay* preview() { return previewOf(report); }

    QImage shownPage()
    {
        QApplication::processEvents();
        return control<QWidget>(*preview(), "ImageObject")->grab().toImage();
    }

    void zoom(const QString& value)
    {
        auto* box = control<QComboBox>(*preview(), "cboZoom");
        box->setEditText(value);
        emit box->lineEdit()->editingFinished();
    }

    std::shared_ptr<RecordedMessages> messages = std::make_shared<RecordedMessages>();
    Report report{messages};
    std::shared_ptr<Field> text;
};

TEST_F(PreviewOfAReport, AtTwiceTheSizeTheTextIsDrawnAnewNotStretched)
{
    const QImage normal = shownPage();
    zoom(QStringLiteral("200%"));
    const QImage doubled = shownPage();
    ASSERT_NEAR(doubled.width(), 2 * normal.width(), 2);
    ASSERT_NEAR(doubled.height(), 2 * normal.height(), 2);
    ASSERT_GT(inkedPixels(normal), 200);
    // A stretched bitmap would be one of these, near enough; text drawn at
    // the larger size has edges of its own.
    for (const auto mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
        SCOPED_TRACE(int(mode));
        const QImage stretched = normal.scaled(doubled.size(), Qt::IgnoreAspectRatio, mode);
        EXPECT_GT(differingShare(doubled, stretched) * doubled.width() * doubled.height(),
                  0.1 * double(inkedPixels(doubled)));
    }
}

// Chooses `path` in the save dialog of the preview; `offered`, when given,
// receives the file the dialog offered first.
void chooseInSaveDialog(const QString& path, QString* offered = nullptr)
{
    answerFileDialog(path, [offered](QFileDialog& dialog) {
        EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("PDF files (*.pdf)")});
        if (offered)
            *offered = dialog.selectedFiles().value(0);
    });
}

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

TEST_F(PreviewOfAReport, SaveAsPdfWritesTheShownPagesWithoutRunningTheReport)
{
    for (const int32_t orientation : {1, 2}) {
        SCOPED_TRACE(orientation);
        if (orientation != report.Orientation())
            runReport(orientation);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        RecordedEvents events(report);
        const QString path = folder.filePath(QStringLiteral("sales.pdf"));
        chooseInSaveDialog(path);
        QTest::mouseClick(control<QAbstractButton>(*preview(), "cmdSavePdf"), Qt::LeftButton);

        EXPECT_TRUE(messages->said.isEmpty()) << messages->said.join(u'\n').toStdString();
        EXPECT_EQ(events.said, QStringList{QStringLiteral("Delivered 9 ") + path})
            << "the report did not run again, and its caller hears of the file";
        const QString info = runTool(QStringLiteral("pdfinfo"), {path});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Quarterly sales\\n"))))
            << info.toStdString();
        ASSERT_EQ(report.PageWidth() > report.PageHeight(), orientation == 2);
        const QString size = QStringLiteral("Page size:\\s+%1 x %2 pts")
                                 .arg(report.PageWidth() / 20.0, 0, 'g', 6)
                                 .arg(report.PageHeight() / 20.0, 0, 'g', 6);
        EXPECT_TRUE(info.contains(QRegularExpression(size))) << info.toStdString();
        QStringList pages = runTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).split(u'\f');
        pages.removeAll(QString());
        for (QString& page : pages)
            page = page.trimmed();
        EXPECT_EQ(pages, pageTexts());
    }
}

TEST_F(PreviewOfAReport, ADocumentIsCalledByItsTitleNotByItsDefinitionFile)
{
    const QString title = QStringLiteral("Invoice 42 - O'Brien & Sons");
    for (const QString& documentTitle : {title, QString()}) {
        SCOPED_TRACE(documentTitle.toStdString());
        report.setReportName(QStringLiteral("/opt/quillbill/Reports/simple.rdn"));
        report.setDocumentTitle(documentTitle);
        runReport(1);
        const QString expected = documentTitle.isEmpty() ? QStringLiteral("simple") : title;
        EXPECT_EQ(preview()->windowTitle(),
                  documentTitle.isEmpty() ? QStringLiteral("Quirepress Display - /opt/quillbill/Reports/simple.rdn")
                                          : title);

        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("chosen.pdf"));
        QString offered;
        chooseInSaveDialog(path, &offered);
        QTest::mouseClick(control<QAbstractButton>(*preview(), "cmdSavePdf"), Qt::LeftButton);
        EXPECT_EQ(QFileInfo(offered).fileName().toStdString(), (expected + QStringLiteral(".pdf")).toStdString());
        const QString info = runTool(QStringLiteral("pdfinfo"), {path});
        EXPECT_TRUE(info.contains(QStringLiteral("Title:           ") + expected + u'\n')) << info.toStdString();
    }
}

TEST_F(PreviewOfAReport, APdfFileThatCannotBeWrittenIsToldToTheUser)
{
    // No one, not even root, can make a file in /proc.
    RecordedEvents events(report);
    chooseInSaveDialog(QStringLiteral("/proc/sales.pdf"));
    QTest::mouseClick(control<QAbstractButton>(*preview(), "cmdSavePdf"), Qt::LeftButton);
    EXPECT_TRUE(events.said.isEmpty()) << "nothing was delivered";

    ASSERT_EQ(messages->said.size(), 1);
    EXPECT_TRUE(messages->said.first().startsWith(QStringLiteral("75 - "))) << messages->said.first().toStdString();
    EXPECT_TRUE(messages->said.first().contains(QStringLiteral("/proc/sales.pdf")));
    EXPECT_NE(preview(), nullptr) << "the preview stays open";
}

TEST_F(PreviewOfAReport, AnExistingPdfIsReplacedOnlyWhenTheUserSaysSoAndTheNextSaveStartsInItsFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("sales.pdf"));
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("an earlier report");
    existing.close();
    auto contents = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    messages->answer = false;
    chooseInSaveDialog(path);
    QTest::mouseClick(control<QAbstractButton>(*preview(), "cmdSavePdf"), Qt::LeftButton);
    EXPECT_EQ(messages->said, QStringList{QStringLiteral("File exists.  Overwrite file?")});
    EXPECT_EQ(contents(), QByteArray("an earlier report"));

    messages->said.clear();
    messages->answer = true;
    QString offered;
    chooseInSaveDialog(path, &offered);
    QTest::mouseClick(control<QAbstractButton>(*preview(), "cmdSavePdf"), Qt::LeftButton);
    EXPECT_EQ(offered, folder.filePath(QStringLiteral("Quarterly sales.pdf")));
    EXPECT_EQ(messages->said, QStringList{QStringLiteral("File exists.  Overwrite file?")});
    EXPECT_TRUE(contents().startsWith("%PDF-"));
}

} // namespace
