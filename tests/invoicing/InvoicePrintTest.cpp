// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The delivered invoice layout on paper: a long invoice printed on the CUPS
// queue "PDF" of cups-pdf (scripts/print-server.sh sets it up), read back
// word by word with the positions that pdftotext finds.

#include "PrintedPdf.h"
#include "SampleInvoice.h"

#include <quirepress/quirepress.h>

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace quirepress;
using namespace quillbill::testing;

namespace {

struct Word {
    QString text;
    double left;
    double right;
    double bottom;
};
using Page = QList<Word>;

// The words of every page, in points from the paper's top left corner.
QList<Page> wordsOf(const QString& pdf)
{
    const QString xml = toolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Page> pages;
    for (const QString& page : xml.split(QStringLiteral("<page ")).mid(1)) {
        Page words;
        for (const QRegularExpressionMatch& match : word.globalMatch(page))
            words.append({match.captured(4), match.captured(1).toDouble(), match.captured(2).toDouble(),
                          match.captured(3).toDouble()});
        pages.append(words);
    }
    return pages;
}

TEST(InvoicePrintTest, ALongInvoiceKeepsItsAmountsInOneColumnOnEveryPage)
{
    SKIP_WITHOUT_PDF_QUEUE();
    Report report;
    ASSERT_TRUE(report.LoadReport(deliveredInvoiceLayout()));
    // The job, and so the PDF file, is named after the report.
    const QTemporaryDir folder;
    const QString jobName = QStringLiteral("invoice-layout-%1-%2")
                                .arg(QCoreApplication::applicationPid())
                                .arg(QDateTime::currentMSecsSinceEpoch());
    report.setReportName(folder.filePath(jobName + QStringLiteral(".rdn")));
    report.setPrinterName(pdfQueue);
    report.setOutputTo(cOutputToPrinter);
    SampleInvoice invoice;
    invoice.jobs = sampleJobs(60, 30);
    const auto sums = report.Section(QStringLiteral("Detail"))->Field(QStringLiteral("Sums"));
    const double amountLeft = (report.LeftMargin() + sums->FieldLeft()) / 20.0;
    const double amountRight = amountLeft + sums->FieldWidth() / 20.0;
    printSampleInvoice(report, invoice);

    const QString pdf = printedFile(jobName);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF of the job in ~/PDF";
    const QList<Page> pages = wordsOf(pdf);
    ASSERT_EQ(pages.size(), 3);
    int amounts = 0;
    for (qsizetype number = 1; const Page& page : pages) {
        SCOPED_TRACE(number);
        const auto has = [&page](const QString& text) {
            return std::any_of(page.begin(), page.end(), [&text](const Word& w) { return w.text == text; });
        };
        EXPECT_TRUE(has(QStringLiteral("Description")) && has(QStringLiteral("Amount"))) << "column heading";
        EXPECT_TRUE(has(QStringLiteral("Page")) && has(QString::number(number))) << "page footer";
        for (const Word& amount : page) {
            if (!amount.text.startsWith(u'$'))
                continue;
            ++amounts;
            EXPECT_NEAR(amount.right, amountRight, 1.5) << amount.text.toStdString();
            for (const Word& beside : page) {
                if (!beside.text.startsWith(u'$') && std::abs(beside.bottom - amount.bottom) < 2) {
                    EXPECT_LT(beside.right, amountLeft) << beside.text.toStdString() << " runs into the amounts";
                }
            }
        }
        ++number;
    }
    EXPECT_EQ(amounts, 60 + 4);
}

} // namespace
