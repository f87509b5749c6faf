// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "model/TextMeasure.h"
#include "model/ApplicationKind.h"

#include "drawing/PainterSurface.h"
#include "drawing/PrinterModule.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <cmath>

namespace quirepress::detail {

namespace {
constexpr int32_t defaultPageWidth = 12200;
constexpr int32_t defaultPageHeight = 15800;
} // namespace

int32_t defaultSectionHeight()
{
    if (!fontsAvailable())
        return 0;
    // Measured in the same font in twips that the page surfaces draw with.
    const TextStyle arial10{QStringLiteral("Arial"), 10, false, false, false};
    return static_cast<int32_t>(std::lround(QFontMetricsF(PainterSurface::fontInTwips(arial10)).height()));
}

QSize defaultPageSize(int32_t orientation)
{
    // Without the print module there is no printer to ask, as on a system
    // without printers.
    const PrinterModule* printers = printerModule();
    const QSize page = printers ? printers->defaultPrinterPage(orientation) : QSize();
    if (!page.isEmpty())
        return page;
    return orientation == 2 ? QSize(defaultPageHeight, defaultPageWidth) : QSize(defaultPageWidth, defaultPageHeight);
}

int32_t PageWidths::forOrientation(int32_t orientation)
{
    std::optional<int32_t>& width = orientation == 2 ? landscape_ : portrait_;
    if (!width)
        width = defaultPageSize(orientation).width();
    return *width;
}

} // namespace quirepress::detail
