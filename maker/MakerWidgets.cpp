#include "maker/MakerWidgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace zenbro {

PointCell::PointCell(int index, const Outline& outline, QWidget* parent)
    : QWidget(parent), index_(index), outline_(outline) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PointCell::SetBorder(bool border) {
    if (border_ != border) {
        border_ = border;
        update();
    }
}

void PointCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (outline_.IsSet(index_)) {
        p.fillRect(rect(), Qt::black);
    }
    if (border_) {
        p.setPen(QColor(160, 160, 160));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PointCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed) {
        pressed(index_);
    }
}

void PointCell::mouseMoveEvent(QMouseEvent* event) {
    // The pressed cell keeps the mouse while the button is held: pass the position on so the
    // cell under it can be found.
    if ((event->buttons() & Qt::LeftButton) && dragged) {
        dragged(mapToParent(event->position().toPoint()));
    }
}

PreviewBox::PreviewBox(const Outline& outline, QWidget* parent)
    : QWidget(parent), outline_(outline) {}

void PreviewBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawImage(QPoint(1, 1), outline_.Picture());
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zenbro
