// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Whole runs to the text, HTML and CSV files and the e-mail bodies: the
// exact bytes written, the file handed to the desktop at the end, and what
// happens when the file cannot be written or the user declines to name one.

#include "FileDialogAnswer.h"
#include "ReportRunSupport.h"

#include "output/ReportSettings.h"
#include "output/SectionLines.h"
#include "windows/frmProgress.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <vector>

using namespace quirepress;
using namespace runsupport;

namespace {

const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");

class FileOutputTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString path(const QString& name) const { return folder.filePath(name); }

    // A heading line, a detail of two lines and a page footer.
    void buildInvoiceList()
    {
        auto detail = addSection(report, QStringLiteral("Detail"), 480);
        addText(*detail, QStringLiteral("Name"), 0, 0, 1200, QStringLiteral("Apple"));
        addText(*detail, QStringLiteral("Price"), 1200, 0, 1200, QStringLiteral("12.50"), cJustificationRight);
        addText(*detail, QStringLiteral("Note"), 240, 240, 2400, QStringLiteral("ripe"));
        auto footer = addSection(report, QStringLiteral("Footer"), 240);
        footer->setFooter(true);
        addText(*footer, QStringLiteral("Page"), 2400, 0, 1200, QStringLiteral("{Page Number}"), cJustificationCentre);
    }

    QTemporaryDir folder;
    DesktopOpener opener;
    Report report{std::make_shared<RecordedMessages>()};
};

// A whole run of `report` to `file` as `target`: section `section` once.
void printOnce(Report& report, OutputOptions target, const QString& file, const QString& section)
{
    report.setOutputTo(target);
    report.setOutputFilename(file);
    report.PrintSection(section);
    report.EndReport();
}

// Lines as the file holds them, each ended by carriage return and line feed.
QByteArray crlfLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

TEST_F(FileOutputTest, TextFilePlacesFieldsInColumnsAndEndsWithTheFooter)
{
    buildInvoiceList();
    report.setOutputTo(cOutputToTextFile);
    const QString file = path(QStringLiteral("list.txt"));
    report.setOutputFilename(file);
    report.PrintSection(QStringLiteral("Detail"));
    auto detail = report.Section(QStringLiteral("Detail"));
    detail->Field(QStringLiteral("Name"))->setValue(QStringLiteral("Pear"));
    detail->Field(QStringLiteral("Price"))->setValue(QStringLiteral("3.00"));
    detail->Field(QStringLiteral("Note"))->setValue(QString());
    report.PrintSection(QStringLiteral("Detail"));
    report.EndReport();

    EXPECT_EQ(readAll(file),
              crlfLines({
                  QStringLiteral(" Apple          12.50"),
                  QStringLiteral("   ripe"),
                  QStringLiteral(" Pear            3.00"),
                  QStringLiteral("   "),
                  QString(26, u' ') + u'1',
              }));
    EXPECT_EQ(opener.opened(), QStringList{file});
    EXPECT_FALSE(report.Cancel());
    EXPECT_EQ(report.PageHeight(), 0);
    EXPECT_EQ(report.PageWidth(), 12000);
}

// Columns are counted in UTF-16 code units, as they always have been: an
// accented letter or the euro sign takes one, a character outside the Basic
// Multilingual Plane two. The file holds UTF-8, where those are two to four
// bytes; a column that falls inside a character must neither shift nor
// split it. Half of a pair that a later field cuts off shows as the
// replacement character U+FFFD, in the one column it takes.
TEST_F(FileOutputTest, TextColumnsCountCharactersOfAnyWidth)
{
    struct Placed {
        int32_t left;
        int32_t width;
        Justifications justification;
        bool limitSize;
        const char* value;
    };
    constexpr auto L = cJustificationLeft;
    constexpr auto R = cJustificationRight;
    constexpr auto C = cJustificationCentre;
    const struct {
        const char* what;
        std::vector<Placed> fields;
        const char* line;
    } cases[] = {
        {"accented letters take a column each",
         {{0, 1200, L, false, "Café"}, {1200, 1200, L, false, "Zoë"}},
         " Café      Zoë"},
        {"a right-justified euro amount ends at the field's edge", {{0, 1200, R, false, "€12"}}, "        €12"},
        {"centred", {{0, 1200, C, false, "é€"}}, "     é€"},
        {"a character outside the BMP takes two columns", {{0, 1200, R, false, "𝄞ab"}}, "       𝄞ab"},
        {"a field right after such a character", {{0, 1200, L, false, "𝄞"}, {240, 600, L, false, "x"}}, " 𝄞x"},
        {"a limited field keeps whole characters", {{0, 360, L, true, "Crème"}}, " Crè"},
        {"a later field overwrites after accented letters",
         {{0, 2400, L, false, "Crème brûlée"}, {360, 600, L, false, "XY"}},
         " CrèXY brûlée"},
        {"an overwritten accented letter goes whole",
         {{0, 2400, L, false, "naïve café"}, {240, 600, L, false, "__"}},
         " na__e café"},
        {"an overwritten euro sign goes whole", {{0, 2400, L, false, "1€ 2€"}, {120, 600, L, false, "X"}}, " 1X 2€"},
        {"a field that starts inside a pair", {{0, 2400, L, false, "a𝄞b"}, {240, 600, L, false, "X"}}, " a\uFFFDXb"},
        {"a field that ends inside a pair", {{0, 2400, L, false, "ab𝄞c"}, {240, 600, L, false, "X"}}, " abX\uFFFDc"},
        {"a value cut inside a pair by the next field",
         {{0, 2400, L, false, "a𝄞"}, {240, 600, L, false, "XYZ"}},
         " a\uFFFDXYZ"},
        {"a limited field cut inside a pair", {{0, 360, L, true, "ab𝄞"}, {600, 600, L, false, "z"}}, " ab\uFFFD  z"},
        {"a limited field cut inside a pair at the line's end", {{0, 360, L, true, "ab𝄞"}}, " ab\uFFFD"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        Report text{std::make_shared<RecordedMessages>()};
        auto line = addSection(text, QStringLiteral("Line"), 240);
        int number = 0;
        for (const Placed& placed : row.fields) {
            auto field = addText(*line, QStringLiteral("F%1").arg(++number), placed.left, 0, placed.width,
                                 QString::fromUtf8(placed.value), placed.justification);
            field->setLimitSize(placed.limitSize);
        }
        const QString file = path(QStringLiteral("columns.txt"));
        printOnce(text, cOutputToTextFile, file, QStringLiteral("Line"));
        EXPECT_EQ(readAll(file), QByteArray(row.line) + "\r\n");
    }
}

TEST_F(FileOutputTest, HtmlFileIsOneBorderlessTableARowWithCellsAndAttributes)
{
    auto line = addSection(report, QStringLiteral("Line"), 240);
    auto name = addText(*line, QStringLiteral("Name"), 0, 0, 6000, QStringLiteral("Café <B>crème</B>"));
    name->setSize(12);
    auto total = addText(*line, QStringLiteral("Total"), 6000, 0, 6000, QStringLiteral("12 & 13"), cJustificationRight);
    total->setSize(16);
    total->setBold(true);
    total->setItalics(true);
    total->setUnderline(true);
    total->setForeColour(0xFF0000);
    total->setBackColour(0x00FFFF);
    total->setFont(QStringLiteral("Arial Black"));
    const QString file = path(QStringLiteral("list.html"));
    printOnce(report, cOutputToHTMLFile, file, QStringLiteral("Line"));

    EXPECT_EQ(
        readAll(file),
        bom
            + crlfLines({
                QStringLiteral("<HTML>"),
                QStringLiteral("<BODY>"),
                QStringLiteral("<TABLE border=0><TR><TD width=0></TD>"
                               "<TD WIDTH=400 ALIGN=left><FONT face=\"Arial\" Size=2>Café <B>crème</B></FONT></TD>"
                               "<TD WIDTH=400 ALIGN=right><FONT face=\"Arial Black\" color=0000FF "
                               "style=\"BACKGROUND-COLOR: #FFFF00\" Size=4><B><I><U>12 & 13</U></I></B></FONT></TD>"
                               "</TR></TABLE>"),
                QStringLiteral("</BODY>"),
                QStringLiteral("</HTML>"),
            }));
    EXPECT_EQ(opener.opened(), QStringList{file});
}

TEST_F(FileOutputTest, HtmlValuesThatAreTextShowAsTypedInsideTheFieldsOwnMarkup)
{
    auto line = addSection(report, QStringLiteral("Line"), 240);
    auto name = addText(*line, QStringLiteral("Name"), 0, 0, 6000, QStringLiteral("O'Brien & Sons <Ltd> \"24\""));
    name->setBold(true);
    report.setHtmlValuesAreText(true);
    const QString file = path(QStringLiteral("text.html"));
    printOnce(report, cOutputToHTMLFile, file, QStringLiteral("Line"));

    EXPECT_TRUE(readAll(file).contains("<B>O'Brien &amp; Sons &lt;Ltd&gt; &quot;24&quot;</B>"))
        << readAll(file).toStdString();
}

// A font name comes from a definition file, which anyone may have written:
// it stays inside its attribute, whatever it holds, and makes no markup.
TEST_F(FileOutputTest, AFontNameIsEscapedInsideItsAttribute)
{
    const struct {
        const char* font;
        const char* face;
    } rows[] = {
        {"\"><script>alert(1)</script>", "&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;"},
        {"Tom's & Jerry's", "Tom&#39;s &amp; Jerry&#39;s"},
        {"Arial", "Arial"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.font);
        Report html{std::make_shared<RecordedMessages>()};
        auto line = addSection(html, QStringLiteral("Line"), 240);
        addText(*line, QStringLiteral("Name"), 0, 0, 6000, QStringLiteral("x"))->setFont(QString::fromUtf8(row.font));
        const QString file = path(QStringLiteral("font.html"));
        printOnce(html, cOutputToHTMLFile, file, QStringLiteral("Line"));
        EXPECT_EQ(readAll(file),
                  bom
                      + crlfLines({QStringLiteral("<HTML>"), QStringLiteral("<BODY>"),
                                   QStringLiteral("<TABLE border=0><TR><TD width=0></TD><TD WIDTH=800 ALIGN=left>"
                                                  "<FONT face=\"%1\" Size=2>x</FONT></TD></TR></TABLE>")
                                       .arg(QString::fromUtf8(row.face)),
                                   QStringLiteral("</BODY>"), QStringLiteral("</HTML>")}));
    }
}

TEST_F(FileOutputTest, CsvFileSeparatesValuesAndQuotesOnlyWhereASpreadsheetNeedsIt)
{
    auto row = addSection(report, QStringLiteral("Row"), 480);
    addText(*row, QStringLiteral("C"), 2000, 0, 900, QStringLiteral("b"));
    addText(*row, QStringLiteral("A"), 0, 0, 900, QStringLiteral("a"));
    addText(*row, QStringLiteral("B"), 1000, 0, 900, QString());
    addText(*row, QStringLiteral("D"), 0, 240, 900, QString());
    addText(*row, QStringLiteral("E"), 1000, 240, 900, QStringLiteral("Smith, \"Jo\""));
    addText(*row, QStringLiteral("F"), 2000, 240, 900, QStringLiteral("Zoë"));
    const QString file = path(QStringLiteral("list.csv"));
    printOnce(report, cOutputToCSVFile, file, QStringLiteral("Row"));

    // Fields come out from left to right whatever their order in the section;
    // an empty first value leaves no separator behind.
    EXPECT_EQ(readAll(file), bom + crlfLines({QStringLiteral("a,,b"), QStringLiteral("\"Smith, \"\"Jo\"\"\",Zoë")}));
    EXPECT_EQ(opener.opened(), QStringList{file});
}

TEST_F(FileOutputTest, ATableInACsvFileIsOnePieceOfAllRowsEachOnItsOwnLine)
{
    constexpr int16_t rows = 40;
    auto body = addSection(report, QStringLiteral("Body"), 240);
    QString tableName = QStringLiteral("Table");
    auto table = body->AddField(tableName);
    table->setFieldType(cFieldTable);
    table->setFieldTop(200);
    table->setTableNumberRows(rows);
    table->setTableNumberCols(2);
    QStringList lines;
    for (int16_t row = 1; row <= rows; ++row) {
        table->setCellValue(1, row, QStringLiteral("a%1").arg(row));
        table->setCellValue(2, row, QStringLiteral("b%1").arg(row));
        lines << QStringLiteral("a%1,b%1").arg(row);
    }
    report.setOutputTo(cOutputToCSVFile);
    const QString file = path(QStringLiteral("table.csv"));
    report.setOutputFilename(file);
    report.PrintSection(QStringLiteral("Body"));
    report.PrintSection(QStringLiteral("Body"));
    report.EndReport();

    // The line above the table (its top is 200 twips down) stays empty; no
    // border line is written.
    const QByteArray once = crlfLines(QStringList{QString()} + lines);
    EXPECT_EQ(readAll(file), bom + once + once);
    EXPECT_EQ(report.SectionCount(), 1) << "the temporary table section is removed";
    EXPECT_EQ(body->FieldCount(), 1);
}

TEST_F(FileOutputTest, AFieldBelowATableComesOnItsOwnLineAfterTheRows)
{
    auto body = addSection(report, QStringLiteral("Body"), 480);
    QString tableName = QStringLiteral("Table");
    auto table = body->AddField(tableName);
    table->setFieldType(cFieldTable);
    table->setFieldTop(200);
    table->setTableNumberRows(3);
    table->setTableNumberCols(2);
    for (int16_t row = 1; row <= 3; ++row) {
        table->setCellValue(1, row, QStringLiteral("a%1").arg(row));
        table->setCellValue(2, row, QStringLiteral("b%1").arg(row));
    }
    addText(*body, QStringLiteral("Below"), 0, 300, 1200, QStringLiteral("BELOW"));
    // The field is 100 twips below the table's top: it keeps that distance
    // below the last row, which puts it on the next line, and not into the
    // row.
    printOnce(report, cOutputToCSVFile, path(QStringLiteral("below.csv")), QStringLiteral("Body"));
    report.CloseWindow();
    EXPECT_EQ(readAll(path(QStringLiteral("below.csv"))), bom + crlfLines({"", "a1,b1", "a2,b2", "a3,b3", "BELOW"}));

    printOnce(report, cOutputToTextFile, path(QStringLiteral("below.txt")), QStringLiteral("Body"));
    const QList<QByteArray> lines = readAll(path(QStringLiteral("below.txt"))).split('\n');
    ASSERT_EQ(lines.size(), 6); // five lines and what follows the last line end
    EXPECT_TRUE(lines[3].contains("a3") && lines[3].contains("b3")) << lines[3].toStdString();
    EXPECT_FALSE(lines[3].contains("BELOW"));
    EXPECT_EQ(lines[4], " BELOW\r");
}

TEST_F(FileOutputTest, EmailBodiesHoldTheLinesOfTheirFormAndGoToTheMailProgram)
{
    RecordingProgram mail(QStringLiteral("xdg-email"));
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("A"), 0, 0, 1200, QStringLiteral("one"));
    addText(*line, QStringLiteral("B"), 1200, 0, 1200, QStringLiteral("two"));
    report.setReportName(QStringLiteral("/home/ann/reports/simple.rdn"));
    report.setEmailRecipient(QStringLiteral("ann@example.com"));
    const struct {
        OutputOptions target;
        QString body;
    } cases[] = {
        {cOutputToEmailText, QStringLiteral(" one       two\r\n")},
        {cOutputToEmailCSV, QStringLiteral("one,two\r\n")},
    };
    int sent = 0;
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.target);
        report.CloseWindow();
        report.setOutputTo(expected.target);
        report.PrintSection(QStringLiteral("Line"));
        report.EndReport();
        EXPECT_TRUE(runOf(report).emailBody().isEmpty()) << "a body handed over is emptied";
        ++sent;
        const QStringList call = mail.calls(sent).value(sent - 1);
        EXPECT_EQ(call, (QStringList{"--utf8", "--subject", "simple", "--body", expected.body, "ann@example.com"}));
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "no file is written for e-mail";
}

TEST_F(FileOutputTest, AnHtmlEmailShowsTheReportRenderedWithTheDocumentAttached)
{
    RecordingProgram mail(QStringLiteral("xdg-email"));
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("A"), 0, 0, 1200, QStringLiteral("one"));
    addText(*line, QStringLiteral("B"), 1200, 0, 1200, QStringLiteral("two"));
    report.setEmailSubject(QStringLiteral("March invoices"));
    report.setOutputTo(cOutputToEmailHTML);
    const QString body = QStringLiteral("<HTML>\r\n<BODY>\r\n<TABLE border=0><TR><TD width=0></TD>"
                                        "<TD WIDTH=80 ALIGN=left><FONT face=\"Arial\" Size=2>one</FONT></TD>"
                                        "<TD WIDTH=720 ALIGN=left><FONT face=\"Arial\" Size=2>two</FONT></TD>"
                                        "</TR></TABLE>\r\n</BODY>\r\n</HTML>\r\n");
    report.PrintSection(QStringLiteral("Line"));
    EXPECT_TRUE(runOf(report).emailBody().startsWith(QStringLiteral("<HTML>\r\n<BODY>\r\n")));
    report.EndReport();

    const QStringList call = mail.calls().value(0);
    ASSERT_EQ(call.size(), 7);
    EXPECT_EQ(call.mid(0, 3), (QStringList{"--utf8", "--subject", "March invoices"}));
    EXPECT_EQ(call[3], QStringLiteral("--body"));
    EXPECT_FALSE(call[4].contains(u'<')) << "the text is rendered, not markup";
    EXPECT_TRUE(call[4].contains(QStringLiteral("one")) && call[4].contains(QStringLiteral("two")));
    EXPECT_EQ(call[5], QStringLiteral("--attach"));
    EXPECT_EQ(readAll(call[6]), bom + body.toUtf8());

    // The mail program reads the document later; a second message of the
    // same subject must not replace it, and other users must not read it.
    line->Field(QStringLiteral("A"))->setValue(QStringLiteral("three"));
    report.PrintSection(QStringLiteral("Line"));
    report.EndReport();
    const QString second = mail.calls(2).value(1).value(6);
    ASSERT_FALSE(second.isEmpty());
    EXPECT_NE(second, call[6]);
    EXPECT_EQ(readAll(call[6]), bom + body.toUtf8());
    EXPECT_TRUE(readAll(second).contains("three"));
    for (const QString& attached : {call[6], second}) {
        EXPECT_FALSE(QFileInfo(attached).fileName().contains(QStringLiteral("March"))) << attached.toStdString();
        EXPECT_NE(QFileInfo(attached).absolutePath(), QDir::tempPath()) << "not in the folder every user shares";
        EXPECT_EQ(QFileInfo(attached).absolutePath() + u'/', ReportPrivate::of(report)->temporaryFolder);
        QFile::remove(attached);
    }
}

TEST_F(FileOutputTest, WithoutAMailProgramTheRunEndsAndError10000KeepsTheBody)
{
    // Nothing but an empty folder on PATH.
    QTemporaryDir empty;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", empty.path().toLocal8Bit());
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("A"), 0, 0, 1200, QStringLiteral("one"));
    report.setOutputTo(cOutputToEmailText);
    report.PrintSection(QStringLiteral("Line"));
    int number = 0;
    QString source;
    try {
        report.EndReport();
    } catch (const Error& error) {
        number = error.number();
        source = error.source();
    }
    qputenv("PATH", oldPath);
    EXPECT_EQ(number, 10000);
    EXPECT_EQ(source, QStringLiteral("Quirepress-SendEmail"));
    EXPECT_EQ(runOf(report).emailBody(), QStringLiteral(" one\r\n"));
    EXPECT_FALSE(progressOf(report)->isVisible()) << "the run has ended all the same";
}

TEST_F(FileOutputTest, TheOpenerIsGivenTheFileNameAsItIsOrTheRunSaysItHasNone)
{
    // The opener is started through a shell: nothing in a name may be read
    // as the shell's own.
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("A"), 0, 0, 1200, QStringLiteral("one"));
    report.setOutputTo(cOutputToTextFile);
    const QString file = path(QStringLiteral("it's \"$HOME\" `ls` & *; März.txt"));
    report.setOutputFilename(file);
    report.PrintSection(QStringLiteral("Line"));
    report.EndReport();
    EXPECT_EQ(opener.opened(), QStringList{file});

    QTemporaryDir empty;
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", empty.path().toLocal8Bit());
    const QString second = path(QStringLiteral("second.txt"));
    report.CloseWindow();
    report.setOutputTo(cOutputToTextFile);
    report.setOutputFilename(second);
    report.PrintSection(QStringLiteral("Line"));
    int number = 0;
    try {
        report.EndReport();
    } catch (const Error& error) {
        number = error.number();
    }
    qputenv("PATH", oldPath);
    EXPECT_EQ(number, 53);
    EXPECT_EQ(readAll(second), crlfLines({QStringLiteral(" one")})) << "the file is written all the same";
}
TEST_F(FileOutputTest, AnExistingOutputFileIsReplacedNotAppendedTo)
{
    const QString file = path(QStringLiteral("old.txt"));
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("yesterday's report, much longer than today's\r\n");
    old.close();
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("A"), 0, 0, 1200, QStringLiteral("today"));
    printOnce(report, cOutputToTextFile, file, QStringLiteral("Line"));
    EXPECT_EQ(readAll(file), crlfLines({QStringLiteral(" today")}));
}

TEST_F(FileOutputTest, AFileThatCannotBeWrittenIsAnErrorNotASilentLoss)
{
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("A"), 0, 0, 1200, QString(200, u'x'));
    report.setOutputTo(cOutputToTextFile);
    report.setOutputFilename(path(QStringLiteral("no such folder/list.txt")));
    try {
        report.PrintSection(QStringLiteral("Line"));
        report.EndReport();
        ADD_FAILURE() << "a file in a missing folder was reported written";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), 75);
        EXPECT_TRUE(error.description().contains(QStringLiteral("no such folder/list.txt")));
    }
    EXPECT_TRUE(opener.nothingOpened());
}

// A full disk part way through a run, of each target that writes a file:
// the run fails naming the file and the cause, the file of that name from
// before stays as it was, and no piece of the new one is left beside it.
TEST_F(FileOutputTest, AFullDiskPartWayThroughARunIsReportedAndTheEarlierFileKept)
{
    const struct {
        OutputOptions target;
        const char* name;
    } rows[] = {
        {cOutputToTextFile, "list.txt"},
        {cOutputToHTMLFile, "list.html"},
        {cOutputToCSVFile, "list.csv"},
        {cOutputToPDFFile, "list.pdf"},
    };
    // No file may grow beyond 16 KiB: writing past it fails as a full disk
    // does, with EFBIG instead of ENOSPC.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 16 * 1024;
    const QByteArray earlier = "yesterday's report\r\n";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString file = path(QString::fromLatin1(row.name));
        {
            QFile before(file);
            ASSERT_TRUE(before.open(QIODevice::WriteOnly));
            before.write(earlier);
        }
        Report big{std::make_shared<RecordedMessages>()};
        auto line = addSection(big, QStringLiteral("Line"), 240);
        addText(*line, QStringLiteral("A"), 0, 0, 9000, QStringLiteral("a long line ").repeated(20));
        big.setOutputTo(row.target);
        big.setOutputFilename(file);
        std::optional<Error> failed;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        try {
            for (int detail = 0; detail < 2000; ++detail)
                big.PrintSection(QStringLiteral("Line"));
            big.EndReport();
        } catch (const Error& error) {
            failed = error;
        }
        setrlimit(RLIMIT_FSIZE, &old);
        ASSERT_TRUE(failed.has_value()) << "the run was reported written";
        EXPECT_EQ(failed->number(), 75);
        EXPECT_TRUE(failed->description().contains(file)) << failed->description().toStdString();
        EXPECT_TRUE(failed->description().contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
            << failed->description().toStdString();
        EXPECT_EQ(readAll(file), earlier);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QString::fromLatin1(row.name)})
            << "no piece of the new file";
        QFile::remove(file);
    }
    EXPECT_TRUE(opener.nothingOpened());
}

TEST_F(FileOutputTest, WithoutAFileNameTheUserNamesTheFileAndItIsRemembered)
{
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("A"), 0, 0, 1200, QStringLiteral("x"));
    report.setReportName(path(QStringLiteral("sales.rdn")));
    report.setOutputTo(cOutputToCSVFile);
    const QString chosen = path(QStringLiteral("sales.csv"));
    answerFileDialog(chosen);
    report.PrintSection(QStringLiteral("Line"));
    report.EndReport();
    EXPECT_EQ(report.OutputFilename(), chosen);
    EXPECT_EQ(readAll(chosen), bom + crlfLines({QStringLiteral("x")}));
    EXPECT_EQ(detail::ReportSettings(report.ReportName()).readFileName(QStringLiteral("csv")), chosen);
}

TEST_F(FileOutputTest, DecliningToNameTheFileCancelsTheRunAndEndReportResetsCancel)
{
    auto line = addSection(report, QStringLiteral("Line"), 240);
    addText(*line, QStringLiteral("A"), 0, 0, 1200, QStringLiteral("x"));
    report.setOutputTo(cOutputToHTMLFile);
    answerFileDialog(QString());
    report.PrintSection(QStringLiteral("Line"));
    EXPECT_TRUE(report.Cancel());
    report.PrintSection(QStringLiteral("Line"));
    report.EndReport();
    EXPECT_FALSE(report.Cancel());
    EXPECT_TRUE(report.OutputFilename().isEmpty());
    EXPECT_TRUE(opener.nothingOpened());
}

TEST_F(FileOutputTest, PlaceholdersAreWholeValuesOnly)
{
    auto line = addSection(report, QStringLiteral("Line"), 720);
    addText(*line, QStringLiteral("Page"), 0, 0, 1200, QStringLiteral("{Page Number}"));
    addText(*line, QStringLiteral("Words"), 0, 240, 1200, QStringLiteral("Page {Page Number}"));
    addText(*line, QStringLiteral("Date"), 0, 480, 1200, QStringLiteral("{Print Date}"));
    const QString file = path(QStringLiteral("placeholders.csv"));
    printOnce(report, cOutputToCSVFile, file, QStringLiteral("Line"));
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(readAll(file),
              bom + crlfLines({QStringLiteral("1"), QStringLiteral("Page {Page Number}"), detail::csvValue(today)}));
}

} // namespace
