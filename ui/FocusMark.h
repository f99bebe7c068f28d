#pragma once
// The keyboard's mark on a panel button: a dotted frame just inside the button that has the
// focus, drawn over it, so the player always sees where Space and Enter go. It lets every click
// through and follows its button when the panel moves.

#include <QPointer>
#include <QWidget>

namespace tolvekin {

class FocusMark : public QWidget {
    Q_OBJECT
public:
    explicit FocusMark(QWidget* parent);

    // Marks target (a child of the same parent), or nothing for nullptr.
    void Follow(QWidget* target);
    QWidget* Target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    QPointer<QWidget> target_;
};

} // namespace tolvekin
