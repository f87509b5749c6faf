#include "windows/PageView.h"

#include "drawing/PainterSurface.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace quirepress::detail {

void PageView::setDrawing(const QPicture& drawing, QSize pagePixels)
{
    drawing_ = drawing;
    pagePixels_ = pagePixels;
    update();
}

void PageView::clear()
{
    drawing_.reset();
    update();
}

void PageView::paintEvent(QPaintEvent* event)
{
    if (!drawing_ || pagePixels_.isEmpty())
        return;
    // Drawn into an image of the screen page's resolution first: a QPicture
    // replayed on a device of another resolution (a screen set to 120 dots
    // an inch) resizes its fonts, and the text would leave its place.
    const QRect area = event->rect();
    QImage part(area.size(), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(ScreenPage::dotsPerInch / 0.0254);
    part.setDotsPerMeterX(dotsPerMetre);
    part.setDotsPerMeterY(dotsPerMetre);
    part.fill(Qt::white);
    {
        QPainter painter(&part);
        painter.translate(-area.topLeft());
        painter.scale(width() / double(pagePixels_.width()), height() / double(pagePixels_.height()));
        painter.drawPicture(0, 0, *drawing_);
    }
    QPainter(this).drawImage(area.topLeft(), part);
}

} // namespace quirepress::detail
