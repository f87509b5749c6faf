// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/tips/frmAbout.h"

#include "common/Controls.h"
#include "common/ProgramInfo.h"
#include "shell/tips/ProgramIdentity.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAbout");
    setModal(true);
    //: %1 is the program's name.
    setWindowTitle(tr("About %1").arg(ProgramInfo::title));

    // OK is both the default and the cancel button: Esc rejects, which closes.
    QPushButton* cmdOK = makeButton("cmdOK", tr("OK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeVersionRecordPanel());
    layout->addLayout(makeButtonRow({cmdOK}));
}

} // namespace quillbill
