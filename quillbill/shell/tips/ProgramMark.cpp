#include "shell/tips/ProgramMark.h"

#include <QFont>
#include <QLabel>

namespace quillbill {

QLabel* makeProgramMark()
{
    auto* mark = new QLabel(QStringLiteral("$"));
    mark->setObjectName("imgMark");
    QFont font(QStringLiteral("Arial Black"));
    font.setPointSize(72);
    font.setWeight(QFont::Black);
    mark->setFont(font);
    mark->setStyleSheet(QStringLiteral("color: #1f6b3a;"));
    mark->setAlignment(Qt::AlignCenter);
    mark->setAccessibleName(QStringLiteral("Quillbill"));
    return mark;
}

} // namespace quillbill
