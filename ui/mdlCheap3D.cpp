#include "ui/mdlCheap3D.h"

#include <QPainter>
#include <QWidget>

namespace tolvekin {

QRect FrameRect(const QRect& c) {
    return QRect(QPoint(c.x() - 1, c.y() - 1), QPoint(c.x() + c.width(), c.y() + c.height()));
}

void Cheap3DFrames::Draw(const QWidget* control) {
    const QRect r = FrameRect(control->geometry());
    if (!frames_.contains(r)) {
        frames_.append(r);
    }
}

void Cheap3DFrames::Erase(const QWidget* control) {
    frames_.removeAll(FrameRect(control->geometry()));
}

bool Cheap3DFrames::Has(const QWidget* control) const {
    return frames_.contains(FrameRect(control->geometry()));
}

void Cheap3DFrames::Shift(int dx) {
    for (QRect& r : frames_) {
        r.translate(dx, 0);
    }
}

void Cheap3DFrames::Paint(QPainter& p, const QColor& shadow, const QColor& highlight) const {
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const QRect& r : frames_) {
        // Outline in the shadow colour, then the top row and left column in the highlight.
        p.setPen(shadow);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(highlight);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
    }
}

} // namespace tolvekin
