// SPDX-License-Identifier: 0BSD
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// Builds a small report definition with Quirepress, saves it, loads it into
// a second report and prints its outline: report-outline FILE.rdn

#include <quirepress/quirepress.h>

#include <QApplication>
#include <QTextStream>

#include <memory>

namespace {

class ConsoleMessages final : public quirepress::MessageBoxes {
public:
    bool askYesNo(const QString& text, const QString&) override
    {
        QTextStream(stderr) << text << '\n';
        return true;
    }
    void inform(const QString& text, const QString&) override { QTextStream(stderr) << text << '\n'; }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: report-outline FILE.rdn\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const auto messages = std::make_shared<ConsoleMessages>();
    try {
        quirepress::Report report(messages);
        QString name = QStringLiteral("Detail");
        const auto detail = report.AddSection(name);
        QString field = QStringLiteral("Total");
        const auto total = detail->AddField(field);
        total->setFieldType(quirepress::cFieldNumeric);
        total->setJustification(quirepress::cJustificationRight);
        total->setFieldLeft(9000);
        total->setFieldWidth(2000);
        report.setReportName(path);
        report.SaveReport();

        quirepress::Report loaded(messages);
        QString file = path;
        if (!loaded.LoadReport(file))
            return 1;
        QTextStream out(stdout);
        for (int i = 1; i <= loaded.SectionCount(); ++i) {
            const auto section = loaded.Section(i);
            out << section->SectionName() << '\n';
            for (int j = 1; j <= section->FieldCount(); ++j)
                out << "  " << section->Field(j)->FieldName() << " at " << section->Field(j)->FieldLeft() << '\n';
        }
    } catch (const quirepress::Error& error) {
        QTextStream(stderr) << error.source() << " " << error.number() << ": " << error.description() << '\n';
        return 1;
    }
    return 0;
}
