#include "settings/DialogHelpers.h"

#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QTimer>

namespace tolvekin {
namespace {

// The whole text selected from its end back to its start, so the cursor, and with it the part
// of the text in view, is at the start.
void SelectAllFromStart(QLineEdit* box) {
    box->setSelection(static_cast<int>(box->text().size()), -static_cast<int>(box->text().size()));
}

// Selects after the focus event has been handled, so that the mouse press that gave the focus
// does not put the cursor back in place of the selection.
class SelectOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A box losing the focus while it is destroyed is no longer a line edit.
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box == nullptr) {
            return false;
        }
        if (event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus()) {
                    SelectAllFromStart(box);
                }
            });
        } else if (event->type() == QEvent::FocusOut) {
            QTimer::singleShot(0, box, [box] {
                if (!box->hasFocus()) {
                    box->setCursorPosition(0);
                }
            });
        }
        return false;
    }
};

} // namespace

void SetBoxText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

void SelectAllTextOnFocus(QLineEdit* box) {
    box->installEventFilter(new SelectOnFocus(box));
}

} // namespace tolvekin
