// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The output dialog driven for real: each test leaves a queued call that
// clicks through the dialog once exec() has shown it, and a safety timer
// closes a dialog that the answer missed.

#include "windows/frmOutput.h"

#include "StoredSettings.h"
#include "WindowControls.h"

#include "output/ReportSettings.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <ostream>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using namespace quirepress;
using namespace quirepress::detail;

namespace {

const QString report = QStringLiteral("/home/ann/reports/invoice.rdn");

// A radio button takes clicks on its indicator and caption only, not on the
// empty rest of its row.
void clickOption(QWidget& window, const char* name)
{
    if (auto* option = control<QRadioButton>(window, name))
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void clickButton(QWidget& window, const char* name)
{
    if (auto* button = control<QPushButton>(window, name))
        QTest::mouseClick(button, Qt::LeftButton);
}

// Types the format into the closed list, which selects the item starting
// so. Letters typed soon after others continue their search, even from an
// earlier showing of the dialog; a pause first, as a person makes between
// two choices, starts a search of its own.
void chooseFormat(QWidget& window, const QString& format)
{
    if (auto* box = control<QComboBox>(window, "cboFile")) {
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
        QTest::keyClicks(box, format);
    }
}

// What the dialog shows: the checked target, the format and whether the
// format can be changed.
struct Shown {
    QString target;
    QString format;
    bool formatEnabled = false;
};

Shown shown(QWidget& window)
{
    Shown result;
    for (const char* name : {"optScreen", "optPrinter", "optFile", "optEmail"})
        if (auto* option = control<QRadioButton>(window, name); option && option->isChecked())
            result.target += QString::fromLatin1(name);
    if (auto* box = control<QComboBox>(window, "cboFile")) {
        result.format = box->currentText();
        result.formatEnabled = box->isEnabled();
    }
    return result;
}

class OutputDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        emptyStoredSettings();
        QObject::connect(&safety, &QTimer::timeout, &context, [this] {
            forcedClose = true;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
                    dialog->done(QDialog::Rejected);
        });
        safety.start(5000);
    }
    void TearDown() override { EXPECT_FALSE(forcedClose) << "a dialog stayed open until closed by force"; }

    // exec() with `answer` given the dialog once it is on screen.
    int run(frmOutput& dialog, std::function<void(frmOutput&)> answer)
    {
        QTimer::singleShot(0, &context, [&dialog, answer] {
            if (!dialog.isVisible())
                ADD_FAILURE() << "the dialog is not on screen";
            else
                answer(dialog);
        });
        return dialog.exec();
    }

    static OutputChoice stored(const QString& name) { return ReportSettings(name).readChoice(); }

    QObject context;
    QTimer safety;
    bool forcedClose = false;
};

TEST_F(OutputDialogTest, NewReportOpensOnScreenAsTextAndFormatFollowsTarget)
{
    frmOutput dialog;
    dialog.ReportName = report;
    Shown opened;
    QStringList formats;
    bool labelNamesList = false;
    std::vector<std::pair<const char*, bool>> enabledAfter;
    const int result = run(dialog, [&](frmOutput& window) {
        opened = shown(window);
        if (auto* box = control<QComboBox>(window, "cboFile")) {
            for (int i = 0; i < box->count(); ++i)
                formats << box->itemText(i);
            if (auto* label = control<QLabel>(window, "Label1"))
                labelNamesList = label->buddy() == box;
        }
        for (const char* name : {"optPrinter", "optFile", "optScreen", "optEmail", "optPrinter"}) {
            clickOption(window, name);
            enabledAfter.emplace_back(name, shown(window).formatEnabled);
        }
        clickButton(window, "cmdCancel");
    });

    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(dialog.bCancel);
    EXPECT_EQ(dialog.windowTitle(), "Quirepress Output");
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(opened.target, "optScreen");
    EXPECT_EQ(opened.format, "Text");
    EXPECT_FALSE(opened.formatEnabled);
    EXPECT_EQ(formats, QStringList({"HTML", "Text", "CSV"}));
    EXPECT_TRUE(labelNamesList);
    const std::vector<std::pair<const char*, bool>> expected = {{"optPrinter", false},
                                                                {"optFile", true},
                                                                {"optScreen", false},
                                                                {"optEmail", true},
                                                                {"optPrinter", false}};
    EXPECT_EQ(enabledAfter, expected);
    EXPECT_EQ(shown(dialog).target, "optPrinter");
}

TEST_F(OutputDialogTest, PrintRemembersTheChoiceForTheNextDialogOfTheReport)
{
    frmOutput first;
    first.ReportName = report;
    QString chosenFormat;
    const int printed = run(first, [&](frmOutput& window) {
        clickOption(window, "optEmail");
        chooseFormat(window, "HTML");
        chosenFormat = shown(window).format;
        clickButton(window, "cmdPrint");
    });
    EXPECT_EQ(printed, QDialog::Accepted);
    EXPECT_FALSE(first.bCancel);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(chosenFormat, "HTML");
    EXPECT_EQ(targetFor(first.choice()), cOutputToEmailHTML);
    EXPECT_EQ(stored(report).kind, OutputKind::Email);
    EXPECT_EQ(stored(report).fileType, "HTML");

    frmOutput second;
    second.ReportName = report;
    Shown reopened;
    run(second, [&](frmOutput& window) {
        reopened = shown(window);
        clickButton(window, "cmdCancel");
    });
    EXPECT_EQ(reopened.target, "optEmail");
    EXPECT_EQ(reopened.format, "HTML");
    EXPECT_TRUE(reopened.formatEnabled);

    // Another report has a choice of its own.
    frmOutput other;
    other.ReportName = "/home/ann/reports/statement.rdn";
    Shown otherOpened;
    run(other, [&](frmOutput& window) {
        otherOpened = shown(window);
        clickButton(window, "cmdCancel");
    });
    EXPECT_EQ(otherOpened.target, "optScreen");
    EXPECT_EQ(otherOpened.format, "Text");
}

TEST_F(OutputDialogTest, EveryWayOutButPrintCancelsAndLeavesTheStoredChoice)
{
    frmOutput dialog;
    dialog.ReportName = report;
    const auto leave = [&](const char* target, const char* format, const std::function<void(frmOutput&)>& out) {
        Shown opened;
        run(dialog, [&](frmOutput& window) {
            opened = shown(window);
            if (target)
                clickOption(window, target);
            if (format)
                chooseFormat(window, format);
            out(window);
        });
        EXPECT_FALSE(dialog.isVisible());
        return opened;
    };
    const auto cancel = [](frmOutput& window) { clickButton(window, "cmdCancel"); };
    const auto print = [](frmOutput& window) { clickButton(window, "cmdPrint"); };
    const auto enter = [](frmOutput& window) { QTest::keyClick(&window, Qt::Key_Return); };

    leave("optPrinter", nullptr, cancel);
    EXPECT_TRUE(dialog.bCancel);
    EXPECT_TRUE(storedSettings().allKeys().isEmpty());

    // Enter presses Print, even with Cancel the last button used.
    Shown opened = leave(nullptr, nullptr, enter);
    EXPECT_EQ(opened.target, "optScreen");
    EXPECT_FALSE(dialog.bCancel);
    EXPECT_EQ(targetFor(stored(report)), cOutputToScreen);

    leave("optEmail", nullptr, enter);
    EXPECT_FALSE(dialog.bCancel);
    EXPECT_EQ(targetFor(stored(report)), cOutputToEmailText);

    opened = leave("optFile", "CSV", print);
    EXPECT_EQ(opened.target, "optEmail");
    EXPECT_EQ(opened.format, "Text");
    EXPECT_FALSE(dialog.bCancel);
    EXPECT_EQ(targetFor(stored(report)), cOutputToCSVFile);

    leave("optScreen", nullptr, [](frmOutput& window) { QTest::keyClick(&window, Qt::Key_Escape); });
    EXPECT_TRUE(dialog.bCancel);
    EXPECT_EQ(targetFor(stored(report)), cOutputToCSVFile);

    // Showing again reads the stored choice, not what was cancelled.
    opened = leave("optPrinter", nullptr, [](frmOutput& window) { window.close(); });
    EXPECT_EQ(opened.target, "optFile");
    EXPECT_EQ(opened.format, "CSV");
    EXPECT_TRUE(dialog.bCancel);
    EXPECT_EQ(targetFor(stored(report)), cOutputToCSVFile);
}

TEST_F(OutputDialogTest, UnnamedReportOpensOnScreenAndRemembersNothing)
{
    // Where a report without a name would find settings if it looked.
    QSettings settings = storedSettings();
    settings.setValue("Screen", "False");
    settings.setValue("Email", "True");
    settings.setValue("FileType", "CSV");
    settings.sync();
    const QStringList planted = settings.allKeys();

    frmOutput dialog;
    Shown opened;
    const int result = run(dialog, [&](frmOutput& window) {
        opened = shown(window);
        clickOption(window, "optFile");
        chooseFormat(window, "CSV");
        clickButton(window, "cmdPrint");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(opened.target, "optScreen");
    EXPECT_EQ(opened.format, "Text");
    EXPECT_FALSE(dialog.bCancel);
    EXPECT_EQ(targetFor(dialog.choice()), cOutputToCSVFile);
    settings.sync();
    EXPECT_EQ(settings.allKeys(), planted);
    EXPECT_TRUE(settings.childGroups().isEmpty());
}

} // namespace
