#pragma once
// The one-pixel raised frame drawn on a window around one of its controls: light on the top and
// left, dark on the right and bottom. The window keeps the frames it has drawn and paints them
// over its background; erasing one paints its pixels in the background colour again.

#include <QColor>
#include <QList>
#include <QRect>

class QPainter;
class QWidget;

namespace tolvekin {

// The frame's rectangle for a control at x, y, w, h: (x - 1, y - 1) to (x + w, y + h).
QRect FrameRect(const QRect& control);

class Cheap3DFrames {
public:
    void Draw(const QWidget* control);  // DrawFrame3D
    void Erase(const QWidget* control); // EraseFrame3D
    bool Has(const QWidget* control) const;
    // The panel moved sideways: its frames go with it.
    void Shift(int dx);
    void Paint(QPainter& painter, const QColor& shadow, const QColor& highlight) const;

private:
    QList<QRect> frames_;
};

} // namespace tolvekin
