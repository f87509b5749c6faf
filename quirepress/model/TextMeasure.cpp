#include "model/TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPrinterInfo>

#include <cmath>

namespace quirepress::detail {

namespace {
constexpr double twipsPerInch = 1440.0;
constexpr double metresPerInch = 0.0254;
constexpr int32_t defaultPageWidth = 12200;
constexpr int32_t defaultPageHeight = 15800;
} // namespace

int32_t defaultSectionHeight()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 0;
    // A surface of 1440 dots an inch measures in twips.
    QImage surface(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(twipsPerInch / metresPerInch));
    surface.setDotsPerMeterX(dotsPerMetre);
    surface.setDotsPerMeterY(dotsPerMetre);
    const QFontMetricsF metrics(QFont(QStringLiteral("Arial"), 10), &surface);
    return static_cast<int32_t>(std::lround(metrics.boundingRect(QStringLiteral("ABCDEFPQabcdefpq")).height()));
}

int32_t defaultSectionWidth(int32_t orientation)
{
    QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull() && !QPrinterInfo::availablePrinterNames().isEmpty())
        printer = QPrinterInfo::printerInfo(QPrinterInfo::availablePrinterNames().constFirst());
    const QPageSize page = printer.isNull() ? QPageSize() : printer.defaultPageSize();
    if (!page.isValid())
        return orientation == 2 ? defaultPageHeight : defaultPageWidth;
    const QSizeF points = page.size(QPageSize::Point);
    const double twips = (orientation == 2 ? points.height() : points.width()) * 20.0;
    return static_cast<int32_t>(std::lround(twips));
}

} // namespace quirepress::detail
