// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/tips/ProgramIdentity.h"

#include "common/Controls.h"
#include "common/ProgramInfo.h"

#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

namespace quillbill {

namespace {

const QColor markColour(0x1f, 0x6b, 0x3a);

QFont markFont(int pixelSize)
{
    QFont font(QStringLiteral("Arial Black"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Black);
    return font;
}

} // namespace

QLabel* makeProgramMark()
{
    QLabel* mark = makeLabel("imgMark", QStringLiteral("$"));
    mark->setFont(markFont(96));
    mark->setStyleSheet(QStringLiteral("color: %1;").arg(markColour.name()));
    mark->setAlignment(Qt::AlignCenter);
    mark->setAccessibleName(ProgramInfo::title);
    return mark;
}

QIcon programIcon()
{
    // The desktop menu's icon, built in. A file is read only when its size
    // is first drawn, and no font is looked up for it at start-up.
    QIcon icon;
    for (const int size : {48, 256})
        icon.addFile(QStringLiteral(":/icons/quillbill-%1.png").arg(size), QSize(size, size));
    return icon;
}

QWidget* makeVersionRecordPanel()
{
    using namespace ProgramInfo;
    auto* panel = new QWidget;
    QLabel* lblTitle = makeLabel("lblTitle", title);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    //: The about box and the splash: %1 is the company's name, %2 its copyright notice.
    QLabel* lblCompany = makeLabel(
        "lblCompany",
        QCoreApplication::translate("quillbill::ProgramIdentity", "%1, %2").arg(companyName(), legalNotice()));
    lblCompany->setWordWrap(true);

    auto* layout = new QGridLayout(panel);
    layout->setHorizontalSpacing(24);
    layout->addWidget(makeProgramMark(), 0, 0, 4, 1);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(makeLabel("lblVersion", versionText()), 1, 1);
    layout->addWidget(makeLabel("lblPlatform", comments()), 2, 1);
    layout->addWidget(lblCompany, 3, 1);
    layout->setColumnMinimumWidth(1, 320);
    return panel;
}

} // namespace quillbill
