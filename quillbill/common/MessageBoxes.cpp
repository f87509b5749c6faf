#include "common/MessageBoxes.h"

#include <QMessageBox>

namespace quillbill {

bool DialogMessageBoxes::askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void DialogMessageBoxes::inform(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::information(parent, title, text);
}

void DialogMessageBoxes::warn(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox::warning(parent, title, text);
}

} // namespace quillbill
