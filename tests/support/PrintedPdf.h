// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// Jobs printed on the CUPS queue "PDF" of cups-pdf (scripts/print-server.sh
// sets it up), which writes each job as a PDF file into ~/PDF, named after
// the job.

#include <QDir>
#include <QDirIterator>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

namespace quillbill::testing {

inline const QString pdfQueue = QStringLiteral("PDF");

// Skips a printing test where the queue is not set up; where the tests must
// print (QUIREPRESS_REQUIRE_PRINTER is set), a missing queue fails it.
#define SKIP_WITHOUT_PDF_QUEUE()                                                                                       \
    do {                                                                                                               \
        if (!QPrinterInfo::availablePrinterNames().contains(quillbill::testing::pdfQueue)) {                           \
            if (qEnvironmentVariableIsSet("QUIREPRESS_REQUIRE_PRINTER"))                                               \
                FAIL() << "no CUPS queue \"PDF\": run scripts/print-server.sh";                                        \
            GTEST_SKIP() << "no CUPS queue \"PDF\"";                                                                   \
        }                                                                                                              \
    } while (false)

// What a command-line tool writes to its standard output.
inline QString toolOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF file of the job named `jobName`, once CUPS lists the job as
// completed (cups-pdf creates the file before it has written it); empty
// when none arrives within a minute.
inline QString printedFile(const QString& jobName)
{
    QString found;
    QString job;
    const QRegularExpression jobNumber(QStringLiteral("job_(\\d+)\\.pdf$"));
    const bool complete = QTest::qWaitFor(
        [&] {
            if (job.isEmpty()) {
                QDirIterator files(QDir::homePath() + QStringLiteral("/PDF"), {jobName + QStringLiteral("*.pdf")},
                                   QDir::Files);
                if (files.hasNext())
                    job = jobNumber.match(found = files.next()).captured(1);
            }
            const QString completed =
                toolOutput(QStringLiteral("lpstat"),
                           {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), pdfQueue});
            return !job.isEmpty()
                && completed.contains(QRegularExpression(QStringLiteral("^%1-%2\\s").arg(pdfQueue, job),
                                                         QRegularExpression::MultilineOption));
        },
        60000);
    return complete ? found : QString();
}

// The text of each page of a PDF file, laid out as on the page.
inline QStringList pageTexts(const QString& pdf)
{
    const int pages = toolOutput(QStringLiteral("pdfinfo"), {pdf})
                          .section(QStringLiteral("Pages:"), 1)
                          .section(u'\n', 0, 0)
                          .trimmed()
                          .toInt();
    QStringList texts;
    for (int page = 1; page <= pages; ++page)
        texts << toolOutput(QStringLiteral("pdftotext"),
                            {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                             QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    return texts;
}

} // namespace quillbill::testing
