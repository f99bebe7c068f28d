#include "ui/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tolvekin {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
}

void PictureBox::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureBox::SetBorder(bool single) {
    if (border_ != single) {
        border_ = single;
        update();
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect inner = border_ ? rect().adjusted(1, 1, -1, -1) : rect();
    if (!picture_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, picture_.size() != inner.size());
        p.drawPixmap(inner, picture_);
    }
    if (border_) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressedInside_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressedInside_ &&
        rect().contains(event->position().toPoint())) {
        pressedInside_ = false;
        emit clicked();
    }
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (doubleClickIgnored_) {
        pressedInside_ = false;
        return;
    }
    QWidget::mouseDoubleClickEvent(event); // a second press
}

} // namespace tolvekin
