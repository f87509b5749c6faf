// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "windows/frmOutput.h"

#include "output/ReportSettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace quirepress::detail {

namespace {

QRadioButton* makeOption(const QString& name, const QString& caption)
{
    auto* option = new QRadioButton(caption);
    option->setObjectName(name);
    return option;
}

QPushButton* makeButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

} // namespace

frmOutput::frmOutput(QWidget* parent)
    : QDialog(parent),
      optScreen_(makeOption(QStringLiteral("optScreen"), tr("Output to Screen"))),
      optPrinter_(makeOption(QStringLiteral("optPrinter"), tr("Output to Printer"))),
      optFile_(makeOption(QStringLiteral("optFile"), tr("Output to File"))),
      optEmail_(makeOption(QStringLiteral("optEmail"), tr("Output to Email"))),
      optPDF_(makeOption(QStringLiteral("optPDF"), tr("Output to PDF file"))),
      cboFile_(new QComboBox)
{
    setObjectName(QStringLiteral("frmOutput"));
    setWindowTitle(tr("Quirepress Output"));
    setModal(true);

    // Each item's data is the format's English name, which the settings
    // store and targetFor reads; only the text shown is translated.
    cboFile_->setObjectName(QStringLiteral("cboFile"));
    cboFile_->addItem(QStringLiteral("HTML"), QStringLiteral("HTML"));
    //: The plain text file format, beside HTML and CSV
    cboFile_->addItem(tr("Text"), QStringLiteral("Text"));
    cboFile_->addItem(QStringLiteral("CSV"), QStringLiteral("CSV"));
    auto* label = new QLabel(tr("Format"));
    label->setObjectName(QStringLiteral("Label1"));
    label->setBuddy(cboFile_);

    auto* targets = new QGroupBox;
    targets->setObjectName(QStringLiteral("fraOutput"));
    auto* targetLayout = new QVBoxLayout(targets);
    for (QRadioButton* option : {optScreen_, optPrinter_, optFile_, optEmail_, optPDF_}) {
        targetLayout->addWidget(option);
        connect(option, &QRadioButton::toggled, this, &frmOutput::enableFormat);
    }
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(label);
    formatRow->addWidget(cboFile_, 1);
    targetLayout->addLayout(formatRow);

    auto* cmdPrint = makeButton(QStringLiteral("cmdPrint"), tr("&Print"));
    auto* cmdCancel = makeButton(QStringLiteral("cmdCancel"), tr("&Cancel"));
    cmdPrint->setDefault(true);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(cmdPrint, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmOutput::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmOutput::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(targets);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showChoice(OutputChoice());
}

OutputChoice frmOutput::choice() const
{
    OutputChoice chosen;
    if (optPrinter_->isChecked())
        chosen.kind = OutputKind::Printer;
    else if (optFile_->isChecked())
        chosen.kind = OutputKind::File;
    else if (optEmail_->isChecked())
        chosen.kind = OutputKind::Email;
    else if (optPDF_->isChecked())
        chosen.kind = OutputKind::Pdf;
    chosen.fileType = cboFile_->currentData().toString();
    return chosen;
}

void frmOutput::accept()
{
    bCancel = false;
    if (!ReportName.isEmpty())
        ReportSettings(ReportName).writeChoice(choice());
    QDialog::accept();
}

void frmOutput::reject()
{
    bCancel = true;
    QDialog::reject();
}

// Callers set ReportName and then call exec() or show(); either shows the
// dialog, so that is when the report's last choice is known. A spontaneous
// show (the window coming back from being minimised) must not undo what the
// user has chosen since.
void frmOutput::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        load();
    QDialog::showEvent(event);
}

void frmOutput::load()
{
    showChoice(ReportName.isEmpty() ? OutputChoice() : ReportSettings(ReportName).readChoice());
    // A dialog shown again keeps its focus, and a focused button is the one
    // Enter presses: after Cancel, Enter would cancel again. Each showing
    // starts as the first did, on the chosen target with Print the default.
    for (QRadioButton* option : {optScreen_, optPrinter_, optFile_, optEmail_, optPDF_})
        if (option->isChecked())
            option->setFocus();
}

void frmOutput::showChoice(const OutputChoice& choice)
{
    switch (choice.kind) {
    case OutputKind::Screen:
        optScreen_->setChecked(true);
        break;
    case OutputKind::Printer:
        optPrinter_->setChecked(true);
        break;
    case OutputKind::File:
        optFile_->setChecked(true);
        break;
    case OutputKind::Email:
        optEmail_->setChecked(true);
        break;
    case OutputKind::Pdf:
        optPDF_->setChecked(true);
        break;
    }
    // A file type that the list does not have is read as text everywhere
    // else, so it is shown as text.
    const int item = cboFile_->findData(choice.fileType);
    cboFile_->setCurrentIndex(item >= 0 ? item : cboFile_->findData(QStringLiteral("Text")));
    enableFormat();
}

void frmOutput::enableFormat() { cboFile_->setEnabled(optFile_->isChecked() || optEmail_->isChecked()); }

} // namespace quirepress::detail
