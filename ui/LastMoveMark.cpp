#include "ui/LastMoveMark.h"

#include <QPainter>
#include <QPolygon>

namespace tolvekin {
namespace {

// The triangle's legs run along the cell's top and left edges, just inside the grid lines; its
// long side stays clear of every piece picture, whose corners are empty that far in.
constexpr int MarkInset = 1;
constexpr int MarkLeg = 8;

} // namespace

Occupancy OccupancyOf(const GameState& g) {
    Occupancy cells(static_cast<size_t>(g.CellCount()), 0);
    for (int y = 1; y <= g.BoardHeight; ++y) {
        for (int x = 1; x <= g.BoardWidth; ++x) {
            cells[static_cast<size_t>(g.CellIndex(x, y))] = g.Board(x, y) != 0 ? 1 : 0;
        }
    }
    return cells;
}

LastMoveChange LastMoveAfter(const Occupancy& before, const Occupancy& after) {
    if (before.size() != after.size()) {
        return {};
    }
    int added = 0;
    int addedCell = -1;
    for (size_t i = 0; i < after.size(); ++i) {
        if (before[i] != 0 && after[i] == 0) {
            return {}; // pieces only ever leave with the whole game
        }
        if (before[i] == 0 && after[i] != 0) {
            ++added;
            addedCell = static_cast<int>(i);
        }
    }
    if (added == 0) {
        return {.Keep = true, .Cell = std::nullopt};
    }
    if (added == 1) {
        return {.Keep = false, .Cell = addedCell};
    }
    return {};
}

LastMoveMark::LastMoveMark(int columns, int rows, QSize cellSize, QPoint board, QWidget* parent)
    : QWidget(parent), columns_(columns), cellSize_(cellSize) {
    setObjectName("LastMoveMark");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(QRect(board, QSize(columns * cellSize.width() + 1, rows * cellSize.height() + 1)));
}

QRect LastMoveMark::MarkArea(QSize cellSize) {
    // Kept inside the corner the piece pictures leave empty, whatever the cell's size.
    const int leg = std::min(MarkLeg, cellSize.width() / 5);
    return QRect(MarkInset, MarkInset, leg + 1, leg + 1);
}

QRect LastMoveMark::CellRect(int index) const {
    const int column = index % columns_;
    const int row = index / columns_;
    return QRect(QPoint(column * cellSize_.width(), row * cellSize_.height()), cellSize_);
}

void LastMoveMark::Repaint(std::optional<int> cell) {
    if (cell) {
        update(CellRect(*cell));
    }
}

void LastMoveMark::Follow(const GameState& g) {
    Occupancy now = OccupancyOf(g);
    const LastMoveChange change = LastMoveAfter(occupied_, now);
    occupied_ = std::move(now);
    if (change.Keep) {
        return;
    }
    Repaint(cell_);
    cell_ = change.Cell;
    Repaint(cell_);
}

void LastMoveMark::paintEvent(QPaintEvent*) {
    if (!cell_) {
        return;
    }
    QPainter p(this);
    const QRect area = MarkArea(cellSize_).translated(CellRect(*cell_).topLeft());
    const int leg = area.width() - 1;
    const QPolygon triangle(
        {area.topLeft(), area.topLeft() + QPoint(leg, 0), area.topLeft() + QPoint(0, leg)});
    // Red inside a dark edge: it shows on a white, a coloured and a dark board alike.
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(QColor(255, 40, 40));
    p.drawPolygon(triangle);
}

} // namespace tolvekin
