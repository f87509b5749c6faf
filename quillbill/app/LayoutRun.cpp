// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "app/LayoutRun.h"

#include "app/FailureMessage.h"

#include <QFileInfo>

namespace quillbill {

bool runLayout(AppContext& app, quirepress::Report& report, const QString& layout, const QString& failureTitle,
               quirepress::OutputOptions output, const QString& outputFile, const std::function<void()>& print)
{
    bool loaded = false;
    const bool printed = runShowingDocumentFailure(app.messages, failureTitle, [&] {
        loaded = report.LoadReport(app.path(layout));
        if (!loaded)
            return;
        report.setOutputTo(output);
        const QFileInfo file(outputFile);
        report.setOutputFilename(outputFile.isEmpty() || file.isAbsolute() ? outputFile : app.path(outputFile));
        print();
    });
    if (printed)
        return loaded;
    // The run may be half made: the report closes its output and drops it.
    report.setCancel(true);
    runShowingDocumentFailure(app.messages, failureTitle, [&report] { report.EndReport(); });
    return false;
}

} // namespace quillbill
