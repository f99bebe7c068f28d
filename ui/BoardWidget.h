#pragma once
// The board: its label lblBoard, the cells picKoma, the grid lines lineTate and lineYoko, the
// keyboard's cell and the mark on the piece placed last. It takes its own input (clicks on the
// cells, the arrow keys, Home, Space and Enter, H held) and reports what the player chose; the
// window passes that on to the game. While input is refused (a piece blinks) it takes nothing.

#include "ui/BoardCursor.h"
#include "ui/LastMoveMark.h"
#include "ui/PictureBox.h"

#include <QLabel>
#include <QSize>
#include <QWidget>

#include <vector>

namespace tolvekin {

// A press or release of a mouse button or a key: what a control refuses while a piece blinks.
bool IsPlayerInput(const QEvent* event);

// The board's controls, by the names the game's procedures use.
struct BoardControls {
    QLabel* lblBoard = nullptr;
    std::vector<PictureBox*> picKoma; // by CellIndex
    std::vector<QWidget*> lineTate;
    std::vector<QWidget*> lineYoko;
};

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize CellSize{48, 48};

    // A board of columns x rows cells; the grid's closing lines lie one pixel past the cells.
    BoardWidget(int columns, int rows, QWidget* parent);

    const BoardControls& Controls() const { return controls_; }
    PictureBox* CellAt(int index) const;
    BoardCursor* Cursor() const { return cursor_; }
    LastMoveMark* LastMove() const { return lastMove_; }
    // The area the cells cover, in the parent's coordinates.
    QRect CellArea() const;

    // The outer frame lines and the lines between the cells.
    void ShowFrameLines(bool visible);
    void ShowInnerLines(bool visible);
    // The label's colour, or none: the parent shows through.
    void SetColor(const QColor& color);
    void SetSeeThrough(bool seeThrough);
    void EnableCells(bool enabled);

    // The keyboard goes to the board, the cursor shown on its cell.
    void TakeFocus();
    // The arrow keys and Home move the cursor and give the board the focus; false for others.
    bool MoveCursorByKey(int key);
    void SetInputRefused(bool refused) { refused_ = refused; }

signals:
    // A click of the mouse on a cell; the cursor has moved there.
    void cellClicked(int index);
    // Space or Enter on the cursor's cell, when that cell takes clicks.
    void cellKeyed(int index);
    // H went down (true) or up (false) on the board.
    void placesKey(bool down);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void BuildCells();
    void BuildGridLines();
    void OnCellClicked(int index);
    int CursorIndex() const;

    int columns_;
    int rows_;
    BoardControls controls_;
    BoardCursor* cursor_ = nullptr;
    LastMoveMark* lastMove_ = nullptr;
    bool refused_ = false;
};

} // namespace tolvekin
