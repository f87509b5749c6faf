#include "shell/tips/ProgramMark.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

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
    auto* mark = new QLabel(QStringLiteral("$"));
    mark->setObjectName("imgMark");
    mark->setFont(markFont(96));
    mark->setStyleSheet(QStringLiteral("color: %1;").arg(markColour.name()));
    mark->setAlignment(Qt::AlignCenter);
    mark->setAccessibleName(QStringLiteral("Quillbill"));
    return mark;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setPen(markColour);
        painter.setFont(markFont(size));
        painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("$"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace quillbill
