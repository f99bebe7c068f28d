#include "ui/FocusMark.h"

#include <QEvent>
#include <QPainter>

namespace tolvekin {
namespace {

constexpr int Inset = 3; // from the button's edge, inside its raised border

} // namespace

FocusMark::FocusMark(QWidget* parent) : QWidget(parent) {
    setObjectName("FocusMark");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::Follow(QWidget* target) {
    if (target_ != nullptr) {
        target_->removeEventFilter(this);
    }
    target_ = target;
    if (target_ == nullptr) {
        hide();
        return;
    }
    target_->installEventFilter(this);
    Place();
}

void FocusMark::Place() {
    if (target_ == nullptr || !target_->isVisible()) {
        hide();
        return;
    }
    setGeometry(target_->geometry());
    raise();
    show();
    update();
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            Place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusMark::paintEvent(QPaintEvent*) {
    if (target_ == nullptr) {
        return;
    }
    QPainter p(this);
    // The text colour of the button, dotted, one pixel wide: plain on every face colour.
    QPen pen(target_->palette().color(QPalette::ButtonText), 1, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(Inset, Inset, -Inset - 1, -Inset - 1));
}

} // namespace tolvekin
