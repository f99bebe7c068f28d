#include "ui/ScreenMetricsOf.h"

#include "common/layout/WindowGeometry.h"

#include <QScreen>

namespace tolvekin {

ScreenMetrics ScreenMetricsOf(const QScreen* screen) {
    ScreenMetrics m;
    const QRect r = ScreenArea(screen);
    const double dpiX = screen != nullptr ? screen->logicalDotsPerInchX() : FallbackDpi;
    const double dpiY = screen != nullptr ? screen->logicalDotsPerInchY() : FallbackDpi;
    m.TwipsPerPixelX = TwipsPerPixel(dpiX);
    m.TwipsPerPixelY = TwipsPerPixel(dpiY);
    m.WidthTwips = r.width() * m.TwipsPerPixelX;
    m.HeightTwips = r.height() * m.TwipsPerPixelY;
    return m;
}

} // namespace tolvekin
