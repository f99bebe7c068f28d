#pragma once
// What the board-size dialog decides, kept apart from the window: the layout of its numbered
// preview cells and of the controls below them, the look of a cell in the initial block, the
// cell tags, the checking of the typed size and the captions of the priority view.

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace tolvekin {

// Where things are before a preview is laid out (client pixels; outer is the dialog's outer
// size).
struct PreviewInput {
    QRect heightBox; // the たて box: the preview starts right of it, at its top
    QSize cell;      // the template cell
    QRect check;     // 仮決定
    QRect close;     // 閉じる
    QRect guide0;    // the two guide lines beside 仮決定
    QRect guide1;
    QSize outer;
};

// Where they go for a preview of cols x rows cells. The dialog only grows, and the buttons only
// move down or right.
struct PreviewLayout {
    std::vector<QRect> cells; // cell n at cells[n - 1], row by row from the top-left
    QRect check;
    QRect close;
    QRect guide0;
    QRect guide1;
    QSize outer;
};

PreviewLayout LayoutPreview(int32_t cols, int32_t rows, const PreviewInput& in);

// How a preview cell at column c, row r looks with the initial block's top-left at (x, y).
enum class CellShade { Empty, Side1, Side2 };
CellShade InitialBlockShade(int32_t c, int32_t r, int32_t x, int32_t y);

// A cell's tag: column and row as two digits each ("0305" is column 3, row 5).
QString CellTag(int32_t column, int32_t row);

// The initial block whose top-left is the cell with this tag, on a board of cols x rows; nothing
// for a cell of the last column or row.
struct BlockCorner {
    int32_t x = 0;
    int32_t y = 0;
};
std::optional<BlockCorner> BlockFromTag(const QString& tag, int32_t cols, int32_t rows);

// The typed height and width checked. On success the size and the initial block in its centre;
// otherwise the message to show and which box gets the focus back.
struct SizeCheck {
    enum class Field { None, Height, Width };
    Field refused = Field::None;
    QString message;
    int32_t cols = 0;
    int32_t rows = 0;
    int32_t midX = 0;
    int32_t midY = 0;
};
SizeCheck CheckTypedSize(const QString& heightText, const QString& widthText);

// The caption of every cell of a cols x rows board in the priority view: its weight for the
// computer (lower is better), in cell order.
QStringList CellWeightCaptions(int32_t cols, int32_t rows);

} // namespace tolvekin
