#include "maker/MakerWidgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace zenbro {

PointCell::PointCell(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PointCell::SetPicture(const QPixmap& picture) {
    if (picture.isNull() && picture_.isNull()) {
        return;
    }
    picture_ = picture;
    update();
}

void PointCell::SetBorder(bool border) {
    if (border_ != border) {
        border_ = border;
        update();
    }
}

void PointCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!picture_.isNull()) {
        p.drawPixmap(rect(), picture_);
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

PreviewBox::PreviewBox(QWidget* parent) : QWidget(parent) {}

void PreviewBox::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PreviewBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) {
        p.drawImage(QPoint(1, 1), picture_);
    }
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zenbro
