#include "DialogHelpers.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace tolvekin {
namespace {

// Selects after the focus event has been handled, so that the mouse press that gave the focus
// does not put the cursor back in place of the selection.
class SelectOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* box = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus()) {
                    box->selectAll();
                }
            });
        }
        return false;
    }
};

} // namespace

QSize OuterSize(const QWidget& window) {
    return window.size() + WindowFrameExtra;
}

QPoint CentreOnOwner(const QWidget* owner, QSize outerSize, bool notLeftOfOwner) {
    QRect frame;
    if (owner != nullptr) {
        const QWidget* window = owner->window();
        frame = QRect(window->pos(), OuterSize(*window));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        frame = screen->geometry();
    }
    int left = frame.left() + (frame.width() - outerSize.width()) / 2;
    const int top = frame.top() + (frame.height() - outerSize.height()) / 2;
    if (notLeftOfOwner && owner != nullptr && left < frame.left()) {
        left = frame.left();
    }
    return QPoint(left, top);
}

void SelectAllText() {
    if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        box->selectAll();
    }
}

void SelectAllTextOnFocus(QLineEdit* box) {
    box->installEventFilter(new SelectOnFocus(box));
}

} // namespace tolvekin
