// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <quirepress/MessageBoxes.h>
#include <quirepress/Report.h>

#include "model/CaseInsensitiveName.h"
#include "model/NamedCollection.h"
#include "model/PageImages.h"
#include "model/PageSpool.h"
#include "model/TextMeasure.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

namespace quirepress {

// What a report holds; the run that lays it out is kept beside it, by the
// report.
class ReportPrivate {
public:
    ReportPrivate() = default;
    virtual ~ReportPrivate();
    ReportPrivate(const ReportPrivate&) = delete;
    ReportPrivate& operator=(const ReportPrivate&) = delete;

    int32_t pageHeight = 0;
    int32_t pageWidth = 0;
    int16_t pageCount = 0;
    int16_t topMargin = 0;
    int16_t bottomMargin = 0;
    int16_t leftMargin = 0;
    int16_t rightMargin = 0;
    int32_t orientation = 0;
    QString reportName;
    QString documentTitle;
    int16_t gridX = 120;
    int16_t gridY = 240;
    QString printerName;
    QString outputFilename;
    bool cancel = false;
    QString emailSubject;
    QString emailRecipient;
    bool htmlValuesAreText = false;
    bool firstPageAtOnce = false;
    OutputOptions outputTo = cOutputToUnknown;

    detail::NamedCollection<Section> sections{QStringLiteral("Quirepress.Report")};
    // For each name given to AddSection, the counter to try first:
    // "Name(1)" up to the one before it are all taken. A removal may free one
    // of them, so removing a section forgets all of these.
    QHash<detail::CaseInsensitiveName, int> nextNameCounter;
    std::shared_ptr<MessageBoxes> messages;
    ReportEvents* events = nullptr;

    // The user's own temporary folder (privateTemporaryFolder()), ending in
    // a separator; empty when there is none to be had. One made anew for
    // this report is removed with it, when empty.
    QString temporaryFolder;
    bool temporaryFolderMadeAnew = false;
    // The temporary folder to write into now, found anew when it has gone;
    // Error 75 when there is none.
    QString writableTemporaryFolder();
    // "qrp" and the day, month, year, hour, minute and second of creation,
    // then the process and the report, so that no two live reports share it.
    QString pageImageBaseName;
    // The pages of the last screen run, as the preview shows them.
    detail::PageSpool pageSpool;
    // Where "Save as PDF" last wrote, so that the next save starts there.
    QString lastPdfFolder;

    // The height of a new section, measured once per report.
    int32_t newSectionHeight();
    // Adds a section of the given size under `name`, or under the name with
    // "(n)" appended when it is taken; `name` receives the name used.
    std::shared_ptr<Section> addSection(QString& name, int32_t height, int32_t width);
    // The same, as wide as the printer's page in the report's orientation
    // until its width is set.
    std::shared_ptr<Section> addPageWideSection(QString& name);

    static ReportPrivate* of(Report& report) { return report.d.get(); }

private:
    std::optional<int32_t> lineHeight_;
    std::shared_ptr<detail::PageWidths> pageWidths_ = std::make_shared<detail::PageWidths>();
};

} // namespace quirepress
