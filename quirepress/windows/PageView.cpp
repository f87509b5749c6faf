// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "windows/PageView.h"

#include "drawing/PageSteps.h"
#include "drawing/PainterSurface.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace quirepress::detail {

void PageView::setDrawing(const QByteArray& steps, QSize pagePixels)
{
    steps_ = steps;
    pagePixels_ = pagePixels;
    update();
}

void PageView::clear()
{
    steps_.reset();
    update();
}

void PageView::paintEvent(QPaintEvent* event)
{
    if (!steps_ || pagePixels_.isEmpty())
        return;
    // Drawn into an image of the screen page's resolution first, so that
    // the page looks the same whatever the resolution of the screen.
    const QRect area = event->rect();
    QImage part(area.size(), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(ScreenPage::dotsPerInch / 0.0254);
    part.setDotsPerMeterX(dotsPerMetre);
    part.setDotsPerMeterY(dotsPerMetre);
    part.fill(Qt::white);
    {
        QTransform view;
        view.translate(-area.x(), -area.y());
        view.scale(width() / double(pagePixels_.width()), height() / double(pagePixels_.height()));
        // Lines are a dot of the page at 100% wide, and grow with the zoom.
        PainterSurface surface(&part, ScreenPage::dotsPerInch, &fonts_, view);
        // A damaged page shows what could be read of it.
        drawSteps(*steps_, surface);
    }
    QPainter(this).drawImage(area.topLeft(), part);
}

} // namespace quirepress::detail
