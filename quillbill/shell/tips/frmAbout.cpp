#include "shell/tips/frmAbout.h"

#include "common/ProgramInfo.h"
#include "shell/tips/ProgramMark.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace quillbill {

namespace {

QLabel* makeLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    using namespace ProgramInfo;
    setObjectName("frmAbout");
    setModal(true);
    setWindowTitle("About " + title);

    QLabel* lblTitle = makeLabel("lblTitle", title);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    QLabel* lblVersion = makeLabel(
        "lblVersion", QStringLiteral("Version %1.%2.%3").arg(majorVersion()).arg(minorVersion()).arg(revision()));
    QLabel* lblPlatform = makeLabel("lblPlatform", comments());
    QLabel* lblCompany = makeLabel("lblCompany", companyName() + ", " + legalNotice());

    auto* cmdOK = new QPushButton(tr("OK"));
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(makeProgramMark(), 0, 0, 4, 1);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(lblPlatform, 2, 1);
    layout->addWidget(lblCompany, 3, 1);
    layout->addWidget(cmdOK, 4, 1, Qt::AlignRight);
    layout->setColumnMinimumWidth(1, 320);
}

} // namespace quillbill
