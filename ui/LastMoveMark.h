#pragma once
// The mark on the piece placed last: a small triangle in the top-left corner of its cell, where
// no piece picture draws, so it never hides a piece's face or colour. It lies over the whole
// board like the keyboard's cell and lets every click through.

#include "engine/GameState.h"

#include <QSize>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

namespace tolvekin {

// Which cells hold a piece, by CellIndex.
using Occupancy = std::vector<uint8_t>;
Occupancy OccupancyOf(const GameState& g);

// What a redraw tells about the piece placed last, from the cells occupied before and after it:
// one more piece and none gone is a placement on that cell; no change keeps the mark where it
// was; anything else (a new game, a cleared board) leaves no piece marked.
struct LastMoveChange {
    bool Keep = false;
    std::optional<int> Cell; // the cell placed on, when not kept
};
LastMoveChange LastMoveAfter(const Occupancy& before, const Occupancy& after);

class LastMoveMark : public QWidget {
    Q_OBJECT
public:
    // A mark over columns x rows cells of cellSize; board is the board's top-left corner.
    LastMoveMark(int columns, int rows, QSize cellSize, QPoint board, QWidget* parent);

    // The board has been redrawn: the mark follows the piece placed last.
    void Follow(const GameState& g);
    // The marked cell's index, if a piece is marked.
    std::optional<int> MarkedCell() const { return cell_; }
    // The marked area within the cell, in the cell's own coordinates.
    static QRect MarkArea(QSize cellSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect CellRect(int index) const;
    void Repaint(std::optional<int> cell);

    int columns_;
    QSize cellSize_;
    Occupancy occupied_;
    std::optional<int> cell_;
};

} // namespace tolvekin
