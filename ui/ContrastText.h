#pragma once
// Text that can be read on a window's colour: black on a light colour, white on a dark one.

#include <QColor>

namespace tolvekin {

// Black when the background is at least middling bright (by the eye's weighting of red, green
// and blue), white otherwise.
inline QColor TextColourOn(const QColor& background) {
    const int brightness =
        (299 * background.red() + 587 * background.green() + 114 * background.blue()) / 1000;
    return brightness >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace tolvekin
