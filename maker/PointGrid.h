#pragma once
// The 48 x 48 cells of a character outline and the pictures made from them: the real-size
// preview mirrors the cells in pure black and white, and a picture read back counts only its
// exactly black pixels as set cells.

#include <QImage>
#include <QRgb>
#include <QSize>

#include <array>

namespace zenbro {

inline constexpr int GridSide = 48;
inline constexpr int GridCells = GridSide * GridSide;

// One flag per cell, index = column + 48 x row; true for a set (black) cell.
using Points = std::array<bool, GridCells>;

inline constexpr QRgb Black = 0xff000000;
inline constexpr QRgb White = 0xffffffff;

inline constexpr int CellColumn(int index) {
    return index % GridSide;
}
inline constexpr int CellRow(int index) {
    return index / GridSide;
}

// A 48 x 48 picture, all white.
QImage BlankPreview();

// The preview of the cells: black for set cells, white for the rest.
QImage PreviewFromPoints(const Points& points);

// The cells of a picture: set where the pixel is exactly black; pixels outside the picture
// count as clear.
Points PointsFromPicture(const QImage& picture);

// Where the cells lie in the editing area: each cell's size and the margins before the first
// column and row, in pixels.
struct GridGeometry {
    int cellWidth = 0;
    int cellHeight = 0;
    int left = 0;
    int top = 0;
};

// Lays the 48 x 48 cells out in an area of `inner` pixels, working in twips as the window's
// layout does (twipsPerPixel: 15 at 96 dpi), so the cells keep the whole-twip size the area
// allows and the spare space is shared out as a margin.
GridGeometry LayoutGrid(QSize inner, double twipsPerPixelX, double twipsPerPixelY);

} // namespace zenbro
