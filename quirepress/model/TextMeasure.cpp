// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "model/TextMeasure.h"
#include "model/ApplicationKind.h"

#include "drawing/PainterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinterInfo>

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
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull() && !QPrinterInfo::availablePrinterNames().isEmpty())
        printer = QPrinterInfo::printerInfo(QPrinterInfo::availablePrinterNames().constFirst());
    const QPageSize page = printer.isNull() ? QPageSize() : printer.defaultPageSize();
    if (!page.isValid())
        return orientation == 2 ? QSize(defaultPageHeight, defaultPageWidth)
                                : QSize(defaultPageWidth, defaultPageHeight);
    const QSizeF points = page.size(QPageSize::Point);
    const QSize twips(static_cast<int>(std::lround(points.width() * 20.0)),
                      static_cast<int>(std::lround(points.height() * 20.0)));
    return orientation == 2 ? twips.transposed() : twips;
}

int32_t defaultSectionWidth(int32_t orientation) { return defaultPageSize(orientation).width(); }

} // namespace quirepress::detail
