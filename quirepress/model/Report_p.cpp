// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "model/Report_p.h"

#include "model/PageImages.h"
#include "model/Section_p.h"
#include "model/TextMeasure.h"

#include <quirepress/Section.h>

#include <algorithm>

namespace quirepress {

ReportPrivate::~ReportPrivate() = default;

int32_t ReportPrivate::newSectionHeight()
{
    if (!lineHeight_)
        lineHeight_ = detail::defaultSectionHeight();
    return *lineHeight_;
}

std::shared_ptr<Section> ReportPrivate::addPageWideSection(QString& name)
{
    std::shared_ptr<Section> section = addSection(name, newSectionHeight(), 0);
    SectionPrivate& added = SectionPrivate::of(*section);
    added.pageWidths = pageWidths_;
    added.pageOrientation = orientation;
    return section;
}

QString ReportPrivate::writableTemporaryFolder()
{
    bool madeAnew = false;
    QString folder = detail::requirePrivateTemporaryFolder(temporaryFolder, madeAnew);
    if (folder != temporaryFolder) {
        if (temporaryFolderMadeAnew)
            detail::releaseTemporaryFolder(temporaryFolder);
        temporaryFolder = folder;
        temporaryFolderMadeAnew = madeAnew;
    }
    return folder;
}

std::shared_ptr<Section> ReportPrivate::addSection(QString& name, int32_t height, int32_t width)
{
    QString chosen = name;
    if (sections.contains(chosen)) {
        // Starts where the last search for this name stopped, so that adding
        // n sections of one name takes time in proportion to n.
        int& counter = nextNameCounter[detail::CaseInsensitiveName{name}];
        counter = std::max(counter, 1);
        do
            chosen = name + u'(' + QString::number(counter++) + u')';
        while (sections.contains(chosen));
    }
    name = chosen;
    std::shared_ptr<quirepress::Section> section(new quirepress::Section(chosen));
    section->setHeight(height);
    section->setWidth(width);
    sections.append(chosen, section);
    return section;
}

} // namespace quirepress
