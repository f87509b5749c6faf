// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/tips/frmTip.h"

#include "app/AppContext.h"
#include "app/Translations.h"
#include "common/Controls.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

namespace {
const QString tipsFileName = QStringLiteral("TipOfTheDay.dat");
} // namespace

QString frmTip::missingFileText()
{
    //: %1 is the name of the tips file.
    return tr("That the %1 file was not found? \r\n\r\nCreate a text file named %1 using NotePad with 1 tip per "
              "line. Then place it in the same directory as the application. ")
        .arg(tipsFileName);
}

frmTip::frmTip(AppContext& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      lblTipText_(makeLabel("lblTipText", {})),
      chkLoadTipsAtStartup_(new QCheckBox(tr("&Show Tips at Startup"))),
      cmdNextTip_(makeButton("cmdNextTip", tr("&Next Tip"))),
      cmdOK_(makeButton("cmdOK", tr("OK")))
{
    setObjectName("frmTip");
    setWindowTitle(tr("Tip of the Day"));
    setModal(true);

    QLabel* heading = makeLabel("Label1", tr("Did you know..."));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    lblTipText_->setWordWrap(true);
    lblTipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText_->setMinimumSize(360, 120);
    lblTipText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chkLoadTipsAtStartup_->setObjectName("chkLoadTipsAtStartup");
    cmdOK_->setDefault(true);
    cmdNextTip_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkLoadTipsAtStartup_);
    buttons->addStretch();
    buttons->addWidget(cmdNextTip_);
    buttons->addWidget(cmdOK_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(lblTipText_, 1);
    layout->addLayout(buttons);

    // OK is also the cancel button: Esc rejects the dialog, which closes it.
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdNextTip_, &QPushButton::clicked, this, [this] {
        tips_.PickRandomTip();
        DisplayCurrentTip();
    });
    connect(chkLoadTipsAtStartup_, &QCheckBox::clicked, this, [this](bool on) {
        app_.options.setText(OptionKey::showTips, on ? QStringLiteral("1") : QStringLiteral("0"));
    });

    // Opening the window.
    chkLoadTipsAtStartup_->setChecked(true);
    // The tips in the windows' language, where the program folder has them.
    const QString translated = windowsLanguage() + u'/' + tipsFileName;
    const bool inLanguage = windowsLanguage() != QLatin1String("en") && QFileInfo::exists(app_.path(translated));
    if (tips_.LoadTips(app_.path(inLanguage ? translated : tipsFileName)))
        DisplayCurrentTip();
    else
        lblTipText_->setText(missingFileText());
}

void frmTip::DisplayCurrentTip()
{
    if (tips_.hasCurrentTip())
        lblTipText_->setText(tips_.currentTip());
}

} // namespace quillbill
