#include <quirepress/MessageBoxes.h>
#include <quirepress/ReportEvents.h>

#include <QApplication>
#include <QMessageBox>

namespace quirepress {

MessageBoxes::~MessageBoxes() = default;
ReportEvents::~ReportEvents() = default;

namespace {

class DialogMessageBoxes final : public MessageBoxes {
public:
    bool askYesNo(const QString& text, const QString& title) override
    {
        return QMessageBox::question(QApplication::activeWindow(), title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No)
            == QMessageBox::Yes;
    }
    void inform(const QString& text, const QString& title) override
    {
        QMessageBox::information(QApplication::activeWindow(), title, text);
    }
};

} // namespace

std::shared_ptr<MessageBoxes> dialogMessageBoxes()
{
    return std::make_shared<DialogMessageBoxes>();
}

} // namespace quirepress
