// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "windows/frmProgress.h"

#include <quirepress/Report.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quirepress::detail {

frmProgress::frmProgress(QWidget* parent) : QWidget(parent, Qt::Tool), lblProgress_(new QLabel(tr("Page %1").arg(1)))
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(tr("Quirepress Progress"));
    lblProgress_->setObjectName(QStringLiteral("lblProgress"));
    lblProgress_->setMinimumWidth(160);
    auto* cmdCancel = new QPushButton(tr("&Cancel"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this, &frmProgress::cancel);

    auto* progress = new QGroupBox(tr("Progress"));
    progress->setObjectName(QStringLiteral("fraProgress"));
    auto* progressLayout = new QVBoxLayout(progress);
    progressLayout->addWidget(lblProgress_);
    progressLayout->addWidget(cmdCancel, 0, Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress);
}

void frmProgress::showPage(int page) { lblProgress_->setText(tr("Page %1").arg(page)); }

void frmProgress::cancel()
{
    if (Report)
        Report->setCancel(true);
    lblProgress_->setText(tr("Cancelling..."));
    // The run reaches the event loop only now and then; handling what is
    // pending here paints the new label before the run takes over again.
    QCoreApplication::processEvents();
}

} // namespace quirepress::detail
