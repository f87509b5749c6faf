// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "windows/PreviewGeometry.h"

#include <algorithm>
#include <cmath>

namespace quirepress::detail {

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

QRect twipsToPixels(const QRect& twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

int32_t pixelsToTwips(int pixels) { return pixels * twipsPerPixel; }

namespace {

// The decimal number a text starts with, after any spaces; 0 when it starts
// with none. A sign is not read: a negative zoom means nothing, and is
// treated like any other text without a zoom.
double leadingNumber(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    qsizetype end = start;
    bool point = false;
    while (end < text.size()) {
        const QChar c = text.at(end);
        if (c == u'.' && !point)
            point = true;
        else if (c < u'0' || c > u'9')
            break;
        ++end;
    }
    bool ok = false;
    const double number = QStringView(text).mid(start, end - start).toDouble(&ok);
    return ok ? number : 0;
}

} // namespace

ZoomChoice PreviewGeometry::zoomFor(const QString& text) const
{
    const QString chosen = text.trimmed();
    if (chosen.compare(QLatin1String("Page Height"), Qt::CaseInsensitive) == 0) {
        const double room = double(windowHeight) - hScrollHeight - toolbarTop - toolbarHeight - 720;
        return {room / std::max(pageHeight, 1), text};
    }
    if (chosen.compare(QLatin1String("Page Width"), Qt::CaseInsensitive) == 0) {
        const double room = double(windowWidth) - vScrollWidth - 600;
        return {room / std::max(pageWidth, 1), text};
    }
    const double percent = leadingNumber(text);
    if (percent == 0.0)
        return {1, QStringLiteral("100%")};
    return {percent / 100, text};
}

double PreviewGeometry::limitedZoom(double z) const
{
    const double longest = std::max({pageWidth, pageHeight, 1});
    const double shortest = std::max(std::min(pageWidth, pageHeight), 1);
    const double lowest = pixelsToTwips(minimumPagePixels) / shortest;
    const double highest = pixelsToTwips(maximumPagePixels) / longest;
    if (std::isnan(z))
        return lowest;
    return std::clamp(z, lowest, std::max(lowest, highest));
}

QSize PreviewGeometry::zoomedPage() const
{
    const double z = limitedZoom(zoom);
    return {static_cast<int>(std::lround(z * std::max(pageWidth, 0))),
            static_cast<int>(std::lround(z * std::max(pageHeight, 0)))};
}

PreviewPlacement PreviewGeometry::placement() const
{
    PreviewPlacement placed;
    const QSize size = zoomedPage();

    // A page wider than the room scrolls from the left margin; a narrower
    // one is centred, and nothing scrolls sideways.
    placed.horizontal.maximum = size.width() + 600 - windowWidth + vScrollWidth;
    placed.horizontal.enabled = placed.horizontal.maximum > 0;
    int32_t left = pageLeft;
    if (!placed.horizontal.enabled) {
        placed.horizontal.maximum = 0;
        left = static_cast<int32_t>(std::lround((double(windowWidth) - size.width()) / 2 - vScrollWidth));
    }
    placed.page = QRect(QPoint(left, pageTop), size);
    placed.shadow = placed.page.translated(shadowOffset, shadowOffset);

    placed.vertical.maximum = placed.shadow.top() + placed.shadow.height() + 400 - windowHeight + hScrollHeight + 200;
    placed.vertical.enabled = placed.vertical.maximum > 0;
    if (!placed.vertical.enabled)
        placed.vertical.maximum = 0;

    const int32_t vTop = toolbarTop + toolbarHeight;
    placed.vertical.geometry = QRect(windowWidth - vScrollWidth - 120, vTop, vScrollWidth,
                                     std::max(windowHeight - vTop - hScrollHeight - 400, 0));
    placed.horizontal.geometry =
        QRect(0, windowHeight - hScrollHeight - 400, std::max(windowWidth - vScrollWidth - 120, 0), hScrollHeight);
    placed.blank =
        QRect(placed.horizontal.geometry.left() + placed.horizontal.geometry.width(),
              placed.vertical.geometry.top() + placed.vertical.geometry.height(), vScrollWidth, hScrollHeight);

    placed.horizontal.pageStep = std::max(static_cast<int32_t>(std::lround(0.9 * windowWidth)), 1);
    placed.vertical.pageStep = std::max(static_cast<int32_t>(std::lround(0.9 * windowHeight)), 1);
    return placed;
}

} // namespace quirepress::detail
