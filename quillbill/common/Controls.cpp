// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "common/Controls.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

namespace quillbill {

QPushButton* makeButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QLineEdit* makeTextBox(const QString& name)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    return box;
}

QLabel* makeLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

void showFilledIn(QLineEdit* box, const QString& text)
{
    box->setText(text);
    // As QLineEdit sizes itself: two pixels each side of the text, its text
    // margins, then the frame the style draws.
    const QMargins margins = box->textMargins() + box->contentsMargins();
    const int textWidth = box->fontMetrics().horizontalAdvance(text) + 4 + margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const int width =
        box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(textWidth, box->height()), box).width();
    if (box->minimumWidth() < width)
        box->setMinimumWidth(width);
}

void centerOnScreen(QWidget* window)
{
    window->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QHBoxLayout* makeButtonRow(std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace quillbill
