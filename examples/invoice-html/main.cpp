// SPDX-License-Identifier: 0BSD
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Writes a small invoice as an HTML file with Quirepress: invoice-html FILE.html
//
// A QGuiApplication, not a QApplication: without widgets the engine opens no
// window (no progress, no dialogs, no browser) and only writes the file.

#include <quirepress/quirepress.h>

#include <QGuiApplication>
#include <QTextStream>

namespace {

// Places a text field; returns it so that the caller can style it further.
std::shared_ptr<quirepress::Field> addText(quirepress::Section& section, const QString& name, int32_t left,
                                           int32_t width, const QString& text = {})
{
    auto field = section.AddField(name);
    field->setFieldLeft(left);
    field->setFieldWidth(width);
    field->setFieldHeight(section.Height());
    field->setDefault_Value(text);
    field->setValue(text);
    return field;
}

struct Job {
    QString description;
    QString amount;
};

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: invoice-html FILE.html\n";
        return 2;
    }
    const QList<Job> jobs{{"Window cleaning, 12 panes", "144.00"},
                          {"Gutter clearing", "85.50"},
                          {"Call-out, Saturday", "40.00"}};
    try {
        quirepress::Report report;

        auto header = report.AddSection(QStringLiteral("Header"));
        header->setHeight(400);
        addText(*header, QStringLiteral("Company"), 0, 6000, QStringLiteral("Tidy Windows Ltd."))->setBold(true);
        addText(*header, QStringLiteral("Invoice"), 6000, 3000);

        // One table field holds the jobs: row 1 the column labels, then a
        // row per job. Set the counts first: they empty every cell.
        auto detail = report.AddSection(QStringLiteral("Jobs"));
        detail->setHeight(300);
        auto table = detail->AddField(QStringLiteral("Table"));
        table->setFieldType(quirepress::cFieldTable);
        table->setTableFirstRowLabel(true);
        table->setTableNumberCols(2);
        table->setTableNumberRows(static_cast<int16_t>(jobs.size() + 1));
        table->setCellValue(1, 1, QStringLiteral("Job"));
        table->setCellValue(2, 1, QStringLiteral("Amount"));
        for (int16_t row = 2; const Job& job : jobs) {
            table->setCellValue(1, row, job.description);
            table->setCellValue(2, row, QStringLiteral("$") + job.amount);
            ++row;
        }

        auto total = report.AddSection(QStringLiteral("Total"));
        total->setHeight(300);
        addText(*total, QStringLiteral("Label"), 0, 6000, QStringLiteral("Total due"));
        addText(*total, QStringLiteral("Sum"), 6000, 3000, QStringLiteral("$269.50"))->setBold(true);

        // A page footer prints at the foot of every page; in a file, once
        // at the end.
        auto footer = report.AddSection(QStringLiteral("PageFooter"));
        footer->setHeight(300);
        footer->setFooter(true);
        addText(*footer, QStringLiteral("Thanks"), 0, 9000, QStringLiteral("Thank you for your business."));

        report.setOutputTo(quirepress::cOutputToHTMLFile);
        report.setOutputFilename(QString::fromLocal8Bit(argv[1]));
        report.Section(QStringLiteral("Header"))->Field(QStringLiteral("Invoice"))->setValue("Invoice 1042");
        report.PrintSection(QStringLiteral("Header"));
        report.PrintSection(QStringLiteral("Jobs"));
        report.PrintSection(QStringLiteral("Total"));
        report.EndReport();
    } catch (const quirepress::Error& error) {
        QTextStream(stderr) << error.source() << " " << error.number() << ": " << error.description() << '\n';
        return 1;
    }
    return 0;
}
