#include "ui/BoardCursor.h"

#include <QPainter>

#include <algorithm>

namespace tolvekin {
namespace {

constexpr int MarkLength = 10; // of each arm of a corner mark
constexpr int MarkWidth = 3;   // strokes side by side: dark, light, dark

} // namespace

BoardCursor::BoardCursor(int columns, int rows, QSize cellSize, QPoint board, QWidget* parent)
    : QWidget(parent), columns_(columns), rows_(rows), cell_(cellSize) {
    setObjectName("BoardCursor");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(QRect(board, QSize(columns * cellSize.width() + 1, rows * cellSize.height() + 1)));
}

void BoardCursor::MoveTo(int column, int row) {
    column = std::clamp(column, 1, columns_);
    row = std::clamp(row, 1, rows_);
    if (column == column_ && row == row_) {
        return;
    }
    const QRect before = CellRect();
    column_ = column;
    row_ = row;
    update(before);
    update(CellRect());
}

QRect BoardCursor::CellRect() const {
    return QRect(QPoint((column_ - 1) * cell_.width(), (row_ - 1) * cell_.height()),
                 cell_ + QSize(1, 1));
}

void BoardCursor::paintEvent(QPaintEvent*) {
    if (!hasFocus()) {
        return;
    }
    QPainter p(this);
    const QRect r = CellRect().adjusted(1, 1, -1, -1);
    // Dark and light strokes side by side, so the marks show on a white, a dark or a see-through
    // board alike.
    for (int i = 0; i < MarkWidth; ++i) {
        p.setPen(i % 2 == 0 ? QColor(0, 0, 0) : QColor(255, 255, 255));
        const QRect k = r.adjusted(i, i, -i, -i);
        const int n = MarkLength - i;
        for (const QPoint& corner : {k.topLeft(), k.topRight(), k.bottomLeft(), k.bottomRight()}) {
            const int dx = corner.x() == k.left() ? 1 : -1;
            const int dy = corner.y() == k.top() ? 1 : -1;
            p.drawLine(corner, corner + QPoint(dx * n, 0));
            p.drawLine(corner, corner + QPoint(0, dy * n));
        }
    }
}

void BoardCursor::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update(CellRect());
}

void BoardCursor::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(CellRect());
}

} // namespace tolvekin
