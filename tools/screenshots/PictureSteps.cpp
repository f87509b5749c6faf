// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "PictureSteps.h"

#include "FindControl.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTextStream>

#include <stdexcept>

namespace quillbill::screenshots {

using quillbill::testing::control;

void PrintedMessageBoxes::say(const QString& text) { QTextStream(stderr) << "message: " << text << '\n'; }

void writePicture(const QPixmap& picture, const QString& folder, const QString& name)
{
    const QString path = folder + '/' + name + ".png";
    // Quality 0 is the PNG writer's strongest compression: the pictures are
    // kept in the repository and shipped with the guide.
    if (!picture.save(path, "PNG", 0))
        throw std::runtime_error(("cannot write " + path).toStdString());
    QTextStream(stdout) << path << '\n';
}

void save(QWidget* widget, const QString& folder, const QString& name)
{
    QCoreApplication::processEvents();
    writePicture(widget->grab(), folder, name);
}

void chooseCustomer(QWidget* window, const QString& company)
{
    auto* list = control<QComboBox>(window, "cmbCustomerID");
    const int row = list->findText(company);
    if (row < 0)
        throw std::runtime_error(("no customer " + company).toStdString());
    list->setCurrentIndex(row);
    emit list->activated(row);
}

void typeInto(QWidget* window, const char* name, const QString& text)
{
    auto* box = control<QLineEdit>(window, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void addJob(QWidget* window, const QString& description, const QString& sum)
{
    control<QLineEdit>(window, "txtJobDescription")->setText(description);
    // Typed as the desktop writes amounts: "96,00" in French.
    control<QLineEdit>(window, "txtSums")->setText(QString(sum).replace(u'.', QLocale().decimalPoint()));
    control<QPushButton>(window, "cmdAddJob")->click();
}

QWidget* shownPreview()
{
    if (QWidget* preview = quillbill::testing::shownWindow("frmDisplay"))
        return preview;
    throw std::runtime_error("the preview did not open");
}

void chooseZoom(QWidget* preview, const QString& choice)
{
    auto* zoom = control<QComboBox>(preview, "cboZoom");
    zoom->setCurrentIndex(zoom->findText(choice));
    emit zoom->activated(zoom->currentIndex());
}

QWidget* topLevelWindow(const QString& objectName)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == objectName)
            return window;
    throw std::runtime_error(("no window " + objectName).toStdString());
}

void fillSampleMailPage(QWidget* window)
{
    control<QAction>(window, "mnuEmail")->trigger();
    auto* keyring = control<QLabel>(window, "lblKeyring");
    if (!QTest::qWaitFor([&] { return !keyring->text().isEmpty(); }, 30'000))
        throw std::runtime_error("the keyring's answer did not come");
    typeInto(window, "txtMailHost", "mail.tidywindows.example");
    typeInto(window, "txtMailUser", "office@tidywindows.example");
    typeInto(window, "txtMailPassword", "not-the-real-one");
    typeInto(window, "txtSenderName", "Tidy Windows Ltd.");
    typeInto(window, "txtSenderAddress", "office@tidywindows.example");
}

} // namespace quillbill::screenshots
