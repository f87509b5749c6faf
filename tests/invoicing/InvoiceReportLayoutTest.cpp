// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The delivered invoice report layout: the sections and fields the grouped
// driver fills, on A4 and on Letter paper.

#include "LayoutBounds.h"
#include "TestProgram.h"

#include "app/ProgramReport.h"

#include <quirepress/quirepress.h>

#include <gtest/gtest.h>

namespace quillbill::testing {
namespace {

std::unique_ptr<quirepress::Report> deliveredReportLayout(const TestProgram& program)
{
    program.installDeliveredReports();
    auto report = std::make_unique<quirepress::Report>(newProgramReport(program.app->messages));
    EXPECT_TRUE(report->LoadReport(program.app->path(QStringLiteral("Reports/report.rdn"))));
    return report;
}

TEST(InvoiceReportLayout, HasTheDriversFieldsWithinTheMarginsAndAmountsInOneColumn)
{
    TestProgram program;
    const auto report = deliveredReportLayout(program);
    // Printed under exactly these names, which the page footer's placement
    // compares as they are.
    const QStringList totals{"GST", "PST", "GrandTotal", "Paid", "Balance"};
    const auto totalsOf = [&totals](const QString& prefix, QStringList fields) {
        for (const QString& total : totals)
            fields << "txt" + prefix + total;
        return fields << "lbl" + prefix + "GST"
                      << "lbl" + prefix + "PST";
    };
    const QList<std::pair<QString, QStringList>> filled{{"Header", {"lblChoices"}},
                                                        {"PageHeader", {}},
                                                        {"groupheader", {"author"}},
                                                        {"detail", {"InvoiceNo", "InvoiceDate", "Title", "Year"}},
                                                        {"discount", {"lblDiscount", "txtDiscount"}},
                                                        {"groupfooter", totalsOf("Group", {"bookcount"})},
                                                        {"reportfooter", totalsOf("Report", {"txtReportAmount"})}};
    for (const auto& [name, fields] : filled) {
        SCOPED_TRACE(name.toStdString());
        std::shared_ptr<quirepress::Section> section;
        ASSERT_NO_THROW(section = report->Section(name));
        EXPECT_EQ(section->SectionName(), name);
        EXPECT_FALSE(section->Footer());
        for (const QString& field : fields)
            EXPECT_NO_THROW(section->Field(field)) << field.toStdString();
    }
    EXPECT_TRUE(report->Section(QStringLiteral("PageFooter"))->Footer());

    for (const int32_t paperWidth : {11906 /* A4 */, 12240 /* Letter */})
        expectFieldsWithinPaper(*report, paperWidth);

    const auto year = report->Section(QStringLiteral("detail"))->Field(QStringLiteral("Year"));
    for (const auto& [section, field] : {std::pair{"PageHeader", "lblAmount"},
                                         {"groupfooter", "bookcount"},
                                         {"groupfooter", "txtGroupBalance"},
                                         {"reportfooter", "txtReportAmount"},
                                         {"reportfooter", "txtReportBalance"},
                                         {"discount", "txtDiscount"}}) {
        const auto amount = report->Section(QLatin1String(section))->Field(QLatin1String(field));
        EXPECT_EQ(amount->FieldLeft() + amount->FieldWidth(), year->FieldLeft() + year->FieldWidth()) << field;
        EXPECT_EQ(amount->Justification(), quirepress::cJustificationRight) << field;
    }
    EXPECT_EQ(year->Justification(), quirepress::cJustificationRight);
    // The engine does not wrap a value: only the cut keeps a long
    // description out of the amounts.
    const auto title = report->Section(QStringLiteral("detail"))->Field(QStringLiteral("Title"));
    EXPECT_LT(title->FieldLeft() + title->FieldWidth(), year->FieldLeft());
    EXPECT_TRUE(title->LimitSize());
}

} // namespace
} // namespace quillbill::testing
