// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "output/RunWindows.h"

#include <QWidget>

class QLabel;

namespace quirepress {
class Report;
}

namespace quirepress::detail {

// Shows which page a report run is producing and lets the user stop it. It
// is not modal: the run goes on while it is open and polls the report's
// Cancel between sections.
class frmProgress : public QWidget, public ProgressWindow {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* parent = nullptr);

    // The report being run; not owned.
    quirepress::Report* Report = nullptr;

    void follow(quirepress::Report* report) override { Report = report; }
    void showPage(int page) override;
    void appear() override
    {
        show();
        raise();
    }
    void disappear() override { hide(); }
    bool isShowing() const override { return isVisible(); }

private:
    void cancel();

    QLabel* lblProgress_;
};

} // namespace quirepress::detail
