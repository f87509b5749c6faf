// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The progress window of a report run, shown and clicked for real.

#include "windows/frmProgress.h"

#include "RecordedMessages.h"

#include <quirepress/Report.h>

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using quirepress::detail::frmProgress;

namespace {

QString progressText(frmProgress& window)
{
    auto* label = window.findChild<QLabel*>("lblProgress");
    return label ? label->text() : QStringLiteral("(no lblProgress)");
}

void clickCancel(frmProgress& window)
{
    auto* button = window.findChild<QPushButton*>("cmdCancel");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

TEST(ProgressWindow, ShowsThePageBeingProduced)
{
    frmProgress window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Quirepress Progress");
    EXPECT_EQ(progressText(window), "Page 1");
    window.showPage(3);
    EXPECT_EQ(progressText(window), "Page 3");
    window.showPage(120);
    EXPECT_EQ(progressText(window), "Page 120");
}

TEST(ProgressWindow, CancelAsksTheReportToStopWithoutBlocking)
{
    quirepress::Report report(std::make_shared<RecordedMessages>());
    frmProgress window;
    window.Report = &report;
    window.show();
    window.showPage(2);
    // The run goes on while the window is open.
    EXPECT_FALSE(window.isModal());
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(report.Cancel());

    clickCancel(window);
    EXPECT_TRUE(report.Cancel());
    EXPECT_EQ(progressText(window), "Cancelling...");
    EXPECT_TRUE(window.isVisible());
}

TEST(ProgressWindow, CancelWithoutAReportOnlyShowsCancelling)
{
    frmProgress window;
    window.show();
    clickCancel(window);
    EXPECT_EQ(progressText(window), "Cancelling...");
}

} // namespace
