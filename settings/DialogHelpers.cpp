#include "DialogHelpers.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QObject>
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

void SelectAllText() {
    if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        box->selectAll();
    }
}

void SelectAllTextOnFocus(QLineEdit* box) {
    box->installEventFilter(new SelectOnFocus(box));
}

} // namespace tolvekin
