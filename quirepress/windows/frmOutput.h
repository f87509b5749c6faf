// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "output/OutputChoice.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace quirepress::detail {

// Asks where a report's output goes: screen, printer, file, e-mail or PDF
// file, and the form of a file or e-mail. A named report opens with what was
// chosen for it last time, and remembers what the user prints with.
class frmOutput : public QDialog {
    Q_OBJECT
public:
    explicit frmOutput(QWidget* parent = nullptr);

    // The report's definition file name; set before the dialog is shown.
    QString ReportName;
    // False once the user chose to print; read after the dialog is closed.
    bool bCancel = true;

    OutputChoice choice() const;

    // Both ways out, whether by button, key or closing the window.
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load();
    void showChoice(const OutputChoice& choice);
    void enableFormat();

    QRadioButton* optScreen_;
    QRadioButton* optPrinter_;
    QRadioButton* optFile_;
    QRadioButton* optEmail_;
    QRadioButton* optPDF_;
    QComboBox* cboFile_;
};

} // namespace quirepress::detail
