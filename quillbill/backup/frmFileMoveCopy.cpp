// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "backup/frmFileMoveCopy.h"

#include "common/Controls.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillbill {

frmFileMoveCopy::frmFileMoveCopy(QWidget* parent)
    : QWidget(parent, Qt::Window),
      Animation1_(new QProgressBar),
      Label1_(makeLabel("Label1", {})),
      lblResult_(makeLabel("lblResult", {})),
      cmdDone_(makeButton("cmdDone", tr("Done")))
{
    setObjectName("frmFileMoveCopy");
    // The animation is a bar that moves while the copy runs; it needs no clip
    // file, so nothing can keep a backup or restore from running.
    Animation1_->setObjectName("Animation1");
    Animation1_->setTextVisible(false);
    Animation1_->setAccessibleName(tr("Progress"));
    Label1_->setWordWrap(true);
    Label1_->setMinimumWidth(360);
    lblResult_->setWordWrap(true);
    lblResult_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblResult_->hide();
    cmdDone_->hide();
    connect(cmdDone_, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Animation1_);
    layout->addWidget(Label1_);
    layout->addWidget(lblResult_);
    layout->addLayout(makeButtonRow({cmdDone_}));
}

void frmFileMoveCopy::begin(const QString& caption, const QString& status)
{
    Label1_->clear();
    lblResult_->clear();
    lblResult_->hide();
    done_ = false;
    ended_ = false;
    cmdDone_->setText(tr("Done"));
    cmdDone_->hide();
    Animation1_->setRange(0, 0); // moves until stopped
    setWindowTitle(caption);
    Label1_->setText(status);
    Label1_->show();
    centerOnScreen(this);
    show();
}

void frmFileMoveCopy::finish(const QString& caption, const QString& result)
{
    Label1_->hide();
    lblResult_->setText(result);
    lblResult_->setVisible(!result.isEmpty());
    cmdDone_->show();
    // The window keeps the size it had while copying, and the result (a
    // backup's whole path, which the user needs to find it) wraps at that
    // width: it grows to show all of it.
    if (const int needed = heightForWidth(width()); needed > height())
        resize(width(), needed);
    cmdDone_->setDefault(true);
    Animation1_->setRange(0, 1);
    Animation1_->setValue(1);
    setWindowTitle(caption);
    done_ = true;
    ended_ = true;
}

void frmFileMoveCopy::fail(const QString& caption)
{
    Label1_->hide();
    cmdDone_->setText(tr("Close"));
    cmdDone_->show();
    cmdDone_->setDefault(true);
    Animation1_->setRange(0, 1);
    Animation1_->setValue(0);
    setWindowTitle(caption);
    done_ = false;
    ended_ = true;
}

bool frmFileMoveCopy::isDone() const { return done_; }

bool frmFileMoveCopy::hasEnded() const { return ended_; }

} // namespace quillbill
