// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

// The invoicing windows as they open inside the main window on a 1280x1024
// screen: whole, with every text readable, in the language and at the size
// the desktop asks for (CTest runs this program in English and French, at
// normal and at twice the size).

#include "ProgramControls.h"
#include "TestProgram.h"
#include "shell/mainwindow/frmMain.h"
#include "shell/startup/ChildWindows.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

namespace quillbill::testing {
namespace {

// The controls of `window` whose text does not fit them, by objectName.
QStringList clippedTexts(QWidget* window)
{
    QStringList clipped;
    const auto fits = [](const QWidget* control, const QString& text, int room) {
        return control->fontMetrics().horizontalAdvance(text) <= room;
    };
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->isVisible() && !label->wordWrap() && label->width() < label->minimumSizeHint().width())
            clipped << label->objectName() + ": " + label->text();
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible() && !button->text().isEmpty() && button->width() < button->minimumSizeHint().width())
            clipped << button->objectName() + ": " + button->text();
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (!box->isVisible() || box->text().isEmpty() || box->parent()->inherits("QComboBox"))
            continue;
        QStyleOptionFrame frame;
        frame.initFrom(box);
        const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
        // Qt keeps a margin of two pixels on each side of the text.
        if (!fits(box, box->text(), room.width() - 4))
            clipped << box->objectName() + ": " + box->text();
    }
    for (const QComboBox* list : window->findChildren<QComboBox*>())
        if (list->isVisible() && list->width() < list->minimumSizeHint().width())
            clipped << list->objectName() + ": " + list->currentText();
    return clipped;
}

class WindowFit : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.exec("INSERT INTO TblCustomer (CustomerID, Company, Address, City, Prov, Postal, BillingCode) VALUES "
                     "(1, 'Boulangerie Saint-Jean-Baptiste inc.', '12 Rue Saint-Denis', 'Montréal', 'QC', "
                     "'H2X 3K8', 'BSJ')");
        program.exec("INSERT INTO TblBillingCodes (BillCode, InvoiceNumber) VALUES ('BSJ', 1040)");
        program.exec("INSERT INTO TblInvoice (InvoiceID, CustomerID, Date, Paid, PaidDate) VALUES "
                     "(1040, 1, '2026-09-30', -1, '2026-10-28')");
        program.exec("INSERT INTO TblJobs (CustomerID, InvoiceID, JobDescription, Sums) VALUES "
                     "(1, 1040, 'Réparation du four à sole', 12345000)");
        registerChildWindows(main, *program.app);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }

    // Opens the window of `kind` as its menu item does, and gives its frame.
    QMdiSubWindow* open(ChildKind kind)
    {
        main.openChild(kind);
        for (QMdiSubWindow* frame : main.childArea()->subWindowList())
            if (auto* child = qobject_cast<ChildWindow*>(frame->widget()); child && child->kind() == kind)
                return frame;
        return nullptr;
    }

    TestProgram program;
    frmMain main{*program.app};
};

TEST_F(WindowFit, EachInvoicingWindowOpensWholeAndReadableOnTheScreen)
{
    const QRect screen = main.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(main.frameGeometry()))
        << "main window " << main.frameGeometry().width() << "x" << main.frameGeometry().height() << " on "
        << screen.width() << "x" << screen.height();

    struct Case {
        ChildKind kind;
        const char* customerList;
    };
    for (const Case& c : {Case{ChildKind::AddInvoice, "cmbCustomerID"}, Case{ChildKind::Reprint, "cmbCustomerID"},
                          Case{ChildKind::InvoiceReports, nullptr}}) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        QMdiSubWindow* frame = open(c.kind);
        ASSERT_NE(frame, nullptr);
        QWidget* window = frame->widget();
        if (c.customerList)
            chooseInList(control<QComboBox>(window, c.customerList), "Boulangerie Saint-Jean-Baptiste inc.");
        if (c.kind == ChildKind::AddInvoice)
            QTest::mouseClick(control<QAbstractButton>(window, "cmdMakeInvoiceID"), Qt::LeftButton);
        // Once laid out again for what the window now shows.
        (void)QTest::qWaitFor([&] { return clippedTexts(window).isEmpty(); });
        QCoreApplication::processEvents();

        const QRect room = main.childArea()->viewport()->rect();
        EXPECT_TRUE(room.contains(frame->geometry()))
            << window->objectName().toStdString() << " is " << frame->width() << "x" << frame->height()
            << " in a room of " << room.width() << "x" << room.height();
        EXPECT_EQ(clippedTexts(window).join(u'|').toStdString(), "");
        frame->close();
    }
}

} // namespace
} // namespace quillbill::testing
