// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "output/OutputChoice.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace quirepress {
class Report;
}

namespace quirepress::detail {

// The windows a run opens, as the run sees them: the run's code needs no
// widgets, and the windows/ folder gives it Qt's.

// The preview of a screen run.
class PreviewWindow {
public:
    virtual ~PreviewWindow() = default;

    // What the window asks of the run; set before it is shown. After
    // `onClosed` the run lets the window go with disposeLater().
    std::function<void()> onPrint;
    std::function<void()> onSavePdf;
    std::function<void()> onClosed;

    virtual void setTitle(const QString& title) = 0;
    // Page n's drawing steps (RecordingSurface's), none when the page is not
    // to be had, and the size of a page in twips.
    virtual void setPages(std::function<std::optional<QByteArray>(int)> drawing, QSize pageTwips) = 0;
    // At the end of a run: shows page 1 of `pageCount`.
    virtual void showFirstPage(int16_t pageCount) = 0;
    // While the run goes on: `pagesMade` pages are finished. The first call
    // shows page 1; Print and Save as PDF wait for pagesComplete().
    virtual void showPagesSoFar(int16_t pagesMade) = 0;
    // The run that showPagesSoFar() followed has ended with `pageCount`
    // pages; the page the user turned to stays.
    virtual void pagesComplete(int16_t pageCount) = 0;
    // Shows the window in front of the others.
    virtual void bringForward() = 0;
    // Deletes the window once the event that closes it is over.
    virtual void disposeLater() = 0;
};

// Which page a run is making, with a way for the user to stop it.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    // The report the window's Cancel stops; not owned.
    virtual void follow(Report* report) = 0;
    virtual void showPage(int page) = 0;
    virtual void appear() = 0;
    virtual void disappear() = 0;
    virtual bool isShowing() const = 0;
};

class RunWindows {
public:
    virtual ~RunWindows() = default;
    virtual std::unique_ptr<PreviewWindow> makePreview() = 0;
    virtual std::unique_ptr<ProgressWindow> makeProgress() = 0;
    // Asks where the report of the definition file `reportName` goes;
    // nullopt when the user cancelled.
    virtual std::optional<OutputChoice> chooseTarget(const QString& reportName) = 0;
    // Whether a modal window is open, beside which a new one could not be
    // used until it closes.
    virtual bool modalWindowOpen() const = 0;
};

} // namespace quirepress::detail
