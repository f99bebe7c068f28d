#include "ScreenMetricsOf.h"

#include <QScreen>

namespace tolvekin {

ScreenMetrics ScreenMetricsOf(const QScreen* screen) {
    ScreenMetrics m;
    const QRect r = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
    const double dpiX = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    const double dpiY = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    m.TwipsPerPixelX = 1440.0 / dpiX;
    m.TwipsPerPixelY = 1440.0 / dpiY;
    m.WidthTwips = r.width() * m.TwipsPerPixelX;
    m.HeightTwips = r.height() * m.TwipsPerPixelY;
    return m;
}

} // namespace tolvekin
