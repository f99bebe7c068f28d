#include "common/layout/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tolvekin {

double TwipsPerPixelX(const QWidget& widget) {
    return TwipsPerPixel(widget.logicalDpiX());
}

double TwipsPerPixelY(const QWidget& widget) {
    return TwipsPerPixel(widget.logicalDpiY());
}

QSize OuterSize(const QWidget& window) {
    return window.size() + WindowFrameExtra;
}

const QScreen* ScreenOf(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

QRect ScreenArea(const QScreen* screen) {
    return screen != nullptr ? screen->geometry() : FallbackScreenArea;
}

QPoint CentreOnScreen(const QScreen* screen, QSize outerSize) {
    const QRect area = ScreenArea(screen);
    return QPoint(area.x() + (area.width() - outerSize.width()) / 2,
                  area.y() + (area.height() - outerSize.height()) / 2);
}

QPoint CentreOnOwner(const QWidget* owner, QSize outerSize, bool notLeftOfOwner) {
    if (owner == nullptr) {
        return CentreOnScreen(QGuiApplication::primaryScreen(), outerSize);
    }
    const QWidget* window = owner->window();
    const QRect frame(window->pos(), OuterSize(*window));
    int left = frame.left() + (frame.width() - outerSize.width()) / 2;
    const int top = frame.top() + (frame.height() - outerSize.height()) / 2;
    if (notLeftOfOwner && left < frame.left()) {
        left = frame.left();
    }
    return QPoint(left, top);
}

} // namespace tolvekin
