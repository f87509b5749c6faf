// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

// Finding and working the controls of the program's windows in tests, as a
// user does.

#include "FindControl.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace quillbill::testing {

// Opens the drop-down list and clicks `text` in it. Fails the test when the
// list has no such entry.
inline void chooseInList(QComboBox* list, const QString& text)
{
    const int row = list->findText(text);
    ASSERT_GE(row, 0) << text.toStdString();
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    // QtTest's own checks are not seen by GoogleTest: wait, then assert.
    ASSERT_TRUE(QTest::qWaitFor([view] { return !view->isVisible(); }));
}

} // namespace quillbill::testing
