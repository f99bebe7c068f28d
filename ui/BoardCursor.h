#pragma once
// The keyboard's cell on the board. It lies over the whole board, lets every mouse click through
// to the cells and draws marks in the four corners of one cell, only while it has the keyboard
// focus; the corners of a cell are empty in every piece picture, so a piece's colour always
// shows. It starts on the top-left cell.

#include <QSize>
#include <QWidget>

namespace tolvekin {

class BoardCursor : public QWidget {
    Q_OBJECT
public:
    // A cursor over columns x rows cells of cellSize; board is the board's top-left corner.
    BoardCursor(int columns, int rows, QSize cellSize, QPoint board, QWidget* parent);

    int Column() const { return column_; }
    int Row() const { return row_; }
    // Moves to a cell, kept on the board.
    void MoveTo(int column, int row);
    void MoveBy(int dx, int dy) { MoveTo(column_ + dx, row_ + dy); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect CellRect() const;

    int columns_;
    int rows_;
    QSize cell_;
    int column_ = 1;
    int row_ = 1;
};

} // namespace tolvekin
